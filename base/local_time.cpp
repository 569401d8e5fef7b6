#include "base/local_time.h"

#include <cstdio>
#include <cstdlib>

std::string IsoLocalTime(const LocalTime& time) {
    const int offset = std::abs(time.offsetMinutes);
    char text[96]; // room for any int, so no value is ever cut
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, time.second,
                  time.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}
