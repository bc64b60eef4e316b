#pragma once

#include "page/GridSetup.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace waybill::cli {

// Prints a message of the system (Windows-1252, "\r" between lines) to a terminal.
void PrintMessage(std::ostream& stream, const std::string& cp1252Text);

// The editor's reference database: the "DefDB" setting, else the database beside the program.
std::filesystem::path DefaultDatabase();

// Any window size gives the same page data; this is the editor's default window.
constexpr PageAreaMetrics kDefaultArea{1024, 774, 1024 / 10.25, 774 / 7.75, 1};

} // namespace waybill::cli
