// String, path and table helpers of the base library.
#include <gtest/gtest.h>

#include <set>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"

using namespace zyn;

TEST(LeftString, CutsAndPadsByCharactersNotBytes) {
    EXPECT_EQ(LeftString("Grüße", 3), "Grü");
    EXPECT_EQ(LeftString("Grüße", 7), "Grüße  ");
    EXPECT_EQ(vcl::Length(LeftString("€€€€", 2)), 2);
    EXPECT_EQ(LeftString("€€€€", 2), "€€");
    EXPECT_EQ(LeftString("abc", 0), "");
    EXPECT_EQ(LeftString("", 2), "  ");
}

TEST(ShortString, CutsToTheCharacterLimit) {
    std::string fifty(60, 'x');
    EXPECT_EQ(ShortString(fifty, 50).size(), 50u);
    EXPECT_EQ(ShortString("äöü", 2), "äö");
    EXPECT_EQ(ShortString("abc", 10), "abc");
}

TEST(Tokenize, TrailingDelimiterGivesCountedEmptyPiece) {
    std::vector<std::string> t;
    ASSERT_EQ(Tokenize("C:\\Windows\\", U'\\', t), 3);
    EXPECT_EQ(t[0], "C:");
    EXPECT_EQ(t[1], "Windows");
    EXPECT_EQ(t[2], "");
    ASSERT_EQ(Tokenize("C:\\", U'\\', t), 2);
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(Tokenize("a;;b", U';', t), 3);
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(Tokenize("no delimiter", U';', t), 1);
    EXPECT_EQ(Tokenize("", U';', t), 0);
    EXPECT_TRUE(t.empty());
    ASSERT_EQ(Tokenize("x·y", U'·', t), 2);
    EXPECT_EQ(t[1], "y");
}

TEST(NumberedPos, AsTheCallersUseIt) {
    // The second double quote counted from the position of id=" is the closing one.
    const std::string line = "<replist zynwidget id=\" sales \">";
    const int p = vcl::Pos("id=\"", line);
    ASSERT_GT(p, 0);
    const int close = NumberedPos("\"", line, p, 2, false);
    EXPECT_EQ(close, int(line.find('"', line.find('"') + 1)) + 1);
    // The next point after a given one.
    EXPECT_EQ(NumberedPos(".", "1.2.3", 3, 1, true), 4);
    EXPECT_EQ(NumberedPos(".", "1.23", 3, 1, true), 0);
    // Positions count characters.
    EXPECT_EQ(NumberedPos(".", "ää.", 1, 1, true), 3);
    EXPECT_EQ(NumberedPos("", "abc", 1, 1, true), 0);
    EXPECT_EQ(NumberedPos("a", "abc", 1, 0, true), 0);
    EXPECT_EQ(NumberedPos("B", "abcb", 1, 2, false), 4);
    EXPECT_EQ(NumberedPos("B", "abcb", 1, 1, true), 0);
}

TEST(StringHelpers, TrailingLeadingAndReplacements) {
    EXPECT_EQ(EnsureTrailingBkSlash("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(EnsureTrailingBkSlash("C:\\"), "C:\\");
    EXPECT_EQ(EnsureTrailingChar(U'/', ""), "/");
    EXPECT_EQ(StripLeadingChars(U'0', "000120"), "120");
    EXPECT_EQ(StripTrailingChars(U'0', "12000"), "12");
    EXPECT_EQ(StripTrailingChars(U'x', "xxx"), "");
    EXPECT_EQ(RemoveControlChars("a\tb\r\nc\x7f" "d"), "abcd");
    EXPECT_EQ(RemoveControlChars("Zürich"), "Zürich");
    EXPECT_EQ(ReplaceCharInString("1,5,6", U',', U'.'), "1.5.6");
    EXPECT_EQ(ReplaceCharInString("a·b", U'·', U'-'), "a-b");
}

TEST(StringHelpers, StrffPadsToWidth) {
    EXPECT_EQ(strff(7, 1, 0), "7");
    EXPECT_EQ(strff(3.14159, 8, 2), "    3.14");
    EXPECT_EQ(strff(-2, 1, 3), "-2.000");
}

TEST(Paths, ParentDirWalksUpToNothing) {
    EXPECT_EQ(ParentDir("C:\\Windows\\System\\"), "C:\\Windows\\");
    EXPECT_EQ(ParentDir("C:\\Windows\\System"), "C:\\Windows\\");
    EXPECT_EQ(ParentDir("C:\\Windows"), "C:\\");
    EXPECT_EQ(ParentDir("C:\\"), "");
    EXPECT_EQ(ParentDir(""), "");
    EXPECT_EQ(ParentDir("/home/user"), "/home/");
    // Repeated use always ends in "", as the folder tree relies on.
    std::string p = "C:\\a\\b\\c\\";
    int steps = 0;
    while (!p.empty() && steps < 10) { p = ParentDir(p); ++steps; }
    EXPECT_EQ(steps, 4);
}

TEST(InventPassword, LengthAndVariety) {
    std::set<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        std::string p = InventPassword(8);
        ASSERT_EQ(p.size(), 8u);
        for (char c : p) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
        seen.insert(p);
    }
    EXPECT_GT(seen.size(), 15u);
    EXPECT_EQ(InventPassword(0), "");
}

TEST(Tables, NamesFitTheirLimitsAndUseAccents) {
    for (int lang = 0; lang <= 4; ++lang) {
        for (int d = 0; d < 7; ++d) EXPECT_LE(vcl::Length(WeekDayShort[lang][d]), 3);
        for (int m = 1; m <= 12; ++m) {
            EXPECT_LE(vcl::Length(MonthShort[lang][m]), 4) << MonthShort[lang][m];
            EXPECT_LE(vcl::Length(MonthLong[lang][m]), 10) << MonthLong[lang][m];
            EXPECT_FALSE(MonthLong[lang][m].empty());
        }
    }
    EXPECT_EQ(WeekDayShort[lgEnglish][0], "Mon");
    EXPECT_EQ(WeekDayShort[lgGerman][6], "So");
    EXPECT_EQ(MonthLong[lgGerman][3], "März");
    EXPECT_EQ(MonthLong[lgFrench][2], "Février");
    EXPECT_EQ(MonthLong[lgSpanish][9], "Septiembre");
    EXPECT_EQ(WeekDayShort[lgSpanish][5], "Sáb");
}

TEST(Tables, PredefinedColorsPalettes) {
    EXPECT_EQ(PredefinedColors[1], vcl::clBlack);
    EXPECT_EQ(PredefinedColors[16], vcl::clWhite);
    EXPECT_EQ(PredefinedColors[17], vcl::clMoneyGreen);
    EXPECT_EQ(PredefinedColors[20], vcl::clMedGray);
    EXPECT_EQ(PredefinedColors[21], vcl::clScrollBar);
    EXPECT_EQ(PredefinedColors[36], vcl::clBtnFace);
    std::set<TColor> distinct;
    for (int i = 1; i <= 47; ++i) distinct.insert(PredefinedColors[i]);
    EXPECT_EQ(distinct.size(), 47u);
    for (int i = 21; i <= 47; ++i) EXPECT_EQ(unsigned(PredefinedColors[i]) >> 24, 0xFFu);
    EXPECT_EQ(PredefinedColors[0], vcl::clBlack);
    EXPECT_EQ(PredefinedColors[48], vcl::clBlack);
}

TEST(Colors, MeanColorPerChannel) {
    EXPECT_EQ(MeanColor(vcl::RGB(0, 100, 200), vcl::RGB(100, 200, 0)), vcl::RGB(50, 150, 100));
    EXPECT_EQ(MeanColor(vcl::clWhite, vcl::clWhite), vcl::clWhite);
    // System colours are resolved before averaging.
    TColor face = vcl::ColorToRGB(vcl::clBtnFace);
    EXPECT_EQ(MeanColor(vcl::clBtnFace, face), face);
}

TEST(ReadLnStream, LineEndsEofAndLimit) {
    vcl::TStringStream s("one\r\ntwo\rthree\nfour");
    bool eof = false;
    EXPECT_EQ(ReadLnStream(&s, eof, 0), "one");
    EXPECT_FALSE(eof);
    EXPECT_EQ(ReadLnStream(&s, eof, 0), "two");
    EXPECT_EQ(ReadLnStream(&s, eof, 0), "three");
    EXPECT_FALSE(eof);
    EXPECT_EQ(ReadLnStream(&s, eof, 0), "four");
    EXPECT_TRUE(eof);

    vcl::TStringStream last("x\n");
    EXPECT_EQ(ReadLnStream(&last, eof, 0), "x");
    EXPECT_TRUE(eof);

    // A long line comes in pieces of Limit characters; nothing is lost.
    vcl::TStringStream longLine("äbcdefg\nz");
    EXPECT_EQ(ReadLnStream(&longLine, eof, 3), "äbc");
    EXPECT_FALSE(eof);
    EXPECT_EQ(ReadLnStream(&longLine, eof, 3), "def");
    EXPECT_EQ(ReadLnStream(&longLine, eof, 3), "g");
    EXPECT_EQ(ReadLnStream(&longLine, eof, 3), "z");
    EXPECT_TRUE(eof);
}

TEST(ReadLnStream, CrLfAcrossChunkBoundaryAndPosition) {
    // A line of 511 characters puts the CR at the end of the first 512-byte chunk.
    std::string text(511, 'a');
    text += "\r\nnext\n";
    vcl::TStringStream s(text);
    bool eof = false;
    EXPECT_EQ(ReadLnStream(&s, eof, 0).size(), 511u);
    EXPECT_EQ(s.GetPosition(), 513);
    EXPECT_EQ(ReadLnStream(&s, eof, 0), "next");
    EXPECT_TRUE(eof);
}
