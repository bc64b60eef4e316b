#pragma once

#include "print/gui/SheetPainter.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <QString>
#include <string>

class QDialog;
class QPrinter;
class QWidget;

namespace waybill {

class Book;
class DialogService;

// What the print commands work on; the main window hands these in for each command, so the
// book is the document's book at that moment.
struct PrintContext {
    const Book& book;
    SheetSources& sources;
    DialogService& dialogs;
    QPrinter& printer;               // the editor's printer, kept for the whole run
    std::function<void()> storePage; // ChkPgContents: the shown page's edits into the book
    QWidget* parent = nullptr;       // of the preview window
    // Shows the preview modally and answers its result; empty: QDialog::exec.
    std::function<int(QDialog&)> runModal;
    QString exportFolder = {}; // where Export PDF's file dialog starts
    // Whether Export PDF may write the chosen file (someone may hold it as a document);
    // empty: always.
    std::function<bool(const std::filesystem::path&)> mayWriteOver = {};
    // While comparing: the base's file name, which Print and Export PDF offer to mark the
    // changes since ("Mark changes since NAME"), and the changes of a page. Empty: no offer.
    QString markBase = {};
    ChangeMarksOf changeMarks = {};
};

// File > Print (mnuFilePrint): the "Print Waybill" dialog, preset to the current page, then
// the chosen pages in landscape. The printer's orientation is restored afterwards.
void PrintWaybill(PrintContext& context);

// File > Printer Setup (mnuFilePrintSetup): the "Printer Setup" dialog; cancel changes nothing.
void SetUpPrinter(PrintContext& context);

// File > Print Preview (mnuFilePrintPreview): the modal preview on the current page, on the
// printer's paper in landscape (Letter when no printer is installed). Nothing for a
// document without pages.
void PreviewWaybill(PrintContext& context);

// What Export PDF wrote.
struct PdfWritten {
    int pages = 0;
    QString path;
};

// File > Export PDF (mnuFileExportPdf): all pages or a range into one PDF, written
// atomically; the proposed name is the document's file name (`docPath` in UTF-8, empty for a
// new document) with ".pdf", in the context's export folder. Nothing when nothing was written.
std::optional<PdfWritten> ExportPdf(PrintContext& context, const std::string& docPath);

// The status-bar note after Export PDF: "N page(s) written to FILE."
QString PdfWrittenNote(const PdfWritten& written);

// The printer's paper in landscape; Letter landscape when no printer is installed.
PaperLayout PaperOf(const QPrinter& printer);

// The proposed file name, without folder, of the PDF of a document at `docPath` (UTF-8).
QString PdfFileName(const std::string& docPath);

} // namespace waybill
