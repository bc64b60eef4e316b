#include "cli/CommandSupport.h"

#include "app/AppSettings.h"
#include "app/DocumentLockPolicy.h"
#include "app/ProgramFolder.h"
#include "cli/TerminalText.h"
#include "model/FwbFile.h"
#include "model/ReadDocument.h"
#include "platform/Cp1252.h"
#include "platform/StoredSettings.h"

#include <charconv>

namespace waybill::cli {

void PrintMessage(std::ostream& stream, const std::string& cp1252Text) {
    // A message names files and quotes what they hold: line by line as the terminal may show
    // it. Its lines end in "\r" (or "\r\n"); a line end of a file's text it quotes is a line end.
    const std::string text = Cp1252ToUtf8(cp1252Text);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        stream << TerminalText(std::string_view(text).substr(start, end - start)) << '\n';
        if (end == std::string::npos) {
            break;
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

std::filesystem::path DefaultDatabase() {
    if (const auto stored = ReadStoredSetting(kConfigSection, "DefDB");
        stored && !stored->empty()) {
        return PathFromUtf8(*stored);
    }
    return ProgramFolder() / kDefaultDatabaseName;
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
    const std::filesystem::path path = PathFromUtf8(file);
    Book book;
    if (const auto failure = ReadDocument(path, book)) {
        // Its message names no file, and a command may read several.
        PrintMessage(err, LockFileInsteadMessage(path) ? PathText(path) + ": " + failure->text
                                                       : failure->text);
        return std::nullopt;
    }
    return book;
}

std::optional<CommandInput> ReadInput(const CommandArguments& args, std::ostream& err) {
    auto database = OpenDatabaseFor(args.Option("--refdb"), err);
    if (!database) {
        return std::nullopt;
    }
    auto book = ReadDocumentFor(args.positional[0], err);
    if (!book) {
        return std::nullopt;
    }
    return CommandInput{std::move(database), std::move(*book)};
}

int WriteOutput(const Book& book, const CommandArguments& args, std::ostream& err) {
    return WriteDocumentFor(book, args.positional[1], err, args.Flag("--force")) ? 0 : 1;
}

bool MayWriteOutput(const std::filesystem::path& path, std::ostream& err, bool force) {
    if (const auto lock = FindLock(path); !force && lock && IsHeldBySomeone(*lock)) {
        PrintMessage(err, "waybill-cli: " + LockHolderText(PathText(path), *lock) + ".");
        PrintMessage(err, "waybill-cli: " + PathText(path) +
                              " was not written; --force writes it all the same.");
        return false;
    }
    return true;
}

bool WriteDocumentFor(const Book& book, std::string_view file, std::ostream& err, bool force) {
    const std::filesystem::path path = PathFromUtf8(file);
    if (!MayWriteOutput(path, err, force)) {
        return false;
    }
    if (const auto failure = WriteFWB(book, path)) {
        PrintMessage(err, failure->text);
        return false;
    }
    return true;
}

} // namespace waybill::cli
