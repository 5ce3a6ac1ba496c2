#include "common/date_time.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace zep {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
long long days_from_civil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civil_from_days(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const long long kEpochDays = days_from_civil(1899, 12, 30);

} // namespace

double to_date_serial(const LocalDateTime& t) {
    double days = static_cast<double>(days_from_civil(t.year, t.month, t.day) - kEpochDays);
    double ms = ((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond;
    return days + ms / 86400000.0;
}

LocalDateTime from_date_serial(double serial) {
    LocalDateTime t;
    double whole = std::floor(serial);
    long long msOfDay = std::llround((serial - whole) * 86400000.0);
    long long days = static_cast<long long>(whole);
    if (msOfDay >= 86400000) {
        msOfDay -= 86400000;
        ++days;
    }
    civil_from_days(days + kEpochDays, t.year, t.month, t.day);
    t.millisecond = static_cast<int>(msOfDay % 1000);
    long long s = msOfDay / 1000;
    t.second = static_cast<int>(s % 60);
    t.minute = static_cast<int>(s / 60 % 60);
    t.hour = static_cast<int>(s / 3600);
    return t;
}

double now_date_serial() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t tt = system_clock::to_time_t(now);
    std::tm lt{};
    localtime_r(&tt, &lt);
    LocalDateTime t{lt.tm_year + 1900,
                    lt.tm_mon + 1,
                    lt.tm_mday,
                    lt.tm_hour,
                    lt.tm_min,
                    lt.tm_sec,
                    static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000)};
    return to_date_serial(t);
}

std::string format_date_serial(double serial) {
    if (serial == 0.0)
        return {};
    LocalDateTime t = from_date_serial(serial);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute,
                  t.second);
    return buf;
}

} // namespace zep
