#include "app/SessionClock.h"

#include "platform/LocalTime.h"

#include <chrono>
#include <ctime>

namespace waybill {
namespace {

std::string Format(std::time_t time, const char* format) {
    const std::tm local = LocalTime(time);
    char text[64] = {};
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

std::time_t Now() {
    return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
}

} // namespace

std::string SystemClock::Today() const {
    return Format(Now(), "%x");
}

std::string SystemClock::TimeOfDay() const {
    return Format(Now(), "%H:%M:%S");
}

std::string SystemClock::FileTime(std::filesystem::file_time_type time) const {
    const auto system = std::chrono::file_clock::to_sys(time);
    return Format(std::chrono::system_clock::to_time_t(system), "%x %H:%M");
}

} // namespace waybill
