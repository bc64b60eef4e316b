#pragma once

#include <filesystem>
#include <string>

namespace waybill {

// Dates and times as the session writes them into documents and messages, in the forms the
// user reads. The editor gives its locale's short forms; SystemClock serves everyone else.
class SessionClock {
  public:
    virtual ~SessionClock() = default;

    // Today's date in the short date form (a new document's date).
    virtual std::string Today() const = 0;
    // The time of day as "HH:mm:ss".
    virtual std::string TimeOfDay() const = 0;
    // When a file was written, as short date and time.
    virtual std::string FileTime(std::filesystem::file_time_type time) const = 0;
};

// The C library's forms in the program's locale.
class SystemClock : public SessionClock {
  public:
    std::string Today() const override;
    std::string TimeOfDay() const override;
    std::string FileTime(std::filesystem::file_time_type time) const override;
};

} // namespace waybill
