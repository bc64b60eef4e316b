#pragma once

#include <string>
#include <vector>

namespace waybill::launcher {

// The program's arguments after its own name, as UTF-8. On Windows they are taken from the
// command line the system keeps as UTF-16, since `argv` there holds them in the ANSI code page,
// which has no letters for most names.
std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace waybill::launcher
