// String utilities shared by the components.
//
// Every length and position here counts characters, that is Unicode code points of the UTF-8
// text, never bytes (the runtime's UTF-8 functions decide what a character is); positions are
// 1-based as the components use them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyn {

/// S cut to at most MaxChars characters: the rule of the package's short strings (names of
/// 50, formats of 80, cells of 255 characters).
std::string ShortString(std::string_view S, int MaxChars);

/// Exactly N characters: S cut after N characters or padded with blanks. N <= 0 gives "".
std::string LeftString(std::string_view S, int N);

/// S with Ch appended unless it already ends with Ch.
std::string EnsureTrailingChar(char32_t Ch, std::string_view S);
/// S with a trailing backslash appended unless it already ends with one.
std::string EnsureTrailingBkSlash(std::string_view S);

/// S without the run of Ch at its start (or end).
std::string StripLeadingChars(char32_t Ch, std::string_view S);
std::string StripTrailingChars(char32_t Ch, std::string_view S);

/// S without the C0 control characters (1..31) and DEL (127); NUL is removed too.
std::string RemoveControlChars(std::string_view S);

/// S with every OldCh replaced by NewCh.
std::string ReplaceCharInString(std::string_view S, char32_t OldCh, char32_t NewCh);

/// Position (1-based, in characters) of the N-th occurrence of Sub in S that starts at or after
/// character position Start; 0 when there is none, when Sub is empty or when N < 1. With
/// MatchCase false, ASCII letters are compared without regard to case. Occurrences do not
/// overlap: counting goes on after the end of the previous one.
int NumberedPos(std::string_view Sub, std::string_view S, int Start, int N, bool MatchCase);

/// Splits S at every Delimiter into Tokens (cleared first) and returns their number. A
/// delimiter at the end gives an empty last token, which is counted ("C:\" split at '\' gives
/// "C:" and ""); an empty S gives no tokens.
int Tokenize(std::string_view S, char32_t Delimiter, std::vector<std::string>& Tokens);

/// Value in fixed-point notation with Decimals decimals (negative counts as 0), right-aligned
/// in at least Width characters (padded with blanks on the left): the runtime's Str(x:w:d).
std::string strff(double Value, int Width, int Decimals);

}  // namespace zyn
