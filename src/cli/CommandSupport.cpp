#include "cli/CommandSupport.h"

#include "app/AppSettings.h"
#include "platform/Cp1252.h"
#include "platform/StoredSettings.h"

namespace waybill::cli {

void PrintMessage(std::ostream& stream, const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    for (char& c : text) {
        if (c == '\r') {
            c = '\n';
        }
    }
    stream << text << '\n';
}

std::filesystem::path DefaultDatabase() {
    if (const auto stored = ReadStoredSetting(kConfigSection, "DefDB");
        stored && !stored->empty()) {
        return *stored;
    }
    return ProgramFolder() / kDefaultDatabaseName;
}

} // namespace waybill::cli
