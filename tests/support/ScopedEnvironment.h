#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace waybill::test {

// An environment variable naming a folder for a test's time, as it was afterwards. The process
// and the programs it starts see it (on Windows through the wide environment, so a name
// outside the ANSI code page survives).
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::filesystem::path& value) : name_(name) {
#ifdef _WIN32
        if (const wchar_t* old = _wgetenv(Wide().c_str())) {
            old_ = old;
        }
        _wputenv_s(Wide().c_str(), value.c_str());
#else
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
#endif
    }
    ~ScopedEnvironment() {
#ifdef _WIN32
        _wputenv_s(Wide().c_str(), old_ ? old_->c_str() : L"");
#else
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
#endif
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
#ifdef _WIN32
    std::wstring Wide() const { return std::wstring(name_.begin(), name_.end()); }
    std::optional<std::wstring> old_;
#else
    std::optional<std::string> old_;
#endif
    std::string name_;
};

} // namespace waybill::test
