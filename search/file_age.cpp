#include "search/file_age.h"

bool OlderThanDays(std::uint64_t lastWrite, std::uint64_t runStart, unsigned days) {
    if (days == 0) return true;
    return lastWrite != 0 && lastWrite < runStart && runStart - lastWrite > days * kFileTimePerDay;
}
