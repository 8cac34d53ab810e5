// Strings: case mapping, trimming, comparison (plain and by the framework's collation),
// replacing and quoting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/Sets.h"

namespace vcl {

std::string UpperCase(std::string_view s);      // ASCII letters only
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);  // ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic
std::string AnsiLowerCase(std::string_view s);
char32_t CharUpper(char32_t c);
char32_t CharLower(char32_t c);

std::string Trim(std::string_view s);       // removes characters <= ' ' at both ends
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

int CompareStr(std::string_view a, std::string_view b);    // byte order (= code point order)
int CompareText(std::string_view a, std::string_view b);   // ASCII case-insensitive
bool SameText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);   // letters first by base letter, then accents, then case (lower first)
int AnsiCompareText(std::string_view a, std::string_view b);  // same, ignoring case
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);

enum TReplaceFlag : std::uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags);
std::string QuotedStr(std::string_view s);                 // 'it''s'
std::string AnsiQuotedStr(std::string_view s, char quote);
std::string AnsiDequotedStr(std::string_view s, char quote);  // s itself when not quoted

}  // namespace vcl
