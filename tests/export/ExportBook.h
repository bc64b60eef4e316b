#pragma once

#include "model/Book.h"
#include "support/TestDatabase.h"

#include <string>
#include <vector>

namespace waybill::test {

// The grids of the shipped reference database that the exports read, by their column labels.
inline void AddExportGrids(TestDatabase& db) {
    const auto grid = [&](const std::string& name, std::vector<std::string> labels) {
        db.AddGrid(name, static_cast<int>(labels.size()), 25);
        std::vector<std::vector<FieldValue>> rows;
        for (std::size_t k = 0; k < labels.size(); ++k) {
            rows.push_back({labels[k], static_cast<std::int64_t>(k + 1)});
        }
        db.AddTable(name, {"Label", "ColumnIDX"}, rows);
    };
    grid("std", {"COMP. ID", "PART MARK", "QTY", "LENGTH", "DESCRIPTION", "PART NUMBER"});
    grid("hte", {"COMP. ID", "PART MARK", "QTY", "LENGTH", "LP", "A", "A", "A", "A", "A", "A", "TP",
                 "PART NUMBER"});
    grid("ext",
         {"COMP. ID", "PART MARK", "QTY", "LOCATION", "LENGTH", "DESCRIPTION", "PART NUMBER"});
    grid("hed", {"COMP. ID", "PART MARK", "QTY", "LENGTH", "DESCRIPTION", "SIZE", "PART NUMBER"});
    grid("cab", {"LOCATION", "PART MARK", "QTY", "SHIP. LEN.", "CAB.xCUTLEN.", "CABLE DIA.",
                 "EYE BOLT", "FINISH", "COMP. ID"});
    grid("slp", {"COMP. ID", "mark", "qty.", "SLOPE", " description "});
    grid("pur", {"COMP. ID", "PART MARK", "QTY", "DESCRIPTION", "VENDOR", "PART NUMBER"});
    grid("nid", {"PART MARK", "QTY", "DESCRIPTION"});
}

inline Book OnePageBook(const std::string& cad, const std::string& finish,
                        std::vector<std::string> lines, const std::string& job = " J100 ") {
    Book book;
    book.JobNumber = job;
    book.Add(cad, finish, "", std::move(lines), AfterLastPage);
    return book;
}

} // namespace waybill::test
