// The grep filter's dialect in the corners where regular-expression engines differ: stacked
// operators, a "{" that starts no count, unknown escapes, bytes rather than characters,
// ASCII-only case folding, the ends of the text, and the error texts with their positions.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "replist/Zyn_ReportListView.h"

using namespace zyn;

namespace {

bool G(std::string_view Expr, std::string_view Text, bool Icase = false) {
    TRLFilter f(Expr, fmGrep, Icase);
    const std::vector<std::string_view> texts{Text};
    return f.Matches(texts);
}

std::string ErrorOf(std::string_view Expr) {
    try {
        TRLFilter f(Expr, fmGrep, false);
    } catch (const EZynRepListError& e) {
        return e.what();
    }
    return {};
}

TEST(RLRegexDialect, StackedOperatorsAndLiteralBraces) {
    EXPECT_TRUE(G("^ab*+c$", "ac"));
    EXPECT_TRUE(G("^ab*+c$", "abbbc"));
    EXPECT_TRUE(G("^a++$", "aaa"));
    EXPECT_FALSE(G("^a++$", ""));
    EXPECT_TRUE(G("^x?*$", ""));
    EXPECT_TRUE(G("^(ab){2}*$", "abababab"));
    EXPECT_TRUE(G("^(?:ab)+$", "abab"));
    EXPECT_TRUE(G("^a{$", "a{"));
    EXPECT_TRUE(G("^a{x}$", "a{x}"));
    EXPECT_TRUE(G("^a{,2}$", "a{,2}"));
    EXPECT_TRUE(G("^a{2}$", "aa"));
    EXPECT_FALSE(G("^a{2}$", "a"));
    EXPECT_TRUE(G("^a{1,2}b}$", "aab}"));
    EXPECT_TRUE(G("^]$", "]"));
    EXPECT_TRUE(G("^[]a]+$", "]a]"));
    EXPECT_TRUE(G("^[a\\-z]+$", "a-z"));
}

TEST(RLRegexDialect, EscapesBytesAndTheEnds) {
    EXPECT_TRUE(G("^\\q\\%$", "q%"));
    EXPECT_TRUE(G("a\\.b", "a.b"));
    EXPECT_FALSE(G("a\\.b", "axb"));
    EXPECT_TRUE(G("a\\tb", "a\tb"));
    EXPECT_TRUE(G("[\\d]\\s\\w", "1 x"));
    EXPECT_FALSE(G("\\D", "123"));
    EXPECT_FALSE(G("a.b", "a\nb"));
    EXPECT_TRUE(G("a[^x]b", "a\nb"));
    // Byte-wise: "é" is two bytes in UTF-8.
    EXPECT_TRUE(G("^.{2}$", "\xC3\xA9"));
    EXPECT_TRUE(G("^caf\xC3\xA9$", "caf\xC3\xA9"));
    EXPECT_TRUE(G("^[\x80-\xff]+$", "\xC3\xA9"));
    // "$" is the end of the text only, "^" its start.
    EXPECT_FALSE(G("b$", "b\n"));
    EXPECT_FALSE(G("^b", "a\nb"));
    EXPECT_TRUE(G("x|^$", ""));
    EXPECT_TRUE(G("a*", ""));
}

TEST(RLRegexDialect, IgnoringCaseFoldsAsciiLettersOnly) {
    EXPECT_TRUE(G("HeLLo", "say hello", true));
    EXPECT_TRUE(G("^[a-c]+$", "ABC", true));
    EXPECT_TRUE(G("^[A-C]+$", "abc", true));
    EXPECT_FALSE(G("[^a]", "A", true));
    EXPECT_FALSE(G("[^a]", "aA", true));
    EXPECT_TRUE(G("\\W", "A-", true));
    // "É" and "é" differ in a byte that is no ASCII letter: no match.
    EXPECT_FALSE(G("\xC3\xA9", "\xC3\x89", true));
    EXPECT_FALSE(G("hello", "HELLO", false));
}

TEST(RLRegexDialect, ErrorsSayWhatAndWhere) {
    EXPECT_EQ(ErrorOf("ab)"), "invalid regular expression \"ab)\": unbalanced \")\" at position 3");
    EXPECT_EQ(ErrorOf("(ab"), "invalid regular expression \"(ab\": missing \")\" at position 4");
    EXPECT_EQ(ErrorOf("*a"), "invalid regular expression \"*a\": nothing to repeat at position 2");
    EXPECT_EQ(ErrorOf("a|+"), "invalid regular expression \"a|+\": nothing to repeat at position 4");
    EXPECT_EQ(ErrorOf("[abc"), "invalid regular expression \"[abc\": missing \"]\" at position 5");
    EXPECT_EQ(ErrorOf("a\\"), "invalid regular expression \"a\\\": trailing backslash at position 3");
    EXPECT_EQ(ErrorOf("[z-a]"), "invalid regular expression \"[z-a]\": range out of order at position 5");
    EXPECT_EQ(ErrorOf("x{3,1}"), "invalid regular expression \"x{3,1}\": repeat range out of order at position 2");
    EXPECT_EQ(ErrorOf("a{2000}"), "invalid regular expression \"a{2000}\": repeat count above 1000 at position 2");
    EXPECT_EQ(ErrorOf("a{1000}b"), "");
}

}  // namespace
