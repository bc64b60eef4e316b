#pragma once

#include "model/Book.h"

namespace waybill::fuzz {

// Every field a document file holds: the header and each page's fields and lines.
inline bool SameBook(const Book& a, const Book& b) {
    if (a.DetailBy != b.DetailBy || a.Issue != b.Issue || a.CheckedBy != b.CheckedBy ||
        a.CurDate != b.CurDate || a.Customer != b.Customer || a.JobNumber != b.JobNumber ||
        a.Password != b.Password || a.NumberPgs != b.NumberPgs || a.ShowPgTot != b.ShowPgTot ||
        a.PageCount() != b.PageCount()) {
        return false;
    }
    for (int p = 1; p <= a.PageCount(); ++p) {
        const Page& x = a.GetPage(p);
        const Page& y = b.GetPage(p);
        if (x.CadNumber != y.CadNumber || x.Finish != y.Finish || x.Description != y.Description ||
            x.PageData != y.PageData) {
            return false;
        }
    }
    return true;
}

} // namespace waybill::fuzz
