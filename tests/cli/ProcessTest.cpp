// waybill-cli run as a process, as users and scripts run it: names, texts and settings outside
// ASCII, a program folder anywhere, and output files and standard output that are the same
// bytes on every system (the expected files were written on Linux).
#include "platform/ExecutableFolder.h"
#include "support/DocumentText.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace waybill {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

// One argument as the C run-time splits a command line: quoted, backslashes before a quote
// doubled.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            quoted.append(c == L'"' ? backslashes + 1 : 0, L'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    return quoted.append(backslashes, L'\\') + L"\"";
}

HANDLE Inherited(const fs::path& file) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
#endif

// Runs `program` with UTF-8 arguments (handed over as UTF-16 on Windows), its output and
// errors into files.
Ran RunProgram(const fs::path& program, const std::vector<std::string>& args, const TempDir& dir) {
    static int runs =
        0; // a file of its own for each run: a run's files may be held a moment longer
    const std::string run = std::to_string(++runs);
    const fs::path outFile = dir / ("stdout" + run), errFile = dir / ("stderr" + run);
    Ran ran;
#ifdef _WIN32
    std::wstring commandLine = Quoted(program.native());
    for (const std::string& arg : args) {
        commandLine += L" " + Quoted(Wide(arg));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = Inherited(outFile);
    startup.hStdError = Inherited(errFile);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        ran.status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
#else
    std::vector<std::string> words = {program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        ran.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
#endif
    ran.out = TempDir::Read(outFile);
    ran.err = TempDir::Read(errFile);
    return ran;
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string Expected(const char* name) {
    return TempDir::Read(fs::path(WAYBILL_CLI_TEST_DATA) / name);
}

#ifdef _WIN32
constexpr const char* kProgram = "waybill-cli.exe";
constexpr const char* kSettingsFolder = "APPDATA";
constexpr const char* kSettingsFile = "Waybill/Waybill.ini";
#else
constexpr const char* kProgram = "waybill-cli";
constexpr const char* kSettingsFolder = "XDG_CONFIG_HOME";
constexpr const char* kSettingsFile = "Waybill/Waybill.conf";
#endif

// A copy of the program in a folder whose name holds a leading dot, blanks, an accent and
// characters of no ANSI code page, with its templates beside it; the reference database in
// such a folder too, named by the user's settings; a document with CR LF line ends and a ^Z.
class CliProcess : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(programFolder);
        fs::copy_file(ExecutableFolder() / kProgram, program);
        dir.Write(".\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9 program/PunchTemplates.txt",
                  ":e-lead-opt\r\nWEB, 1.375, 9/16\r\n:e-tail-opt\r\nWEB, 2, 9/16\r\n");
        fs::create_directories(jobs);
        test::TestDatabase db;
        db.AddLabelledGrid("std", 10, {"COMP. ID", "MARK", "QTY", "LENGTH"});
        db.Write(jobs / "Ref db.db");
        fs::create_directories(dir / "settings" / "Waybill");
        std::string folder = Utf8(jobs);
        for (std::size_t at = 0; (at = folder.find('\\', at)) != std::string::npos; at += 2) {
            folder.insert(at, 1, '\\'); // as Qt writes a backslash
        }
        dir.Write("settings/" + std::string(kSettingsFile),
                  "[Config]\r\nDefDB=" + folder + "/Ref db.db\r\n");
        dir.Write("\xE6\x97\xA5\xE6\x9C\xAC jobs/Job \xC3\xA9 \xE6\x97\xA5.fwb",
                  test::DocumentText(
                      "**PAGEDEF\r\nmisc-01,,\r\nGRID: std\r\n|T|M1\x1A|2|5'-6\xD8|\r\n", "J7"));
        dir.Write("\xE6\x97\xA5\xE6\x9C\xAC jobs/Members.fwb",
                  test::DocumentText("**PAGEDEF\r\nzee00-01,,\r\nGRID: hte\r\n"
                                     "|Z|M1|2|20'|E|||||||E|5|\r\nATTRIBLK: zee00\r\n"
                                     "|8|2|4|2|8 x 14GA|M|S|\r\n",
                                     "J7"));
    }

    Ran Cli(const std::vector<std::string>& args) { return RunProgram(program, args, dir); }

    TempDir dir;
    fs::path programFolder = dir / ".\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9 program";
    fs::path program = programFolder / kProgram;
    fs::path jobs = dir / "\xE6\x97\xA5\xE6\x9C\xAC jobs";
    std::string document = Utf8(jobs / PathFromUtf8("Job \xC3\xA9 \xE6\x97\xA5.fwb"));
    test::ScopedEnvironment settings{kSettingsFolder, dir / "settings"};
};

TEST_F(CliProcess, WritesTheSameBytesOnEverySystem) {
    const Ran version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("waybill-cli ") && version.out.ends_with("\n"));
    EXPECT_EQ(version.out.find('\r'), std::string::npos);

    const std::string table = Utf8(jobs / PathFromUtf8("Order \xE6\x97\xA5.txt"));
    const Ran exported = Cli({"export-table", document, table});
    ASSERT_EQ(exported.status, 0) << exported.err << "|" << exported.out;
    EXPECT_EQ(TempDir::Read(PathFromUtf8(table)), Expected("order-table.txt"));

    const std::string patterns = Utf8(jobs / "Spcptrns.dat");
    const Ran punched = Cli({"export-punches", Utf8(jobs / "Members.fwb"), patterns, "--all"});
    ASSERT_EQ(punched.status, 0) << punched.err;
    EXPECT_EQ(TempDir::Read(PathFromUtf8(patterns)), Expected("Spcptrns.dat"));

    // The text to find is read from the command line as typed, and the name printed as given.
    const Ran found = Cli({"find", "\xC2\xBD", document});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, document + ": page 1 (misc-01), row 1, column 3 (LENGTH): 5'-6-1/2\n");
}

// Windows takes a path past 260 characters where the program hands it to the wide calls.
TEST_F(CliProcess, WritesIntoADeepFolder) {
    const fs::path deep = dir / std::string(120, 'd') / std::string(120, 'e');
    fs::create_directories(deep);
    const std::string table = Utf8(deep / "Order.txt");
    ASSERT_GT(table.size(), 260u);
    const Ran exported = Cli({"export-table", document, table});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(TempDir::Read(PathFromUtf8(table)), Expected("order-table.txt"));
}

} // namespace
} // namespace waybill
