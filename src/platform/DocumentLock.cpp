#include "platform/DocumentLock.h"

#include "platform/Cp1252.h"
#include "platform/LocalTime.h"
#include "platform/TextFile.h"
#include "units/Text.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>
#endif

namespace waybill {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUnknown = "unknown";
constexpr const char* kLockFilePrefix = "~$";
// A lock file is one short line; more than this is no lock file of ours.
constexpr std::size_t kLongestLockFile = 4096;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// A name as one field of the line: no tab or line break, never empty.
std::string Field(std::string_view name) {
    std::string field(TrimView(name));
    for (char& c : field) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return field.empty() ? std::string(kUnknown) : field;
}

std::string TimeText(const LockTime& t) {
    const int offset = t.utcOffsetMinutes;
    const int magnitude = offset < 0 ? -offset : offset;
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year,
                  t.month, t.day, t.hour, t.minute, t.second, offset < 0 ? '-' : '+',
                  magnitude / 60, magnitude % 60);
    return text.data();
}

// A whole number of exactly `digits` digits within [low, high].
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t digits, int low,
                          int high) {
    if (at + digits > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// "YYYY-MM-DDTHH:MM:SS+HH:MM" (or "-HH:MM", or "Z" for UTC).
std::optional<LockTime> ParseTime(std::string_view text) {
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto year = Digits(text, 0, 4, 1970, 9999);
    const auto month = Digits(text, 5, 2, 1, 12);
    const auto day = Digits(text, 8, 2, 1, 31);
    const auto hour = Digits(text, 11, 2, 0, 23);
    const auto minute = Digits(text, 14, 2, 0, 59);
    const auto second = Digits(text, 17, 2, 0, 60);
    if (!year || !month || !day || !hour || !minute || !second) {
        return std::nullopt;
    }
    LockTime time{*year, *month, *day, *hour, *minute, *second, 0};
    const std::string_view zone = text.substr(19);
    if (zone == "Z") {
        return time;
    }
    if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':') {
        return std::nullopt;
    }
    const auto zoneHours = Digits(zone, 1, 2, 0, 18);
    const auto zoneMinutes = Digits(zone, 4, 2, 0, 59);
    if (!zoneHours || !zoneMinutes) {
        return std::nullopt;
    }
    time.utcOffsetMinutes = (zone[0] == '-' ? -1 : 1) * (*zoneHours * 60 + *zoneMinutes);
    return time;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

class OperatingSystemLockCalls final : public LockSystem {
  public:
    std::error_code CreateNew(const fs::path& path, std::string_view content) override {
        return CreateNewFile(path, content);
    }

    // A lock file that is no regular file (a pipe, a device) is never opened: it cannot be
    // read, so it is held by "unknown", and the editor or the command goes on at once.
    std::error_code Read(const fs::path& path, std::string& content) override {
        std::error_code error;
        if (fs::symlink_status(path, error).type() == fs::file_type::not_found) {
            return std::make_error_code(std::errc::no_such_file_or_directory);
        }
        auto text = ReadWholeFile(path, kLongestLockFile + 1);
        if (!text) {
            return std::make_error_code(std::errc::permission_denied);
        }
        content = std::move(*text);
        return {};
    }

    std::error_code Remove(const fs::path& path) override {
        std::error_code error;
        fs::remove(path, error);
        return error;
    }

    std::string UserName() override {
#ifdef _WIN32
        std::array<wchar_t, 257> name{}; // UNLEN + 1
        DWORD size = static_cast<DWORD>(name.size());
        return GetUserNameW(name.data(), &size) ? WideToUtf8(name.data()) : std::string(kUnknown);
#else
        std::array<char, 4096> buffer{};
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_name) {
            return found->pw_name;
        }
        for (const char* variable : {"USER", "LOGNAME"}) {
            if (const char* value = std::getenv(variable)) {
                return value;
            }
        }
        return std::string(kUnknown);
#endif
    }

    std::string HostName() override {
#ifdef _WIN32
        // The DNS name without its domain, as a Linux host tells its name.
        std::array<wchar_t, 256> name{};
        DWORD size = static_cast<DWORD>(name.size());
        return GetComputerNameExW(ComputerNameDnsHostname, name.data(), &size)
                   ? WideToUtf8(name.data())
                   : std::string(kUnknown);
#else
        std::array<char, 256> buffer{};
        if (gethostname(buffer.data(), buffer.size() - 1) != 0) {
            return std::string(kUnknown);
        }
        return buffer.data();
#endif
    }

    std::int64_t ProcessId() override {
#ifdef _WIN32
        return _getpid();
#else
        return getpid();
#endif
    }

    bool ProcessRuns(std::int64_t processId) override {
        if (processId <= 0 || processId > INT_MAX) {
            return false;
        }
#ifdef _WIN32
        HANDLE process =
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
        if (!process) {
            // A process of another user may refuse to be opened; it runs all the same.
            return GetLastError() == ERROR_ACCESS_DENIED;
        }
        DWORD exitCode = 0;
        const bool runs = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
        CloseHandle(process);
        return runs;
#else
        // Signal 0 only asks whether the process is there; EPERM: it is, and not ours.
        return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
#endif
    }

    LockTime Now() override {
        const std::time_t now = std::time(nullptr);
        const std::tm local = LocalTime(now);
        LockTime time{local.tm_year + 1900,
                      local.tm_mon + 1,
                      local.tm_mday,
                      local.tm_hour,
                      local.tm_min,
                      local.tm_sec,
                      0};
        // The local clock read as if it were UTC, less the real UTC: the clock's offset.
        time.utcOffsetMinutes = static_cast<int>((UtcSeconds(time) - now) / 60);
        return time;
    }
};

ForeignLock Found(const fs::path& file, std::optional<std::string> text, LockSystem& system) {
    ForeignLock found;
    found.file = file;
    if (text) {
        found.line = std::move(*text);
        found.holder = ParseLockLine(found.line);
    }
    if (found.holder && EqualsNoCase(found.holder->host, system.HostName())) {
        found.onThisHost = true;
        found.ourProcess = found.holder->processId == system.ProcessId();
        found.processEnded = !found.ourProcess && !system.ProcessRuns(found.holder->processId);
    }
    return found;
}

NoLock Refused(const fs::path& file, const std::error_code& error) {
    return {"Cannot create the lock file " + PathText(file) + ": " + error.message() + "."};
}

LockResult CreateLock(const fs::path& file, LockSystem& system) {
    const LockHolder me{system.UserName(), system.HostName(), system.ProcessId(), system.Now()};
    const std::string line = LockLine(me);
    // A lock released between our attempt and our reading it is tried again, a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::error_code created = system.CreateNew(file, line);
        if (!created) {
            return HeldLock{file, line};
        }
        if (created != std::errc::file_exists) {
            return Refused(file, created);
        }
        std::string text;
        const std::error_code read = system.Read(file, text);
        if (read == std::errc::no_such_file_or_directory) {
            continue;
        }
        return Found(file, read ? std::nullopt : std::optional(std::move(text)), system);
    }
    return Found(file, std::nullopt, system);
}

} // namespace

std::error_code CreateNewFile(const fs::path& path, std::string_view content,
                              FileSystemCalls& files) {
    int handle = -1;
    if (const std::error_code error = files.Create(path, handle)) {
        return error;
    }
    std::error_code error = files.Write(handle, content);
    const std::error_code closed = files.Close(handle);
    if (!error) {
        error = closed;
    }
    if (error) {
        files.Remove(path);
    }
    return error;
}

std::int64_t UtcSeconds(const LockTime& t) {
    const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second -
           static_cast<std::int64_t>(t.utcOffsetMinutes) * 60;
}

fs::path LockFilePath(const fs::path& document) {
    const fs::path written = WrittenFile(document);
    fs::path name = kLockFilePrefix;
    name += written.filename();
    return written.parent_path() / name;
}

bool IsLockFileName(const fs::path& path) {
    return path.filename().native().starts_with(fs::path(kLockFilePrefix).native());
}

std::string LockLine(const LockHolder& holder) {
    return Field(holder.user) + '\t' + Field(holder.host) + '\t' +
           std::to_string(holder.processId) + '\t' + TimeText(holder.opened) + "\r\n";
}

std::optional<LockHolder> ParseLockLine(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos &&
        text.find_first_not_of("\r\n", end) != std::string_view::npos) {
        return std::nullopt; // a second line: not a lock file of ours
    }
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() != 4 || TrimView(fields[0]).empty() || TrimView(fields[1]).empty()) {
        return std::nullopt;
    }
    std::int64_t processId = 0;
    const std::string_view id = fields[2];
    const auto [stop, error] = std::from_chars(id.data(), id.data() + id.size(), processId);
    if (error != std::errc() || stop != id.data() + id.size() || processId <= 0) {
        return std::nullopt;
    }
    const std::optional<LockTime> opened = ParseTime(fields[3]);
    if (!opened) {
        return std::nullopt;
    }
    // Blanks at a name's ends are no part of it, as LockLine writes it (and a host compares).
    return LockHolder{std::string(TrimView(fields[0])), std::string(TrimView(fields[1])),
                      processId, *opened};
}

LockSystem& SystemLockCalls() {
    static OperatingSystemLockCalls calls;
    return calls;
}

LockResult LockDocument(const fs::path& document, LockSystem& system) {
    return CreateLock(LockFilePath(document), system);
}

std::optional<ForeignLock> FindLock(const fs::path& document, LockSystem& system) {
    const fs::path file = LockFilePath(document);
    std::string text;
    const std::error_code read = system.Read(file, text);
    if (read == std::errc::no_such_file_or_directory) {
        return std::nullopt;
    }
    return Found(file, read ? std::nullopt : std::optional(std::move(text)), system);
}

LockResult TakeOverLock(const ForeignLock& found, LockSystem& system) {
    std::string text;
    const std::error_code read = system.Read(found.file, text);
    if (!read) {
        if (text != found.line) {
            return Found(found.file, std::move(text), system); // someone else's by now
        }
        if (const std::error_code removed = system.Remove(found.file)) {
            return Refused(found.file, removed);
        }
    } else if (read != std::errc::no_such_file_or_directory) {
        return Found(found.file, std::nullopt, system);
    }
    return CreateLock(found.file, system);
}

void ReleaseLock(const HeldLock& lock, LockSystem& system) {
    std::string text;
    if (!system.Read(lock.file, text) && text == lock.line) {
        system.Remove(lock.file);
    }
}

} // namespace waybill
