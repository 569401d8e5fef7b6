#include "base/ini_text.h"

#include "base/text_lines.h"

#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One pair of quotes, either kind, around the whole value.
bool Quoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Letter case ignored for single-byte letters only: the trail byte of a double-byte
// character is compared as it is, even where it looks like a letter.
bool SameName(std::string_view a, std::string_view b, const CodePage& codePage) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (codePage.IsLeadByte(x) && i + 1 < a.size()) {
            if (x != y || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(x) != lower(y)) return false;
    }
    return true;
}

// The last "]" that is a character of its own, or npos.
std::size_t LastBracket(std::string_view text, const CodePage& codePage) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ']')
            last = i;
        else if (codePage.IsLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
    }
    return last;
}

enum class Kind { Other, Section, Entry };

// One line of the file: its bytes from `begin` to `end`, its line end up to `next`.
struct Line {
    std::size_t begin, end, next;
    Kind kind = Kind::Other;
    std::string_view name, value;
};

std::vector<Line> Lines(std::string_view file, const CodePage& codePage) {
    std::vector<Line> lines;
    for (std::size_t begin = 0; begin < file.size();) {
        const LineSpan span = LineAt(file, begin);
        Line line{begin, span.end, span.next, Kind::Other, {}, {}};
        const std::string_view text = Trimmed(file.substr(begin, span.end - begin));
        if (!text.empty() && text.front() == '[') {
            const std::string_view inside = text.substr(1);
            line.kind = Kind::Section;
            line.name = Trimmed(inside.substr(0, LastBracket(inside, codePage)));
        } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
            // "=" lies below the trail-byte range: it is always a character of its own.
            line.kind = Kind::Entry;
            line.name = Trimmed(text.substr(0, equals));
            line.value = Trimmed(text.substr(equals + 1));
        }
        lines.push_back(line);
        begin = span.next;
    }
    return lines;
}

// Where a section's lines are: its header, its entries, its last entry.
struct Place {
    const Line* header = nullptr;
    const Line* entry = nullptr; // the key's line, if it has one
    const Line* last = nullptr;  // the header or the section's last entry
};

Place Find(const std::vector<Line>& lines, std::string_view section, std::string_view key,
           const CodePage& codePage) {
    Place place;
    for (const Line& line : lines) {
        if (line.kind == Kind::Section) {
            if (place.header) break;
            if (SameName(line.name, section, codePage)) place.header = place.last = &line;
        } else if (place.header && line.kind == Kind::Entry) {
            place.last = &line;
            if (!place.entry && SameName(line.name, key, codePage)) place.entry = &line;
        }
    }
    return place;
}

} // namespace

std::optional<std::string> IniValue(std::string_view file, std::string_view section,
                                    std::string_view key, const CodePage& codePage) {
    const std::vector<Line> lines = Lines(file, codePage);
    const Place place = Find(lines, section, key, codePage);
    if (!place.entry) return std::nullopt;
    const std::string_view value = place.entry->value;
    return std::string(Quoted(value) ? value.substr(1, value.size() - 2) : value);
}

std::string IniWithValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value, const CodePage& codePage) {
    const std::vector<Line> lines = Lines(file, codePage);
    const Place place = Find(lines, section, key, codePage);
    std::string entry = std::string(key) + "=" + std::string(Trimmed(value));
    std::string result;
    if (place.entry) {
        result.append(file.substr(0, place.entry->begin));
        result += entry;
        result.append(file.substr(place.entry->end));
        return result;
    }
    // After the section's last entry, or a new section at the end of the file.
    const Line* after = place.last ? place.last : (lines.empty() ? nullptr : &lines.back());
    std::string added = place.header ? std::string() : "[" + std::string(section) + "]\r\n";
    added += entry + "\r\n";
    const std::size_t at = after ? after->next : 0;
    result.append(file.substr(0, at));
    if (after && after->next == after->end) result += "\r\n";
    result += added;
    result.append(file.substr(at));
    return result;
}

bool IniKeepsValue(std::string_view value) {
    return value == Trimmed(value) && !Quoted(value) &&
           value.find_first_of("\r\n") == std::string_view::npos;
}

std::string IniWithoutKey(std::string_view file, std::string_view section, std::string_view key,
                          const CodePage& codePage) {
    const std::vector<Line> lines = Lines(file, codePage);
    const Place place = Find(lines, section, key, codePage);
    if (!place.entry) return std::string(file);
    return std::string(file.substr(0, place.entry->begin)) +
           std::string(file.substr(place.entry->next));
}
