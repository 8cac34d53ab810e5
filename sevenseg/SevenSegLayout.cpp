// The seven-segment display's pure logic: which segments a character lights, the order of
// the image cache, the walk that turns a caption into digits, and the cell geometry.
#include <algorithm>

#include "sevenseg/Zyn_sevenseg.h"

namespace zyn {

namespace {

constexpr TSegmentSet Segs(std::initializer_list<int> Segments) {
    TSegmentSet s = 0;
    for (int n : Segments) s = TSegmentSet(s | SegBit(n));
    return s;
}

// Lit segments of 0..9 and A..F.
constexpr TSegmentSet DigitSegments[10] = {
    Segs({1, 2, 3, 5, 6, 7}),     // 0
    Segs({3, 6}),                 // 1
    Segs({1, 3, 4, 5, 7}),        // 2
    Segs({1, 3, 4, 6, 7}),        // 3
    Segs({2, 3, 4, 6}),           // 4
    Segs({1, 2, 4, 6, 7}),        // 5
    Segs({1, 2, 4, 5, 6, 7}),     // 6
    Segs({1, 3, 6}),              // 7
    Segs({1, 2, 3, 4, 5, 6, 7}),  // 8
    Segs({1, 2, 3, 4, 6, 7}),     // 9
};
constexpr TSegmentSet LetterSegments[6] = {
    Segs({1, 2, 3, 4, 5, 6}),     // A
    Segs({2, 4, 5, 6, 7}),        // B (as a small b)
    Segs({1, 2, 5, 7}),           // C
    Segs({3, 4, 5, 6, 7}),        // D (as a small d)
    Segs({1, 2, 4, 5, 7}),        // E
    Segs({1, 2, 4, 5}),           // F
};

constexpr char32_t CacheChars[SevenSegCacheCells] = {
    U'0', U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9', U'-',
    U'+', U':', DegreeSign, U'A', U'B', U'C', U'D', U'E', U'F', U'.',
};

char32_t UpperLetter(char32_t Ch) { return (Ch >= U'a' && Ch <= U'z') ? Ch - U'a' + U'A' : Ch; }

bool IsPoint(char32_t Ch) { return Ch == U'.' || Ch == U','; }

}  // namespace

TSegGlyph SevenSegGlyph(char32_t Ch) {
    Ch = UpperLetter(Ch);
    if (Ch >= U'0' && Ch <= U'9') return {gsSegments, DigitSegments[Ch - U'0']};
    if (Ch >= U'A' && Ch <= U'F') return {gsSegments, LetterSegments[Ch - U'A']};
    switch (Ch) {
        case U'-': return {gsSegments, SegBit(4)};
        case U'+': return {gsPlus, 0};
        case U':': return {gsColon, 0};
        case DegreeSign: return {gsDegree, 0};
        case U'.':
        case U',': return {gsPointOnly, 0};
        default: return {};
    }
}

char32_t SevenSegCacheChar(int Cell) {
    if (Cell < 1 || Cell > SevenSegCacheCells) return 0;
    return CacheChars[Cell - 1];
}

int SevenSegCacheCell(char32_t Ch) {
    Ch = UpperLetter(Ch);
    if (IsPoint(Ch)) return 0;
    for (int k = 0; k < SevenSegCacheCells; ++k)
        if (CacheChars[k] == Ch) return k + 1;
    return 0;
}

void SevenSegCaptionDigits(std::u32string_view Caption, int NumDigits, std::vector<TSevenSegDigit>& Digits) {
    Digits.clear();
    const std::size_t len = Caption.size();
    std::size_t i = 0;   // characters taken
    while (int(Digits.size()) < NumDigits && i < len) {
        const char32_t c = Caption[i++];
        if (IsPoint(c)) {
            Digits.push_back({0, true});
        } else if (i < len && IsPoint(Caption[i])) {
            Digits.push_back({SevenSegCacheCell(c), true});
            ++i;   // the point belongs to this digit
        } else {
            Digits.push_back({SevenSegCacheCell(c), false});
        }
    }
}

TSevenSegCells SevenSegCellGeometry(int ControlWidth, int ControlHeight, int Margin, int NumDigits,
                                    int InterDigDist) {
    TSevenSegCells cells;
    if (NumDigits < 1) return cells;
    cells.Pitch = (ControlWidth - 2 * Margin) / NumDigits;
    cells.Width = cells.Pitch - InterDigDist;
    cells.Height = ControlHeight - 2 * Margin;
    if (cells.Empty()) cells.Width = cells.Height = 0;
    return cells;
}

}  // namespace zyn
