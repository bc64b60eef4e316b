#pragma once

#include <optional>
#include <string_view>

namespace waybill {

// Which page and file commands are available (the menus and the toolbar buttons alike).
struct CommandEnabling {
    bool firstPage = false; // also Previous Page
    bool gotoPage = false;
    bool lastPage = false; // also Next Page
    bool addPage = false;
    bool pageCommands = false; // Delete, Copy and Cut Page
    bool pastePage = false;
    bool documentCommands = false; // Save, Save As (and print and export)
    bool sort = false;             // the pages are out of the standard order
    bool undo = false;
    bool redo = false;
    // Cut, Copy and Delete, and Paste, on the focused box or grid: the window's to say.
    bool copy = false;
    bool paste = false;
    // A document opened read-only takes no change: these are off for it.
    bool editing = false;   // the options, the red-line and generated pages
    bool pageEdits = false; // Delete and Cut Page, Edit Attributes
    bool save = false;      // Save (Save As is always offered with the document commands)
    bool cut = false;       // Cut and Delete: the window's, as copy
    bool comparing = false; // Stop Comparing, Next and Previous Change

    bool operator==(const CommandEnabling&) const = default;
};

// `pageCount` pages with page `currentPage` shown; `loaded` once the main window has finished
// loading.
CommandEnabling ComputeEnabling(int pageCount, int currentPage, bool hasPageBuf, bool loaded);

// The page number typed into Go to Page, when it names a page of a document with
// `pageCount` pages. Only digits are typed; anything else is no page.
std::optional<int> ParseGotoPageNumber(std::string_view text, int pageCount);

} // namespace waybill
