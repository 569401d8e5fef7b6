// The unattended command line over arbitrary arguments: it never fails to decide,
// names a problem by one of the arguments, and what it accepts is a runnable request
// whose patterns are in the editor's form and whose days are in range. A /fromlist or
// /log file, once read, is one of the arguments, whatever comes after it.
//
// Input: UTF-16LE units; a NUL unit separates the arguments.
#include "app/command_line.h"
#include "app/typed_pattern.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/fuzz_check.h"
#include "support/native_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> args = Utf16Parts(data, size);

    const ParsedCommand parsed = ParseCommandLine(args, kCp932);
    for (const std::optional<std::u16string>* file :
         {&parsed.request.fromList, &parsed.request.log})
        Check(!*file || std::find(args.begin(), args.end(), **file) != args.end());
    switch (parsed.problem) {
    case CommandProblem::None: {
        const UnattendedRequest& request = parsed.request;
        Check(request.olderThanDays <= kMaxOlderThanDays);
        if (request.patterns) {
            Check(!request.patterns->empty());
            for (const std::string& pattern : *request.patterns) {
                Check(pattern.size() >= 2 && pattern[0] == '.');
                // Already in the editor's form: making it again changes nothing.
                Check(TypedPattern(Cp932ToUtf16(pattern), kCp932) == pattern);
            }
        }
        break;
    }
    case CommandProblem::NoAction:
        Check(parsed.subject.empty());
        break;
    default:
        // The problem names what was given.
        Check(std::find(args.begin(), args.end(), parsed.subject) != args.end());
        break;
    }
    return 0;
}
