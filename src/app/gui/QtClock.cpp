#include "app/gui/QtClock.h"

#include "platform/gui/QtText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace waybill {

std::string QtClock::Today() const {
    return ToCp1252(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtClock::TimeOfDay() const {
    return ToCp1252(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

std::string QtClock::FileTime(std::filesystem::file_time_type time) const {
    const auto system = std::chrono::file_clock::to_sys(time);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch());
    return ToCp1252(QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds.count()),
                                               QLocale::ShortFormat));
}

} // namespace waybill
