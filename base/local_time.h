// A moment as a person reads it where the run happened: the local calendar time and
// how far that is from UTC, as the system's time zone gave both.
#pragma once
#include <string>

struct LocalTime {
    int year = 1601, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int offsetMinutes = 0; // local minus UTC: +540 in Japan, -300 in New York in winter
};

// ISO 8601 with the offset, to the second: "2026-12-09T23:45:40+09:00", "…-03:30";
// UTC itself is "+00:00".
std::string IsoLocalTime(const LocalTime& time);
