#pragma once

#include "print/PrintedSheet.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace waybill {

class Book;

// Pages first to last, 1-based, both included.
struct PageRange {
    int first = 1;
    int last = 1;
};

struct PdfDocument {
    QByteArray bytes;
    std::vector<UserMessage> messages; // of every page, each distinct message once
};

// The pages as one vector PDF: one Letter landscape sheet per page, the sheet at its true
// size, the drawing font embedded and the texts selectable. The range must lie within the
// book's pages. With `marks`, each sheet marks its page's changes.
PdfDocument MakePdf(const Book& book, PageRange pages, SheetSources& sources, const QString& title,
                    const ChangeMarksOf& marks = {});

} // namespace waybill
