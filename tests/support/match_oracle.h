// The matching rules carried out literally, the oracle of the native test and the
// fuzzer of the matcher: copies of the item and the extension from which each "?" and
// the byte at its position are deleted one at a time. An extension without a whole
// byte form takes part in the "*" test only.
#pragma once
#include "search/match.h"
#include "support/pattern_list.h"

#include <string>

inline bool LiteralMatch(const std::string& item, const Extension& extension) {
    const std::string& e = extension.bytes;
    // Star: the bytes before the first "*" against as many leading bytes of the
    // extension, byte for byte; only known bytes can be compared.
    const std::size_t k = item.find('*');
    if (k != std::string::npos && e.size() >= k && e.compare(0, k, item, 0, k) == 0) return true;
    // Whole item and question mark need every byte of the extension.
    if (!extension.whole) return false;
    if (!e.empty() && Lowered(item) == e) return true;
    if (item.find('?') == std::string::npos) return false;
    std::string p = item;
    std::string q = e;
    for (std::size_t j = p.find('?'); j != std::string::npos; j = p.find('?')) {
        p.erase(j, 1);
        if (q.size() > j) q.erase(j, 1);
    }
    return p == q;
}
