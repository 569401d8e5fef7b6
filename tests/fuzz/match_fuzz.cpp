// Extension matching over arbitrary names and pattern lists, against the rules
// carried out literally: copies of the item and the extension from which every
// "?" and the byte at its position are deleted one at a time.
//
// Input: the first line is the file name, every further line one item.
#include "search/match.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cp932.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string Lowered(std::string text) {
    if (!text.empty()) kCp932.Lower(&text[0], text.size());
    return text;
}

class VectorList : public PatternList {
public:
    explicit VectorList(std::vector<std::string> items) : items_(std::move(items)) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override {
        Check(index >= 0 && index < Count());
        return items_[static_cast<std::size_t>(index)];
    }
    int FindExact(const std::string& text) const override {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (Lowered(items_[i]) == Lowered(text)) return static_cast<int>(i);
        return -1;
    }

private:
    std::vector<std::string> items_;
};

bool IsLead(char c) { return kCp932.IsLeadByte(static_cast<unsigned char>(c)); }

bool IsTrail(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// Every lead byte has a trail byte after it: the only kind of name the
// platform's directory listing gives.
bool WellFormed(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!IsLead(name[i])) continue;
        if (i + 1 == name.size() || !IsTrail(name[i + 1])) return false;
        ++i;
    }
    return true;
}

// From the last "." that is a character of its own, lower-cased. In a
// well-formed name that is simply the last "." byte, since no trail byte is a
// "."; a lead byte followed by "." swallows it as its second byte.
std::string LiteralExtension(const std::string& name) {
    std::size_t dot = std::string::npos;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsLead(name[i]) && i + 1 < name.size())
            ++i;
        else if (name[i] == '.')
            dot = i;
    }
    if (WellFormed(name)) Check(dot == name.rfind('.'));
    return dot == std::string::npos ? std::string() : Lowered(name.substr(dot));
}

bool PassesLiterally(const std::string& item, const std::string& e) {
    // Whole item, ignoring case; an empty extension is not searched for.
    if (!e.empty() && Lowered(item) == e) return true;
    // Star: the k-1 bytes before the first "*" (k counted from 1) against the
    // first k-1 bytes of E, byte for byte.
    const std::size_t star = item.find('*');
    if (star != std::string::npos) {
        const std::size_t k = star + 1;
        if (e.size() >= k - 1 && item.compare(0, k - 1, e, 0, k - 1) == 0) return true;
    }
    // Question mark: j is the position of the first "?" in P', counted from 1.
    if (item.find('?') != std::string::npos) {
        std::string p = item;
        std::string q = e;
        for (std::size_t found = p.find('?'); found != std::string::npos; found = p.find('?')) {
            const std::size_t j = found + 1;
            p.erase(j - 1, 1);
            if (q.size() >= j) q.erase(j - 1, 1);
        }
        if (p == q) return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    const std::string name = lines.front();
    const std::vector<std::string> items(lines.begin() + 1, lines.end());

    const std::string e = LiteralExtension(name);
    Check(ExtensionOf(name, kCp932) == e);

    bool any = false;
    for (const std::string& item : items) {
        const bool passes = PassesLiterally(item, e);
        // Each item alone decides the same way, whatever else is in the list.
        Check(MatchesPatterns(name, VectorList({item}), kCp932) == passes);
        any = any || passes;
    }
    Check(MatchesPatterns(name, VectorList(items), kCp932) == any);
    return 0;
}
