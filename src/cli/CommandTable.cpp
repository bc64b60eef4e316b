#include "cli/CommandTable.h"

#include "cli/Commands.h"

#include <iterator>

namespace waybill::cli {
namespace {

// The rows of the command table; the pdf row takes its run from CommandTable.
const CliCommand kCommands[] = {
    {.name = "convert",
     .synopsis = "IN OUT [--force]",
     .summary = "converts legacy documents",
     .description =
         "Read IN (a legacy \".wbl\" document, or a \".fwb\" document) and write it to OUT as a "
         "\".fwb\" document. On a read failure the message goes to stderr, the exit status is 1 "
         "and OUT is not created.",
     .run = Convert},
    {.name = "recompose",
     .synopsis = "IN.fwb OUT.fwb [--refdb FILE] [--force]",
     .summary = "recomposes pages",
     .description =
         "Render every page of IN and compose it back, as if each page had been shown in the "
         "editor and left unchanged, then write OUT. The reference database is FILE, else the "
         "\"DefDB\" setting, else DefWaybill.db in the program folder. A grid missing from the "
         "database is reported on stderr and its page keeps its stored grid lines.",
     .run = Recompose},
    {.name = "set-finish",
     .synopsis = "IN.fwb OUT.fwb FINISH [--pages A-B] [--refdb FILE] [--force]",
     .summary = "sets finishes",
     .description =
         "Do on each page in the range (default: all; --pages N for one page) what picking FINISH "
         "from the page's finish list does in the editor: the page's finish becomes FINISH as the "
         "list spells it (letter case ignored), then the page's part numbers follow it. Other "
         "pages are written unchanged. A FINISH some page in the range does not offer, or a sheet "
         "page in it while the database lacks the SheetParts table, is reported on stderr, the "
         "exit status is 1 and OUT is not written. The reference database is found as for "
         "recompose.",
     .run = SetFinish},
    {.name = "detail",
     .synopsis = "IN.fwb OUT.fwb GENERATOR [VARIANT] [Field=value ...] [--force]",
     .summary = "adds trim-detail pages",
     .description = DetailDescription(),
     .run = Detail},
    {.name = "export-table",
     .synopsis = "IN.fwb OUT.txt [--refdb FILE] [--force]",
     .summary = "exports the order-entry table",
     .description =
         "Write the line items of IN as the order-entry table OUT, as the editor's Export Table "
         "does, and print the summary. Every row the pages hold is read, past the grid "
         "definition's rows too. Any stop (no job number, a bad cell, a \";\" in a text, an "
         "invalid finish, nothing to export) goes to stderr with the page, row and column of a bad "
         "cell; the exit status is then 1 and OUT is left as it was (not created). OUT is taken "
         "without blanks at both ends; a blank OUT is wrong usage. The reference database is "
         "found as for recompose.",
     .run = ExportTableCommand},
    {.name = "export-punches",
     .synopsis = "IN.fwb DAT (--all | --only) [--templates FILE] [--force]",
     .summary = "exports the punch patterns",
     .description =
         "Update the special patterns file DAT with the Cee and Zee members of IN, as the "
         "editor's Export Punches does: all members, or only those with \"A\" dimensions or "
         "mismatched punches. The templates are FILE, else PunchTemplates.txt in the program "
         "folder. A message that stops the export goes to stderr, the exit status is 1 and DAT is "
         "byte-for-byte as before. Members left out for too many lead punches are listed on "
         "stderr; the file is still written. In a folder that refuses new files DAT's changed and "
         "added records are written into it in place. DAT is taken without blanks at both ends; "
         "a blank DAT is wrong usage.",
     .run = ExportPunchesCommand},
    {.name = "pdf",
     .synopsis = "IN.fwb OUT.pdf [--pages A-B] [--refdb FILE] [--force]",
     .summary = "prints to PDF",
     .description =
         "Print the pages of IN (all, or A to B) into OUT as one PDF, one landscape Letter sheet "
         "per page, without a display. The reference database is found as for recompose. A "
         "missing grid or block is reported on stderr and the PDF is still written. Built with "
         "the editor only.",
     .run = nullptr},
    {.name = "configure-member",
     .synopsis =
         "IN.fwb OUT.fwb --page N --size S --flange F --gauge G [--pregalv] [--finish NAME] "
         "[--refdb FILE] [--force]",
     .summary = "configures members",
     .description =
         "Do on page N what OK in the member editor does: S is the member depth (4, 6, 8, 10, 12 "
         "or 14), F the nominal flange width (2, 3 or 4), G the gauge (12, 14 or 16); --pregalv "
         "ticks \"Pre-Galvanized\", else NAME, a hi-tensile finish (letter case ignored), is "
         "required. The attribute values, finish, description and every row's part number "
         "follow. A page that is not a Zee or Cee page, a value not in the lists or a missing or "
         "unknown finish goes to stderr, the exit status is 1 and OUT is not written. Other pages "
         "are written unchanged. The reference database is found as for recompose.",
     .run = ConfigureMember},
    {.name = "find",
     .synopsis = "TEXT FILE... [--case] [--whole] [--refdb FILE]",
     .summary = "finds a text in documents",
     .description =
         "Search each FILE (a \".fwb\" document, or a legacy \".wbl\" one) for TEXT and print one "
         "line per match: \"FILE: page P (CAD), row R, column C (HEADER): text\" for a grid cell "
         "(rows from 1, columns from 0), \"title-block FIELD\" for a title-block field or the "
         "description, \"block NAME, TAG\" for an attribute value. Letter case is ignored unless "
         "--case is given; --whole matches only a whole value (blanks at its ends aside). The "
         "document's own fields (Detail By, Job Number...) are reported once, on page 1, or "
         "without a page (\"FILE: title-block FIELD: text\") in a document without pages. The "
         "drawing font's symbols are found by the character that looks like them (a quarter, the "
         "diameter sign) and by their plain text (1/4). An "
         "unreadable FILE is reported on stderr and the search goes on. Headers and tags come from "
         "the reference database, found as for recompose; without it the matches are still "
         "printed.",
     .exitStatus =
         "0 something was found, 1 nothing was (an unreadable FILE aside), 2 wrong usage or "
         "standard output that could not be written.",
     .run = Find},
    {.name = "diff",
     .synopsis = "OLD NEW [--format text|csv] [--refdb FILE]",
     .summary = "compares two states of a document",
     .description =
         "Compare the document OLD with its newer state NEW (either may be a legacy \".wbl\" "
         "document) and print one line per change: pages added, removed or moved, rows added or "
         "removed, changed cells, title-block fields, revision-table cells and attribute values, "
         "for example \"page 12 (zee00-01), row 3 (PART MARK Z3), LENGTH: 14' -> 14'-6\". Pages "
         "pair up by CAD # and description, rows by part mark where the grid has one; where a "
         "page names several grids, the stored lines of those before the last compare as text. "
         "Texts compare exactly, and two lengths that measure the same are marked \"(same "
         "length)\". Removed pages and rows carry their numbers in OLD. --format csv prints the "
         "changes as records under a header line instead. Column headers and attribute tags come "
         "from the reference database, found as for recompose.",
     .exitStatus =
         "as diff(1) has them: 0 the same, 1 different, 2 trouble (wrong usage, an unreadable "
         "document or database, standard output that could not be written).",
     .run = Diff},
};

} // namespace

std::vector<CliCommand> CommandTable(CommandRun pdf) {
    std::vector<CliCommand> commands(std::begin(kCommands), std::end(kCommands));
    for (CliCommand& command : commands) {
        if (command.name == "pdf") {
            command.run = pdf;
        }
    }
    return commands;
}

} // namespace waybill::cli
