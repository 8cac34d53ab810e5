// UTF-8 helpers: characters are code points, positions are 1-based, invalid bytes never
// crash and are kept.
#include <gtest/gtest.h>

#include "platform/SysUtils.h"

using namespace vcl;

TEST(Utf8, DecodeMapsInvalidSequencesToReplacementWithoutOverreading) {
    const struct { std::string bytes; std::u32string expected; } cases[] = {
        {"a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", U"a\u00E4\u20AC\U0001F600"},
        {"\x80", U"\uFFFD"},                           // stray continuation byte
        {"\xC3", U"\uFFFD"},                           // truncated at the end
        {"\xE2\x82", U"\uFFFD\uFFFD"},                 // truncated three-byte sequence
        {"\xC0\xAF", U"\uFFFD\uFFFD"},                 // overlong '/'
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},       // surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xFF" "a", U"\uFFFDa"},
        {"\xC3" "a", U"\uFFFDa"},                      // lead byte followed by ASCII
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCodePoints(c.bytes), c.expected);
    // Decoding from a view that ends inside a sequence stops at the view's end.
    const std::string full = "x\xE2\x82\xAC";
    std::size_t pos = 1;
    EXPECT_EQ(Utf8Decode(std::string_view(full).substr(0, 3), pos), kReplacementChar);
    EXPECT_EQ(pos, 2u);
    pos = 4;
    EXPECT_EQ(Utf8Decode(full, pos), kReplacementChar);
    EXPECT_EQ(pos, 4u);
}

TEST(Utf8, EncodeRoundTripsAndRejectsSurrogates) {
    for (char32_t c : {U'\u0041', U'\u00FF', U'\u0800', U'\uFFFF', U'\U00010000', U'\U0010FFFF'}) {
        std::size_t pos = 0;
        const std::string s = Utf8Encode(c);
        EXPECT_EQ(Utf8Decode(s, pos), c);
        EXPECT_EQ(pos, s.size());
    }
    EXPECT_EQ(Utf8Encode(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8Encode(0x110000), "\xEF\xBF\xBD");
}

TEST(Utf8, CharacterPositions) {
    const std::string s = "Grüße, 世界!";
    EXPECT_EQ(Length(s), 10);
    EXPECT_EQ(Copy(s, 3, 3), "üße");
    EXPECT_EQ(Copy(s, 8, 100), "世界!");
    EXPECT_EQ(Copy(s, 0, 2), "Gr");
    EXPECT_EQ(Copy(s, 11, 2), "");
    EXPECT_EQ(Copy(s, 2, -1), "");
    EXPECT_EQ(LeftStr(s, 4), "Grüß");
    EXPECT_EQ(RightStr(s, 3), "世界!");
    EXPECT_EQ(Pos("ße", s), 4);
    EXPECT_EQ(Pos("界", s), 9);
    EXPECT_EQ(Pos("x", s), 0);
    EXPECT_EQ(PosEx("e", "eee", 2), 2);
    EXPECT_EQ(CharAt(s, 8), U'世');
    EXPECT_EQ(CharAt(s, 11), 0u);
    std::string t = s;
    Delete(t, 3, 2);
    EXPECT_EQ(t, "Gre, 世界!");
    Insert("ö", t, 3);
    EXPECT_EQ(t, "Gröe, 世界!");
    EXPECT_EQ(StringOfChar(U'─', 3), "───");
    EXPECT_EQ(StringOfChar('-', 0), "");
}

TEST(Utf8, InvalidBytesCountAsOneCharacterAndAreKept) {
    const std::string s = "a\xFF" "b\xC3";
    EXPECT_EQ(Length(s), 4);
    EXPECT_EQ(Copy(s, 2, 2), "\xFF" "b");
    EXPECT_EQ(Pos("b", s), 3);
    EXPECT_EQ(AnsiUpperCase(s), "A\xFF" "B\xC3");
    EXPECT_EQ(RightStr(s, 1), "\xC3");
}

TEST(Text, CaseMapping) {
    EXPECT_EQ(UpperCase("abc äöü"), "ABC äöü");  // ASCII only
    EXPECT_EQ(LowerCase("ABC ÄÖÜ"), "abc ÄÖÜ");
    EXPECT_EQ(AnsiUpperCase("grüße àÿ ĳ œ ł αβγ ς жё"), "GRÜßE ÀŸ Ĳ Œ Ł ΑΒΓ Σ ЖЁ");
    EXPECT_EQ(AnsiLowerCase("GRÜSSE ÀŸ Ĳ Œ Ł ΑΒΓ ЖЁ"), "grüsse àÿ ĳ œ ł αβγ жё");
    EXPECT_EQ(AnsiUpperCase("×÷µ"), "×÷µ");
}

TEST(Text, TrimAndCompare) {
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x \x01"), "  x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_TRUE(SameText("Hello", "hELLO"));
    EXPECT_FALSE(SameText("Hello", "Hell"));
    EXPECT_EQ(CompareText("abc", "ABD"), 'C' - 'D');
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_LT(CompareStr("B", "a"), 0);
    // Linguistic order: base letters first, then accents, then case (lower first).
    EXPECT_LT(AnsiCompareStr("a", "B"), 0);
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_LT(AnsiCompareStr("résumé", "resumes"), 0);
    EXPECT_LT(AnsiCompareStr("resume", "résumé"), 0);
    EXPECT_EQ(AnsiCompareStr("Ärger", "Ärger"), 0);
    EXPECT_EQ(AnsiCompareText("ÄRGER", "ärger"), 0);
    EXPECT_TRUE(AnsiSameText("ÖL", "öl"));
}

TEST(Text, ReplaceAndQuote) {
    EXPECT_EQ(StringReplace("a.b.c", ".", "::", {}), "a::b.c");
    EXPECT_EQ(StringReplace("a.b.c", ".", "::", {rfReplaceAll}), "a::b::c");
    EXPECT_EQ(StringReplace("Straße STRASSE", "straße", "X", {rfReplaceAll, rfIgnoreCase}), "X STRASSE");
    EXPECT_EQ(StringReplace("ÄbcäBC", "äbc", "-", {rfReplaceAll, rfIgnoreCase}), "--");
    EXPECT_EQ(StringReplace("aaa", "aa", "b", {rfReplaceAll}), "ba");
    EXPECT_EQ(StringReplace("abc", "", "x", {rfReplaceAll}), "abc");
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
}

TEST(Utf8, RandomBytesSplitAndJoinLosslessly) {
    // Whatever the bytes, copying by character positions loses and invents nothing, and the
    // character count agrees with the decoder.
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    const char alphabet[] = "a\x80\xBF\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xED\xFF";
    for (int round = 0; round < 300; ++round) {
        std::string s;
        const int len = static_cast<int>(next() % 12);
        for (int i = 0; i < len; ++i) s.push_back(alphabet[next() % (sizeof alphabet - 1)]);
        const int n = Length(s);
        ASSERT_EQ(static_cast<std::size_t>(n), Utf8ToCodePoints(s).size());
        for (int k = 0; k <= n; ++k) {
            ASSERT_EQ(Copy(s, 1, k) + Copy(s, k + 1, n), s);
            ASSERT_EQ(LeftStr(s, k) + RightStr(s, n - k), s);
        }
        // The re-encoded text is valid UTF-8 with the same number of characters.
        const std::string clean = CodePointsToUtf8(Utf8ToCodePoints(s));
        ASSERT_EQ(Length(clean), n);
        ASSERT_EQ(Utf8ToCodePoints(clean), Utf8ToCodePoints(s));
    }
}
