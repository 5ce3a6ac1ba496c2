#pragma once
// The date-time value of the files: whole days since 30 December 1899 plus the time of day as a
// fraction, in local time.
#include <chrono>
#include <string>

namespace zep {

struct LocalDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

double to_date_serial(const LocalDateTime& t);
LocalDateTime from_date_serial(double serial);

// The current local date and time as a date-time value.
double now_date_serial();

// "dd.mm.yyyy hh:mm:ss" for dumps and listings; an empty text for 0 (a date not yet reached).
std::string format_date_serial(double serial);

} // namespace zep
