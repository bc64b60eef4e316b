#pragma once

#include "platform/Cp1252.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace waybill::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("waybill-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Names are UTF-8, as on the command line.
    std::filesystem::path operator/(const std::string& name) const {
        return path_ / PathFromUtf8(name);
    }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const auto p = *this / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }

    static std::string Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path path_;
};

} // namespace waybill::test
