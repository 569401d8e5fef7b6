#include "app/command_line.h"

#include "platform/exact_path.h"

namespace {

// ASCII letters lower-cased: option names are plain ASCII.
std::u16string AsciiLower(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

// The option's name without its "/" or "-", lower-cased; empty for a plain argument.
std::u16string OptionName(const std::u16string& arg) {
    if (arg.size() < 2 || (arg[0] != u'/' && arg[0] != u'-')) return std::u16string();
    return AsciiLower(arg.substr(1));
}

// A whole number of days in plain digits, at most kMaxOlderThanDays; none for anything
// else, a sign included.
std::optional<unsigned> DaysOf(const std::u16string& text) {
    if (text.empty()) return std::nullopt;
    unsigned days = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        days = days * 10 + static_cast<unsigned>(c - u'0');
        if (days > kMaxOlderThanDays) return std::nullopt;
    }
    return days;
}

} // namespace

bool IsAbsolutePath(const std::u16string& path) {
    const auto separator = [](char16_t c) { return c == u'\\' || c == u'/'; };
    const bool letter = path.size() >= 3 && ((path[0] >= u'A' && path[0] <= u'Z') ||
                                             (path[0] >= u'a' && path[0] <= u'z'));
    if (letter && path[1] == u':' && separator(path[2])) return true;
    return path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
}

std::string PatternFromTyped(const std::string& typed, const CodePage& codePage) {
    if (typed.empty() || typed == ".") return std::string();
    // A "." that is the second byte of a character cannot be: trail bytes start at 0x40.
    std::string pattern = typed[0] == '.' ? typed : "." + typed;
    codePage.Lower(&pattern[0], pattern.size());
    return pattern;
}

ParsedCommand ParseCommandLine(const std::vector<std::u16string>& args, const CodePage& codePage) {
    ParsedCommand parsed;
    const auto fail = [&parsed](CommandProblem problem, std::u16string subject) {
        parsed.problem = problem;
        parsed.subject = std::move(subject);
        return parsed;
    };
    bool haveAction = false, haveAge = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        const std::u16string name = OptionName(arg);
        if (name == u"?" || name == u"help") return fail(CommandProblem::Help, arg);
        const bool list = name == u"list", trash = name == u"trash", remove = name == u"delete";
        if (list || trash || remove) {
            if (haveAction) return fail(CommandProblem::TwoActions, arg);
            haveAction = true;
            parsed.request.action = list    ? UnattendedAction::List
                                    : trash ? UnattendedAction::Trash
                                            : UnattendedAction::Delete;
        } else if (name == u"subfolders" || name == u"nosubfolders") {
            const bool on = name == u"subfolders";
            if (parsed.request.subfolders && *parsed.request.subfolders != on)
                return fail(CommandProblem::BothSubfolderOptions, arg);
            parsed.request.subfolders = on;
        } else if (name == u"summary") {
            parsed.request.summary = true;
        } else if (name == u"olderthan") {
            if (haveAge) return fail(CommandProblem::TwoAges, arg);
            haveAge = true;
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            const std::optional<unsigned> days = DaysOf(args[++i]);
            if (!days) return fail(CommandProblem::BadDays, args[i]);
            parsed.request.olderThanDays = *days;
        } else if (name == u"fromlist" || name == u"log") {
            const bool log = name == u"log";
            std::optional<std::u16string>& file =
                log ? parsed.request.log : parsed.request.fromList;
            if (file) return fail(log ? CommandProblem::TwoLogs : CommandProblem::TwoLists, arg);
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            file = args[++i];
        } else if (name == u"folder" || name == u"pattern") {
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            const std::u16string& value = args[++i];
            if (name == u"folder") {
                // The shell's request documents neither device form.
                if (IsDevicePath(value)) return fail(CommandProblem::DeviceFolder, value);
                if (!IsAbsolutePath(value)) return fail(CommandProblem::RelativeFolder, value);
                parsed.request.folder = value;
                continue;
            }
            std::string bytes;
            if (codePage.FromUtf16(value.data(), value.size(), bytes) != value.size())
                return fail(CommandProblem::PatternNotText, value);
            const std::string pattern = PatternFromTyped(bytes, codePage);
            if (pattern.empty()) return fail(CommandProblem::EmptyPattern, value);
            if (!parsed.request.patterns) parsed.request.patterns.emplace();
            parsed.request.patterns->push_back(pattern);
        } else {
            return fail(CommandProblem::UnknownOption, arg);
        }
    }
    if (!haveAction) return fail(CommandProblem::NoAction, std::u16string());
    return parsed;
}
