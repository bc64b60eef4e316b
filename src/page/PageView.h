#pragma once

#include "page/GridSetup.h"
#include "platform/UserMessage.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

class Book;

// Indexes of the title-block fields.
enum TitleBlockField : int {
    TblkFinish = 0,
    TblkDetailBy = 1,
    TblkIssue = 2,
    TblkCheckedBy = 3,
    TblkDate = 4,
    TblkCadNumber = 5,
    TblkCustomer = 6,
    TblkJobNumber = 7,
    TblkDescription = 8,
    TblkSheetNumber = 9,
    TblkSheetTotal = 10,
};
constexpr int kTitleBlockFields = 11;
constexpr int kRevisionRows = 4;
constexpr int kRevisionColumns = 3;
// The revision table's column headers.
inline const std::array<std::string, kRevisionColumns> kRevisionHeaders = {"Rev.", "Date", "By"};
using RevisionTable = std::array<std::array<std::string, kRevisionColumns>, kRevisionRows>;

// `BlockAttribValues`: the attribute value lines of the shown page, in page order, each with
// its block name. Names ignore letter case. A block that appears twice on a page keeps one
// entry per appearance, so neither value line is lost. Name and value line are kept apart,
// so no block name can run into its values.
class AttribValueList {
  public:
    struct Entry {
        std::string block;
        std::string valueLine;
    };

    void Add(std::string block, std::string valueLine);
    // The entry of the `occurrence`-th (0-based) appearance of the block, if any.
    const Entry* Find(std::string_view block, std::size_t occurrence = 0) const;
    // Replaces that entry's value line; false when there is no such entry.
    bool Replace(std::string_view block, std::string valueLine, std::size_t occurrence = 0);
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

  private:
    std::optional<std::size_t> IndexOf(std::string_view block, std::size_t occurrence) const;

    std::vector<Entry> entries_;
};

// The line-item grid with its layout and its cells (row 0 holds the headers).
struct GridView {
    GridLayout layout;
    std::vector<std::string> cells; // layout.rows x layout.columns
    // What rows hold past the last column (stored while the definition had more columns): not
    // shown, and kept with their row. Only rows with a value that is not blank are listed.
    std::map<int, std::vector<std::string>> extraValues;

    int Rows() const { return layout.rows; }
    int Columns() const { return layout.columns; }
    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
};

// A block named on the page, in page order, with its value line when it is an attribute
// block.
struct PageBlock {
    std::string name;
    std::optional<std::string> valueLine;
};

// The working copy of the shown page: what the window displays and edits. Filled from a
// page by RenderPageData, written back by ComposePageData.
struct PageView {
    std::array<std::string, kTitleBlockFields> titleBlock;
    RevisionTable revision; // rows 1..4
    std::optional<GridView> grid;
    std::vector<PageBlock> blocks;
    AttribValueList BlockAttribValues;
    bool gridSeen = false;
    bool blocksSeen = false;
    // The block picture's height in window units.
    double blockPictureHeight = 0;
    // Messages for the user, in the order they arose.
    std::vector<UserMessage> messages;
};

// The document-level title-block fields from the document header (`SetTblkInfo`).
void SetTblkInfo(PageView& view, const Book& book);

} // namespace waybill
