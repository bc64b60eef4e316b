// Renders pages of a document as the editor shows them, to PNG files for a look:
//   page_screenshots <document.fwb> <output folder> [width height]
// Uses the program folder's reference database, blocks and drawing font.
#include "app/EditSession.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "support/RecordingDialogService.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: page_screenshots <document.fwb> <folder> [width height]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString programDir = QStringLiteral(WAYBILL_PROGRAM_DIR);
    QFontDatabase::addApplicationFont(programDir + QStringLiteral("/fonts/ArialDT.ttf"));

    auto opened = waybill::OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    if (!opened.database) {
        std::fprintf(stderr, "%s\n", opened.error.c_str());
        return 1;
    }
    waybill::BlockAttribDefs defs(*opened.database);
    waybill::Book book;
    if (const auto error = waybill::ReadFWB(argv[1], book)) {
        std::fprintf(stderr, "%s\n", error->text.c_str());
        return 1;
    }
    waybill::test::RecordingDialogService dialogs;
    waybill::SessionSetup setup;
    setup.database = opened.database.get();
    setup.attribDefs = &defs;
    setup.blocksFolder = (programDir + QStringLiteral("/blocks")).toStdString();
    waybill::EditSession session(setup, dialogs);
    session.LoadBook(book);
    waybill::PageWidget widget(dialogs);
    widget.SetEnvironment(opened.database.get(), &defs, &session.Blocks(), &session);
    const int width = argc > 4 ? std::atoi(argv[3]) : 1024;
    const int height = argc > 4 ? std::atoi(argv[4]) : 775;
    widget.resize(width, height);
    widget.SetPageNumbering(book.NumberPgs, book.NumberPgs && book.ShowPgTot);
    widget.show();
    session.SetPageArea(widget.Area());
    QDir().mkpath(argv[2]);
    for (int page = 1; page <= book.PageCount(); ++page) {
        session.ShowPage(page);
        widget.ShowView(session.View());
        const QString name =
            QStringLiteral("%1/page%2.png").arg(argv[2]).arg(page, 2, 10, QLatin1Char('0'));
        widget.grab().save(name);
    }
    for (const auto& text : dialogs.Texts()) {
        std::printf("message: %s\n", text.c_str());
    }
    return 0;
}
