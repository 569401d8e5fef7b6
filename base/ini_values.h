// How the INI accessor turns stored text into numbers and truth values and back.
#pragma once
#include <string>

// Leading blanks, an optional sign, then decimal digits or "$" and hex digits;
// a leading "0x"/"0X" in text longer than 2 counts as "$". Decimal must fit a
// signed 32-bit int; hex may give any 32-bit pattern ("$FFFFFFFF" is -1).
// Anything else, the empty text included, gives defaultValue.
int IniTextToInt(const std::string& text, int defaultValue);

// True exactly when the text reads as a non-zero integer, defaulting to 1 or 0.
bool IniTextToBool(const std::string& text, bool defaultValue);

std::string IniIntToText(int value);

// "1" or "0".
std::string IniBoolToText(bool value);

// A hexadecimal digit's value, either letter case; -1 for any other character.
int HexDigit(char c);
