#include "cli/CommandSupport.h"

#include "app/AppSettings.h"
#include "app/DocumentLockPolicy.h"
#include "app/ProgramFolder.h"
#include "model/FwbFile.h"
#include "model/ReadDocument.h"
#include "platform/Cp1252.h"
#include "platform/StoredSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace waybill::cli {

void PrintMessage(std::ostream& stream, const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    for (char& c : text) {
        if (c == '\r') {
            c = '\n';
        }
    }
    stream << text << '\n';
}

std::filesystem::path DefaultDatabase() {
    if (const auto stored = ReadStoredSetting(kConfigSection, "DefDB");
        stored && !stored->empty()) {
        return *stored;
    }
    return ProgramFolder() / kDefaultDatabaseName;
}

std::optional<std::string> CommandArguments::Option(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool CommandArguments::Flag(std::string_view name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

namespace {

template <typename Names> bool IsOneOf(std::string_view arg, const Names& names) {
    return std::find(std::begin(names), std::end(names), arg) != std::end(names);
}

} // namespace

std::optional<std::string> ArgumentText(const std::string& arg, std::ostream& err) {
    const auto unmapped = FirstUnmappedCharacter(arg);
    if (!unmapped) {
        return Utf8ToCp1252(arg);
    }
    err << "waybill-cli: \"" << arg << "\" holds ";
    if (unmapped->codePoint) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*unmapped->codePoint));
        err << "\"" << unmapped->utf8 << "\" (" << code << "), which has no Windows-1252 code\n";
    } else {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(unmapped->utf8[0])));
        err << "the byte " << byte << ", which is not UTF-8 text\n";
    }
    return std::nullopt;
}

std::optional<CommandArguments> SplitArguments(const std::vector<std::string>& args,
                                               std::initializer_list<std::string_view> valueOptions,
                                               std::initializer_list<std::string_view> flags,
                                               std::ostream& err) {
    static constexpr std::string_view kFileOptions[] = {"--refdb", "--templates"};
    constexpr std::size_t kFileArguments = 2; // IN and OUT
    CommandArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsOneOf(arg, valueOptions) && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (IsOneOf(arg, kFileOptions)) {
                split.options[arg] = value;
            } else if (const auto text = ArgumentText(value, err)) {
                split.options[arg] = *text;
            } else {
                return std::nullopt;
            }
        } else if (IsOneOf(arg, flags)) {
            split.flags.push_back(arg);
        } else if (split.positional.size() < kFileArguments) {
            split.positional.push_back(arg);
        } else if (const auto text = ArgumentText(arg, err)) {
            split.positional.push_back(*text);
        } else {
            return std::nullopt;
        }
    }
    return split;
}

std::string ShownArgument(const std::string& cp1252Text) {
    return Cp1252ToUtf8(cp1252Text);
}

std::optional<PageSpan> ParsePageSpan(std::string_view text) {
    auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        return value;
    };
    const std::size_t dash = text.find('-');
    const auto first = number(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : number(text.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first) {
        return std::nullopt;
    }
    return PageSpan{*first, *last};
}

std::unique_ptr<ReferenceDatabase> OpenDatabaseFor(const std::optional<std::string>& file,
                                                   std::ostream& err) {
    auto opened = OpenReferenceDatabase(file ? PathFromUtf8(*file) : DefaultDatabase());
    if (!opened.database) {
        PrintMessage(err, opened.error);
    }
    return std::move(opened.database);
}

std::optional<Book> ReadDocumentFor(std::string_view file, std::ostream& err) {
    Book book;
    if (const auto failure = ReadDocument(PathFromUtf8(file), book)) {
        PrintMessage(err, failure->text);
        return std::nullopt;
    }
    return book;
}

bool WriteDocumentFor(const Book& book, std::string_view file, std::ostream& err, bool force) {
    const std::filesystem::path path = PathFromUtf8(file);
    if (const auto lock = FindLock(path); !force && lock && IsHeldBySomeone(*lock)) {
        PrintMessage(err, "waybill-cli: " + LockHolderText(PathText(path), *lock) + ".");
        err << "waybill-cli: " << file << " was not written; --force writes it all the same.\n";
        return false;
    }
    if (const auto failure = WriteFWB(book, path)) {
        PrintMessage(err, failure->text);
        return false;
    }
    return true;
}

} // namespace waybill::cli
