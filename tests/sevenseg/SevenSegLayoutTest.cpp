// The seven-segment display's logic without pixels: the segment table, the cache order,
// the caption walk and the cell geometry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace zyn;

namespace {

TSegmentSet Segs(std::initializer_list<int> Segments) {
    TSegmentSet s = 0;
    for (int n : Segments) s |= SegBit(n);
    return s;
}

// The digits of a caption as text: the cache character of each cell ("_" for a blank),
// followed by "." when the point is lit.
std::string Walk(const std::string& Caption, int NumDigits) {
    std::vector<TSevenSegDigit> digits;
    SevenSegCaptionDigits(vcl::Utf8ToCodePoints(Caption), NumDigits, digits);
    std::string out;
    for (const TSevenSegDigit& d : digits) {
        if (d.Cell == 0)
            out += '_';
        else
            vcl::Utf8Append(out, SevenSegCacheChar(d.Cell));
        if (d.Point) out += '.';
    }
    return out;
}

}  // namespace

TEST(SevenSegLayout, SegmentsOfEveryCharacter) {
    struct Row {
        char32_t ch;
        std::initializer_list<int> segments;
    };
    const Row rows[] = {
        {U'0', {1, 2, 3, 5, 6, 7}}, {U'1', {3, 6}},          {U'2', {1, 3, 4, 5, 7}},
        {U'3', {1, 3, 4, 6, 7}},    {U'4', {2, 3, 4, 6}},    {U'5', {1, 2, 4, 6, 7}},
        {U'6', {1, 2, 4, 5, 6, 7}}, {U'7', {1, 3, 6}},       {U'8', {1, 2, 3, 4, 5, 6, 7}},
        {U'9', {1, 2, 3, 4, 6, 7}}, {U'-', {4}},             {U'A', {1, 2, 3, 4, 5, 6}},
        {U'B', {2, 4, 5, 6, 7}},    {U'C', {1, 2, 5, 7}},    {U'D', {3, 4, 5, 6, 7}},
        {U'E', {1, 2, 4, 5, 7}},    {U'F', {1, 2, 4, 5}},
    };
    for (const Row& r : rows) {
        const TSegGlyph g = SevenSegGlyph(r.ch);
        EXPECT_EQ(g.Shape, gsSegments) << char(r.ch);
        EXPECT_EQ(g.Segments, Segs(r.segments)) << char(r.ch);
        if (r.ch >= U'A') {
            EXPECT_EQ(SevenSegGlyph(r.ch + 32).Segments, g.Segments) << "lower case " << char(r.ch + 32);
        }
    }
    EXPECT_EQ(SevenSegGlyph(U'+').Shape, gsPlus);
    EXPECT_EQ(SevenSegGlyph(U':').Shape, gsColon);
    EXPECT_EQ(SevenSegGlyph(DegreeSign).Shape, gsDegree);
    EXPECT_EQ(SevenSegGlyph(U'.').Shape, gsPointOnly);
    EXPECT_EQ(SevenSegGlyph(U',').Shape, gsPointOnly);
    for (char32_t c : {U' ', U'G', U'z', U'#', char32_t(0x00C4), char32_t(0)}) {
        EXPECT_EQ(SevenSegGlyph(c).Shape, gsNothing) << int(c);
        EXPECT_EQ(SevenSegGlyph(c).Segments, 0) << int(c);
    }
}

TEST(SevenSegLayout, CacheCellsInTheirOrder) {
    const std::u32string order = U"0123456789-+:\u00B0ABCDEF.";
    for (int k = 1; k <= SevenSegCacheCells; ++k) EXPECT_EQ(SevenSegCacheChar(k), order[std::size_t(k - 1)]) << k;
    EXPECT_EQ(SevenSegCacheCell(U'a'), 15);
    // Points are drawn over digits, never looked up; letters beyond F and blanks have no cell.
    for (char32_t c : {U'.', U',', U' ', U'G'}) EXPECT_EQ(SevenSegCacheCell(c), 0) << int(c);
}

TEST(SevenSegLayout, CaptionWalk) {
    struct Case {
        const char* caption;
        int digits;
        const char* shown;
    };
    const Case cases[] = {
        {"8.8.8.8.", 4, "8.8.8.8."},          // four eights, each with its point
        {"12:30", 4, "12:3"},                 // the colon takes a cell; the rest is cut
        {"12:30", 5, "12:30"},
        {"-5\u00B0", 4, "-5\u00B0"},          // minus, five, degree sign
        {".5", 4, "_.5"},                     // a leading point is a blank digit with its point
        {"1,5", 4, "1.5"},                    // a comma after a digit lights that digit's point
        {"1..2", 4, "1._.2"},                 // a second point stands on a blank digit
        {"3.", 4, "3."},                      // the point after the last digit
        {"abcdef", 6, "ABCDEF"},              // letters in either case
        {"GO 1", 4, "___1"},                  // letters beyond F and blanks leave empty cells
        {"123456", 4, "1234"},                // cut after NumDigits digits
        {"1.2.3.4.5.", 4, "1.2.3.4."},        // a point does not count as a digit of its own
        {"+1", 2, "+1"},
        {"", 4, ""},
        {"8", 1, "8"},
        {"8.", 1, "8."},
        {".", 1, "_."},
        {"..", 1, "_."},
    };
    for (const Case& c : cases) EXPECT_EQ(Walk(c.caption, c.digits), c.shown) << c.caption << " on " << c.digits;
}

TEST(SevenSegLayout, CellGeometry) {
    // The default display: 216 x 76, margin 8, four digits, two pixels apart.
    TSevenSegCells cells = SevenSegCellGeometry(216, 76, 8, 4, 2);
    EXPECT_EQ(cells.Pitch, 50);
    EXPECT_EQ(cells.Width, 48);
    EXPECT_EQ(cells.Height, 60);
    EXPECT_FALSE(cells.Empty());
    cells = SevenSegCellGeometry(300, 100, 0, 7, 0);
    EXPECT_EQ(cells.Pitch, 42);   // 300 div 7
    EXPECT_EQ(cells.Width, 42);
    EXPECT_EQ(cells.Height, 100);
    cells = SevenSegCellGeometry(216, 76, 8, 3, -4);   // overlapping cells are wider than the pitch
    EXPECT_EQ(cells.Pitch, 66);
    EXPECT_EQ(cells.Width, 70);
    // No room for a digit: the distance eats the pitch, or the margins the height.
    EXPECT_TRUE(SevenSegCellGeometry(216, 76, 8, 32, 6).Empty());
    EXPECT_TRUE(SevenSegCellGeometry(216, 16, 8, 4, 2).Empty());
    EXPECT_TRUE(SevenSegCellGeometry(10, 76, 8, 4, 2).Empty());
    EXPECT_TRUE(SevenSegCellGeometry(216, 76, 8, 0, 2).Empty());
}
