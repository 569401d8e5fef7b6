// Standard output and error of a program of the window subsystem: the handles it
// inherited (a file, a pipe), or else the console of the program that started it.
#pragma once
#include <string_view>

enum class StdStream { Output, Error };

// Writes the text: as UTF-16 to a console, as UTF-8 to a file or a pipe. Nothing
// when there is nowhere to write.
void WriteStd(StdStream stream, std::u16string_view text);
