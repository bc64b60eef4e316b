#include "model/LegacyImport.h"

#include "model/FwbFile.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <string>
#include <vector>

namespace waybill {
namespace {

// Ends the import: a line that is missing, or a list with too few items.
struct ImportFailure {};

class LegacyReader {
  public:
    explicit LegacyReader(std::string_view content) : lines_(content) {}

    bool AtEnd() const { return lines_.AtEnd(); }

    std::string Line() {
        if (lines_.AtEnd()) {
            throw ImportFailure{};
        }
        return std::string(lines_.Next());
    }

    std::string Field() {
        if (lines_.AtEnd()) {
            throw ImportFailure{};
        }
        return std::string(lines_.NextField());
    }

  private:
    LineReader lines_;
};

bool IsSeparator(std::string_view line) {
    return line.starts_with("***");
}

const std::string& Item(const std::vector<std::string>& items, std::size_t index) {
    if (index >= items.size()) {
        throw ImportFailure{};
    }
    return items[index];
}

void ReadHeaderLine(const std::string& line, Book& book) {
    const std::vector<std::string> items = TokenizeList(line.substr(1));
    if (items.size() <= 1) {
        return;
    }
    std::string* fields[] = {&book.DetailBy, &book.Issue,    &book.CheckedBy,
                             &book.CurDate,  &book.Customer, &book.JobNumber};
    for (std::size_t i = 0; i < 6; ++i) {
        *fields[i] = Trim(Item(items, i));
    }
}

// A row or attribute value line of the tokens from `first` on. A "|" inside a token would
// split its value in two and shift the columns after it.
std::string ValueLine(const std::vector<std::string>& tokens, std::size_t first) {
    std::vector<std::string> values;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        values.push_back(PipeListValue(tokens[i]));
    }
    return JoinPipeList(values, 0);
}

// A drawing number or finish as the document file holds it (see DefinitionField), so an
// imported document reads back the same once saved.
std::string DefinitionValue(std::string_view text) {
    return DefinitionField(Trim(text));
}

} // namespace

bool IsLegacyDocumentPath(const std::filesystem::path& path) {
    const std::string text = PathText(path.filename());
    const std::size_t dot = text.rfind('.');
    return dot != std::string::npos && EqualsNoCase(text.substr(dot), ".wbl");
}

std::optional<UserMessage> ImportWBL(const std::filesystem::path& path, Book& book) {
    const auto content = ReadWholeFile(path);
    if (!content) {
        return CannotOpenMessage(path);
    }
    return ParseWBL(*content, path, book);
}

std::optional<UserMessage> ParseWBL(std::string_view content, const std::filesystem::path& path,
                                    Book& book) {
    LegacyReader reader(content);
    try {
        std::string current = reader.Line();
        if (current.starts_with('#')) {
            ReadHeaderLine(current, book);
            current = reader.Field();
        }
        // `more` is false once the line that ended a page was the file's last line.
        bool more = true;
        while (more && !(reader.AtEnd() && IsSeparator(current))) {
            PageLines data;
            std::string cadNumber = current;
            if (current == "***") {
                cadNumber = reader.Line();
            }
            const std::string layout = reader.Line();
            std::string finish = reader.Line();
            std::string description = DecodeCadCodes(reader.Line());
            const std::vector<std::string> items = TokenizeList(layout);
            const std::size_t n = items.empty() ? 0 : items.size() - 1;
            const std::string& gridItem = Item(items, 0);
            const bool hasItem1 = items.size() > 1;
            const bool extPage = hasItem1 && EqualsNoCase(items[1], "ext");
            const bool esPage = hasItem1 && EqualsNoCase(items[1], "es");

            // The grid lines run to the next separator; the file's last line counts too, so a
            // file that does not end with a separator keeps its last grid row.
            auto nextGridLine = [&]() -> std::optional<std::string> {
                if (reader.AtEnd()) {
                    more = false;
                    return std::nullopt;
                }
                return reader.Line();
            };
            std::optional<std::string> line;
            if (gridItem.empty()) {
                do {
                    line = nextGridLine();
                } while (line && !IsSeparator(*line));
            } else {
                const std::string gridName = extPage ? "ext" : gridItem;
                data.push_back(Trim("GRID: " + gridName));
                line = nextGridLine();
                if (EqualsNoCase(gridName, "ind")) {
                    while (line && !IsSeparator(*line)) {
                        line = nextGridLine();
                    }
                    data.emplace_back("24");
                } else {
                    while (line && !IsSeparator(*line)) {
                        const std::string_view t = TrimView(*line);
                        if (IsParenList(t)) {
                            data.push_back(ValueLine(TokenizeList(t), 0));
                        } else if (!t.empty()) {
                            data.emplace_back(t);
                        }
                        line = nextGridLine();
                    }
                }
            }
            if (n >= 1 && !extPage && !esPage) {
                for (std::size_t i = 1; i <= n; ++i) {
                    if (IsParenList(items[i])) {
                        const std::vector<std::string> tokens = TokenizeList(items[i]);
                        data.push_back(Trim("ATTRIBLK: " + Item(tokens, 0)));
                        data.push_back(ValueLine(tokens, 1));
                    } else {
                        data.push_back(Trim("BLOCK: " + items[i]));
                    }
                }
            }
            book.Add(DefinitionValue(cadNumber), DefinitionValue(finish), std::move(description),
                     std::move(data), AfterLastPage);
            if (line) {
                current = std::move(*line);
            }
        }
    } catch (const ImportFailure&) {
        return CannotOpenMessage(path);
    }
    return std::nullopt;
}

} // namespace waybill
