#pragma once

#include <ctime>

namespace waybill {

// `time` as the calendar date and time of the computer's time zone. Safe to call from any
// thread, unlike std::localtime.
std::tm LocalTime(std::time_t time);

} // namespace waybill
