#pragma once

#include "app/SessionClock.h"

namespace waybill {

// Dates and times in the system locale's short forms.
class QtClock : public SessionClock {
  public:
    std::string Today() const override;
    std::string TimeOfDay() const override;
    std::string FileTime(std::filesystem::file_time_type time) const override;
};

} // namespace waybill
