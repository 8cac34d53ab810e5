// UTF-8 text: a character is a Unicode code point; positions are 1-based.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vcl {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the character at byte offset `pos` and moves `pos` past it. Invalid, overlong,
// surrogate or truncated sequences give U+FFFD and consume one byte; never reads past the
// end (at the end it returns U+FFFD without moving).
char32_t Utf8Decode(std::string_view s, std::size_t& pos);
// Appends the UTF-8 form of `cp` (U+FFFD for surrogates and values above U+10FFFF).
void Utf8Append(std::string& out, char32_t cp);
std::string Utf8Encode(char32_t cp);
std::u32string Utf8ToCodePoints(std::string_view s);
std::string CodePointsToUtf8(std::u32string_view cps);
// Byte offset where character `index` (0-based) starts; s.size() when past the end.
std::size_t Utf8ByteOffset(std::string_view s, std::size_t index);

int Length(std::string_view s);                       // characters
std::string Copy(std::string_view s, int index, int count = 0x7FFFFFFF);  // by characters
std::string LeftStr(std::string_view s, int count);   // first `count` characters
std::string RightStr(std::string_view s, int count);  // last `count` characters
std::string MidStr(std::string_view s, int index, int count);
void Delete(std::string& s, int index, int count);    // characters index..index+count-1
void Insert(std::string_view sub, std::string& s, int index);
int Pos(std::string_view sub, std::string_view s);    // character position, 0 when absent
int PosEx(std::string_view sub, std::string_view s, int offset = 1);
char32_t CharAt(std::string_view s, int index);       // 0 when index is out of range

std::string StringOfChar(char32_t ch, int count);

}  // namespace vcl
