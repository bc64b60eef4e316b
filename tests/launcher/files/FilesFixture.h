#pragma once

#include "files/PlatformNames.h"
#include "files/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace waybill::launcher {

// A fresh folder whose name has a blank, an accent and Japanese, as a site's shared folder
// may; removed with everything in it. Names are UTF-8 and may use "/" for sub-folders.
class FilesTest : public testing::Test {
  protected:
    using Time = std::filesystem::file_time_type;

    void SetUp() override {
        std::random_device random;
        base_ = std::filesystem::temp_directory_path() /
                ("waybill-start-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(Path(""));
        ASSERT_TRUE(std::filesystem::is_directory(Path("")));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

    // The folder with its closing separator, as the launcher keeps folders.
    std::string Root() const {
        return Utf8FromPath(base_) + FolderSeparator() + "Jobs é 日本" + FolderSeparator();
    }
    std::filesystem::path Path(const std::string& name) const {
        return PathFromUtf8(Root() + name);
    }

    static Time HoursAgo(int hours) { return Time::clock::now() - std::chrono::hours(hours); }

    void Write(const std::string& name, const std::string& bytes,
               std::optional<Time> time = HoursAgo(1)) const {
        const std::filesystem::path path = Path(name);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        if (time)
            std::filesystem::last_write_time(path, *time);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
    }
    // The names in a folder, in name order.
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Path(folder)))
            names.push_back(Utf8FromPath(entry.path().filename()));
        std::ranges::sort(names);
        return names;
    }

  private:
    std::filesystem::path base_;
};

} // namespace waybill::launcher
