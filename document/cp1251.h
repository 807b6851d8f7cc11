#pragma once
// Code page 1251, the encoding of every text the program reads and writes.
// Document text stays in cp1251 bytes; these conversions are for the window
// boundary and for the program's own words written into files.

#include <optional>
#include <string>
#include <string_view>

namespace verstak {

// U+FFFD for 0x98, the one byte the code page leaves unassigned.
char32_t Cp1251ToUnicode(unsigned char byte);
// nullopt when cp1251 cannot hold the character.
std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view cp1251);
// The same onto the end of `out`, for callers that build one long text.
void AppendCp1251AsUtf8(std::string& out, std::string_view cp1251);
// Characters cp1251 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToCp1251(std::string_view utf8);
std::string CodePointsToCp1251(std::u32string_view codePoints);

}  // namespace verstak
