#pragma once

namespace waybill {

// What changed, as the flags of the edit session's one notice to the window.
using SessionChanges = unsigned;
namespace SessionChange {
inline constexpr SessionChanges PageShown = 1u << 0;     // the shown page was rendered anew
inline constexpr SessionChanges PageTexts = 1u << 1;     // its cells or title block changed
inline constexpr SessionChanges PageDrawing = 1u << 2;   // its attribute value lines changed
inline constexpr SessionChanges PageList = 1u << 3;      // pages, the current page, the clipboard
inline constexpr SessionChanges Header = 1u << 4;        // document-level fields, numbering
inline constexpr SessionChanges History = 1u << 5;       // Undo and Redo, the changed state
inline constexpr SessionChanges DocumentName = 1u << 6;  // the document's path
inline constexpr SessionChanges RecentList = 1u << 7;    // the recent-files list
inline constexpr SessionChanges Status = 1u << 8;        // the note for the status bar
inline constexpr SessionChanges Compared = 1u << 9;      // the changes since the comparison base
inline constexpr SessionChanges WholeDocument = ~Status; // all but the note
} // namespace SessionChange

} // namespace waybill
