// The edit mask without a control: parsing the three fields, what each mask character takes,
// case folding, literals and separators, value <-> edit text (saved literals, blank
// character, leading blanks) and the editing operations the fields use.
#include <gtest/gtest.h>

#include <string>

#include "platform/Mask.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

std::string U8(const std::u32string& S) { return CodePointsToUtf8(S); }
std::u32string U32(const std::string& S) { return Utf8ToCodePoints(S); }

// The edit text after typing Keys from the start of an empty field ('~' stands for a
// refused key and is checked as such).
struct Typed {
    std::string edit;
    int caret = 0;
    int refused = 0;
};
Typed TypeInto(const TEditMaskFormat& M, const std::string& Keys) {
    TMaskEditState s;
    s.Edit = M.BlankText();
    Typed t;
    for (char32_t c : U32(Keys))
        if (!M.TypeChar(s, c)) ++t.refused;
    t.edit = U8(s.Edit);
    t.caret = s.SelStart;
    return t;
}

TEST(EditMaskFormat, FieldsSaveFlagAndBlankCharacter) {
    TEditMaskFormat plain("000");
    EXPECT_TRUE(plain.SaveLiterals());
    EXPECT_EQ(plain.Blank(), U'_');
    EXPECT_FALSE(plain.BlanksLead());

    TEditMaskFormat unsaved("(000);0;*");
    EXPECT_FALSE(unsaved.SaveLiterals());
    EXPECT_EQ(unsaved.Blank(), U'*');
    EXPECT_EQ(U8(unsaved.BlankText()), "(***)");

    TEditMaskFormat saved("000;1; ");   // a space as the blank character
    EXPECT_TRUE(saved.SaveLiterals());
    EXPECT_EQ(saved.Blank(), U' ');
    EXPECT_EQ(TEditMaskFormat("000;;#").Blank(), U'#');          // empty flag: saved
    EXPECT_TRUE(TEditMaskFormat("000;;#").SaveLiterals());
    EXPECT_EQ(TEditMaskFormat("000;0").Blank(), U'_');           // no third field

    // An escaped ';' is a literal of the mask, not the end of it.
    TEditMaskFormat escaped("0\\;0;0;_");
    EXPECT_EQ(escaped.Length(), 3);
    EXPECT_EQ(U8(escaped.BlankText()), "_;_");
    EXPECT_FALSE(escaped.SaveLiterals());

    // Directives alone make no positions: the field is not masked.
    EXPECT_TRUE(TEditMaskFormat("").Empty());
    EXPECT_TRUE(TEditMaskFormat("><!").Empty());
    EXPECT_TRUE(TEditMaskFormat(";0;_").Empty());
}

TEST(EditMaskFormat, EachMaskCharacterTakesItsClassAndRefusesTheRest) {
    struct Row {
        const char* mask;
        bool required;
        std::u32string takes;
        std::u32string refuses;
    };
    const Row rows[] = {
        {"0", true, U"09", U"a+-.é"},
        {"9", false, U"09", U"a+-"},
        {"#", false, U"09+-", U"a.*"},
        {"L", true, U"aZéДω", U"0_-€😀"},
        {"l", false, U"az", U"5!"},
        {"A", true, U"a0Z9ß", U"-.!€"},
        {"a", false, U"b7", U"?"},
        {"C", true, U"a0-€😀!", U"\t"},
        {"c", false, U"%x", U"\x01"},
    };
    for (const Row& r : rows) {
        TEditMaskFormat m(r.mask);
        ASSERT_EQ(m.Length(), 1) << r.mask;
        EXPECT_FALSE(m.IsLiteral(0)) << r.mask;
        EXPECT_EQ(m.Slot(0).Required, r.required) << r.mask;
        for (char32_t c : r.takes) EXPECT_EQ(m.Accept(0, c), c) << r.mask << " takes " << U8(std::u32string(1, c));
        for (char32_t c : r.refuses) EXPECT_EQ(m.Accept(0, c), 0u) << r.mask << " refuses " << U8(std::u32string(1, c));
        // Space and the blank character never fill a position.
        EXPECT_EQ(m.Accept(0, U' '), 0u);
        EXPECT_EQ(m.Accept(0, U'_'), 0u);
    }
}

TEST(EditMaskFormat, LiteralsEscapesAndSeparatorsOfTheSettings) {
    TFormatSettings saved = FormatSettings;
    FormatSettings.DateSeparator = '.';
    FormatSettings.TimeSeparator = 'h';
    TEditMaskFormat m("99/99 90:00 \\0\\\\x");
    FormatSettings = saved;
    EXPECT_EQ(U8(m.BlankText()), "__.__ __h__ 0\\x");
    for (int p : {2, 5, 8, 11, 12, 13, 14}) EXPECT_TRUE(m.IsLiteral(p)) << p;
    EXPECT_FALSE(m.IsLiteral(0));
    // A literal position refuses even its own character.
    EXPECT_EQ(m.Accept(2, U'.'), 0u);
    // The mask was read with the settings of its time.
    EXPECT_EQ(U8(TEditMaskFormat("0/0:0").BlankText()), "_/_:_");
}

TEST(EditMaskFormat, CaseFoldingSwitchesAlongTheMask) {
    TEditMaskFormat m(">LL<LL<>LL");
    EXPECT_EQ(TypeInto(m, "abCDeF").edit, "ABcdeF");
    EXPECT_EQ(TypeInto(m, "äöÄÖßÿ").edit, "ÄÖäößÿ");
    EXPECT_EQ(TypeInto(TEditMaskFormat(">L<L"), "дЖ").edit, "Дж");
    // Folding applies before the class test: digits stay refused.
    EXPECT_EQ(m.Accept(0, U'1'), 0u);
}

TEST(EditMaskFormat, TypingSkipsLiteralsAndRefusesWhatDoesNotFit) {
    TEditMaskFormat phone("!\\(999\\) 000-0000;1;_");
    Typed t = TypeInto(phone, "5551234567");
    EXPECT_EQ(t.edit, "(555) 123-4567");
    EXPECT_EQ(t.caret, 14);
    EXPECT_EQ(t.refused, 0);

    t = TypeInto(phone, "55x5");   // the letter is refused and changes nothing
    EXPECT_EQ(t.edit, "(555) ___-____");
    EXPECT_EQ(t.refused, 1);
    EXPECT_EQ(t.caret, 6);         // past ") " to the first digit of the number

    // Typed literals step over the literals the caret skipped, so a whole number with its
    // punctuation goes in; a full field refuses more.
    t = TypeInto(phone, "(555) 123-45678");
    EXPECT_EQ(t.edit, "(555) 123-4567");
    EXPECT_EQ(t.refused, 1);

    // Overwriting in the middle; the selection is blanked before the character goes in.
    TMaskEditState s{U"(555) 123-4567", 7, 5};
    ASSERT_TRUE(phone.TypeChar(s, U'9'));
    EXPECT_EQ(U8(s.Edit), "(555) 19_-__67");
    EXPECT_EQ(s.SelStart, 8);
    EXPECT_EQ(s.SelLength, 0);
    // A refused key leaves the selection and the text alone.
    s = {U"(555) 123-4567", 7, 5};
    EXPECT_FALSE(phone.TypeChar(s, U'x'));
    EXPECT_EQ(U8(s.Edit), "(555) 123-4567");
    EXPECT_EQ(s.SelLength, 5);
    // Space blanks the position and moves on.
    s = {U"(555) 123-4567", 1, 0};
    ASSERT_TRUE(phone.TypeChar(s, U' '));
    EXPECT_EQ(U8(s.Edit), "(_55) 123-4567");
    EXPECT_EQ(s.SelStart, 2);
}

TEST(EditMaskFormat, BackspaceAndDeleteBlankPositions) {
    TEditMaskFormat date("00/00/0000");
    TMaskEditState s{U"12/05/2024", 3, 0};
    date.Backspace(s);   // before the caret sits the literal: the day's last digit goes
    EXPECT_EQ(U8(s.Edit), "1_/05/2024");
    EXPECT_EQ(s.SelStart, 1);
    date.Backspace(s);
    date.Backspace(s);   // nothing editable before the start
    EXPECT_EQ(U8(s.Edit), "__/05/2024");
    EXPECT_EQ(s.SelStart, 0);

    s = {U"12/05/2024", 2, 0};
    date.Delete(s);      // at a literal: the next editable position goes, the caret stays
    EXPECT_EQ(U8(s.Edit), "12/_5/2024");
    EXPECT_EQ(s.SelStart, 2);
    s = {U"12/05/2024", 10, 0};
    date.Delete(s);      // at the end: nothing
    EXPECT_EQ(U8(s.Edit), "12/05/2024");

    s = {U"12/05/2024", 1, 7};   // a selection across literals keeps them
    date.Delete(s);
    EXPECT_EQ(U8(s.Edit), "1_/__/__24");
    EXPECT_EQ(s.SelStart, 1);
    EXPECT_EQ(s.SelLength, 0);
}

TEST(EditMaskFormat, ValueWithAndWithoutLiteralsAndBackAgain) {
    TEditMaskFormat saved("(000) 000;1;_");
    TEditMaskFormat unsaved("(000) 000;0;_");
    const std::u32string edit = U"(12_) 34_";
    EXPECT_EQ(U8(saved.ValueOf(edit)), "(12 ) 34 ");
    EXPECT_EQ(U8(unsaved.ValueOf(edit)), "12 34");   // trailing blanks are cut
    EXPECT_EQ(U8(saved.ValueOf(saved.BlankText())), "(   )    ");
    EXPECT_EQ(U8(unsaved.ValueOf(unsaved.BlankText())), "");

    EXPECT_EQ(U8(saved.FormatValue(U"(12 ) 34 ")), "(12_) 34_");
    EXPECT_EQ(U8(unsaved.FormatValue(U"12 34")), "(12_) 34_");
    // A value without its literals still finds its positions; refused characters blank
    // their position and what does not fit is dropped.
    EXPECT_EQ(U8(saved.FormatValue(U"123456")), "(123) 456");
    EXPECT_EQ(U8(saved.FormatValue(U"1x3")), "(1_3) ___");
    EXPECT_EQ(U8(unsaved.FormatValue(U"1234567")), "(123) 456");

    // The blank character of the mask is what the empty positions show and read back.
    TEditMaskFormat stars("00-00;1;*");
    EXPECT_EQ(U8(stars.FormatValue(U"1")), "1*-**");
    EXPECT_EQ(U8(stars.ValueOf(U"1*-**")), "1 -  ");
}

TEST(EditMaskFormat, BlankLedMasksAlignTheValueToTheEnd) {
    TEditMaskFormat led("!99999;0;_");
    EXPECT_EQ(U8(led.FormatValue(U"42")), "___42");
    EXPECT_EQ(U8(led.ValueOf(U"___42")), "42");      // leading blanks are cut
    EXPECT_EQ(U8(led.ValueOf(U"4___2")), "4   2");
    TEditMaskFormat trailing("99999;0;_");
    EXPECT_EQ(U8(trailing.FormatValue(U"42")), "42___");
    // With saved literals the value is aligned the same way.
    TEditMaskFormat ledSaved("!999-99;1;_");
    EXPECT_EQ(U8(ledSaved.FormatValue(U"1-23")), "__1-23");
    // Every edit text reads back to itself through its value.
    for (const char* e : {"_1_-2_", "123-__", "___-__", "1__-_3"})
        EXPECT_EQ(U8(ledSaved.FormatValue(ledSaved.ValueOf(U32(e)))), e) << e;
}

TEST(EditMaskFormat, ConformValidationAndPaste) {
    TEditMaskFormat m(">LL-0009;1;_");
    EXPECT_EQ(U8(m.Conform(U"ab-12x")), "AB-12__");
    EXPECT_EQ(U8(m.Conform(U"a")), "A_-____");
    EXPECT_EQ(m.FirstMissing(U32("AB-123_")), -1);   // the last digit is optional
    EXPECT_EQ(m.FirstMissing(U32("AB-12__")), 5);
    EXPECT_EQ(m.FirstMissing(U32("A_-____")), 1);
    EXPECT_EQ(m.FirstMissing(U32("A -123_")), 1);    // a space is no character

    TMaskEditState s{m.BlankText(), 0, 0};
    EXPECT_TRUE(m.Paste(s, U"xy-4567 and more"));   // stops at the end of the mask
    EXPECT_EQ(U8(s.Edit), "XY-4567");
    s = {m.BlankText(), 0, 0};
    EXPECT_FALSE(m.Paste(s, U"x1"));                 // a refused character: nothing changes
    EXPECT_EQ(U8(s.Edit), "__-____");
    EXPECT_EQ(s.SelStart, 0);
}

}  // namespace
