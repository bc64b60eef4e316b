#pragma once

#include <filesystem>

namespace waybill {

// The program folder, where the default document, the reference database, the red-line
// pages, the drawings, the drawing font and the punch templates are read from (never
// written to):
// - the executable's own folder when it holds the default document (a build folder, a
//   folder the launcher installed into);
// - else the installed data folder "../share/waybill" beside it, when that exists (a
//   package or "cmake --install" puts the programs in PREFIX/bin and the data there);
// - else the executable's folder, so that the messages about missing files name it.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder);

// The program folder of the running program.
std::filesystem::path ProgramFolder();

} // namespace waybill
