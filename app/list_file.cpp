#include "app/list_file.h"

std::vector<std::string> ParseListFile(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> items;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        items.emplace_back(bytes.substr(start, i - start));
        ++i;
        if (c == '\r' && i < bytes.size() && bytes[i] == '\n') ++i;
        start = i;
    }
    if (start < bytes.size()) items.emplace_back(bytes.substr(start));
    return items;
}

std::string FormatListFile(const std::vector<std::string>& items) {
    std::size_t size = 0;
    for (const std::string& item : items)
        size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items) {
        text += item;
        text += "\r\n";
    }
    return text;
}
