#pragma once

#include "export/ExportFailure.h"
#include "model/Book.h"
#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace waybill {

// The save dialog of the export: its title, filter and default extension; it starts in the
// "ExportFolder" setting (when set) and proposes the job number as the file name.
inline constexpr const char* kExportTableTitle = "Export Waybill to Table";
inline constexpr const char* kExportTableFilter = "Export Files (*.txt)|*.txt";
inline constexpr const char* kExportTableExtension = "txt";

// The line items of a document as the order system reads them: one record per exported grid
// row, 13 fields joined by ";", without line ends.
struct TableExport {
    std::vector<std::string> records;
    // Pages of purchased items were left out; the summary reminds the user to enter them.
    bool purchasePages = false;
};

// Converts every page of the book (in document order, rows in page-data order). The first bad
// cell, an invalid finish, a grid without a definition, or no record at all stops it with
// the failure to show; nothing is to be written then. The job number is the book's, so the
// shown page must have been composed into the book first.
std::variant<TableExport, ExportFailure> ExportTable(const Book& book,
                                                     const ReferenceDatabase& database);

// The file's bytes: every record followed by CR LF.
std::string FormatTable(const TableExport& table);

// Writes the table so that a failure leaves a file already at `path` as it was; on failure
// the message to show.
std::optional<UserMessage> WriteTable(const TableExport& table, const std::filesystem::path& path);

// "N line(s) exported to file PATH." with the purchase note when pages were left out.
UserMessage TableExportedMessage(const TableExport& table, const std::filesystem::path& path);

} // namespace waybill
