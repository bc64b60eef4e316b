#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <vector>

namespace waybill::test {

// What a command printed and its exit status.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

using CliCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline CliRun RunCommand(CliCommand command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

// Writes a reference database for a command to open: `sql` run on a new file at `path`. A
// statement that fails fails the test, so no case runs on a database it did not mean.
inline void WriteDatabase(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(status, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

} // namespace waybill::test
