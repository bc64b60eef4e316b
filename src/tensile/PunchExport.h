#pragma once

#include "export/ExportFailure.h"
#include "model/Book.h"
#include "platform/AtomicFile.h"
#include "tensile/PunchMembers.h"

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace waybill {

// The templates file the punch export reads, in the program's folder.
inline constexpr const char* kPunchTemplatesName = "PunchTemplates.txt";

struct PunchExportDone {
    int updated = 0;  // records overwritten in place
    int appended = 0; // records added at the end
    // Members left out for too many lead punches (the file was still written without them).
    std::vector<std::string> tooManyLeadPunches;
};

// Exports the hi-tensile members of the book into the special patterns file `patternsFile`
// (created when missing): the job number check, validation, the templates, and the new
// file built whole in memory and then put in place of the old one, so that any failure
// leaves the old file exactly as it was. Where the folder refuses new files but the file may
// be written, its changed and added records are written into it instead (UpdateFile). The
// book must hold the shown page composed.
std::variant<PunchExportDone, ExportFailure>
ExportPunches(const Book& book, PunchSelection selection, const std::filesystem::path& templates,
              const std::filesystem::path& patternsFile,
              FileSystemCalls& calls = SystemFileCalls());

// The message listing the members left out for too many lead punches.
UserMessage TooManyLeadPunchesMessage(const std::vector<std::string>& names);

// The message when the path of the patterns file has not been configured.
UserMessage PatternsFileNotSetMessage();

} // namespace waybill
