// The system's clock, and its time zone read at the moment asked about.
#pragma once
#include "base/local_time.h"

#include <cstdint>

// The FILETIME count (UTC) as the local time of the system's time zone, with the offset
// in force at that moment (daylight saving included). UTC itself, "+00:00", when the
// system cannot convert it: a true time either way.
LocalTime LocalTimeAt(std::uint64_t fileTime);

// The system's time now, as a FILETIME count (UTC).
std::uint64_t SystemTimeNow();
