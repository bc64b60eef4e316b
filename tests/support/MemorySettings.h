#pragma once

#include "app/AppSettings.h"

#include <map>
#include <string>
#include <utility>

namespace waybill::test {

// A settings store in memory.
class MemorySettings : public SettingsStore {
  public:
    std::string Read(std::string_view section, std::string_view key) const override {
        const auto found = values.find({std::string(section), std::string(key)});
        return found == values.end() ? std::string{} : found->second;
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        values[{std::string(section), std::string(key)}] = std::string(value);
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace waybill::test
