// TSevenSeg: a short text shown as a row of slanted seven-segment digits.
//
// The digits are composed from six black-on-white segment bitmaps of the package,
// recoloured to the text colour, drawn large into a digit image, shrunk once into an image
// cache of 21 character cells and copied cell by cell onto the control when it paints.
//
// The digit table, the caption walk and the cache geometry live in SevenSegLayout.cpp (no
// canvas), the setters in Zyn_sevenseg.cpp, the cache and the picture in SevenSegPaint.cpp.
#pragma once

#include <cstdint>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

// ---- the digit table --------------------------------------------------------------------

// What a character shows: lit segments, one of the three symbol images, only the decimal
// point, or nothing.
enum TSegShape : std::uint8_t { gsNothing, gsSegments, gsPlus, gsColon, gsDegree, gsPointOnly };

// Segment n (1 top, 2 upper left, 3 upper right, 4 middle, 5 lower left, 6 lower right,
// 7 bottom) is bit n - 1.
using TSegmentSet = std::uint8_t;
constexpr TSegmentSet SegBit(int Segment) { return TSegmentSet(1u << (Segment - 1)); }

/// How a character is drawn: nothing, lit segments, a symbol image (plus, colon, degree sign)
/// or the decimal point only.
struct TSegGlyph {
    /// What is drawn: nothing, the lit Segments, a symbol image, or the decimal point only.
    TSegShape Shape = gsNothing;
    /// The lit segments of a gsSegments character (segment n is bit n - 1).
    TSegmentSet Segments = 0;
};

// How a character is drawn: the digits, minus and the letters A to F in either case light
// segments; "+", ":" and the degree sign (U+00B0) take their symbol image; "." and ","
// only the decimal point; anything else draws nothing.
TSegGlyph SevenSegGlyph(char32_t Ch);

inline constexpr char32_t DegreeSign = 0x00B0;

// The image cache holds 21 cells, in this order: 0 to 9, minus, plus, colon, degree sign,
// A to F and the decimal point alone.
inline constexpr int SevenSegCacheCells = 21;
inline constexpr int SevenSegPointCell = 21;
// The character of cache cell Cell (1..21); 0 outside.
char32_t SevenSegCacheChar(int Cell);
// The cell (1..21) of a character, letters in either case; 0 when it has none (blanks,
// G to Z, "." and "," which are drawn as points).
int SevenSegCacheCell(char32_t Ch);

/// One digit of the display: the cache cell it shows (0 leaves the ground) and whether the
/// decimal point is lit on it.
struct TSevenSegDigit {
    /// The cache cell shown, 1..21; 0 leaves the ground.
    int Cell = 0;
    /// Whether the digit's decimal point is lit.
    bool Point = false;
};

// The digits a caption shows from the left, at most NumDigits of them. A "." or "," that
// follows a character lights the point of that character's digit; one that follows nothing
// (the first character, or another point) is a blank digit with its point. Characters
// beyond NumDigits digits are not shown. Digits is cleared first and keeps its capacity.
void SevenSegCaptionDigits(std::u32string_view Caption, int NumDigits, std::vector<TSevenSegDigit>& Digits);

/// Size of one cell of the cache for a control: the pitch of the digits is the width inside
/// the margins divided among the digits; a cell is the pitch less the distance between
/// digits, and as high as the control inside the margins. Empty when either is below 1
/// (then no digit can be shown).
struct TSevenSegCells {
    /// Distance in pixels from one digit to the next.
    int Pitch = 0;
    /// Width in pixels of a cell.
    int Width = 0;
    /// Height in pixels of a cell.
    int Height = 0;
    /// Whether no digit can be shown (a side below 1).
    bool Empty() const { return Width < 1 || Height < 1; }
};
TSevenSegCells SevenSegCellGeometry(int ControlWidth, int ControlHeight, int Margin, int NumDigits,
                                    int InterDigDist);

// ---- the display ------------------------------------------------------------------------
/// TSevenSeg: a short text shown as a row of slanted seven-segment digits.
class TSevenSeg : public vcl::TGraphicControl {
public:
    /// Size of the digit image every character is first drawn into.
    static constexpr int DigitImageWidth = 312;
    /// Height of the digit image.
    static constexpr int DigitImageHeight = 432;

    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TSevenSeg(vcl::TComponent* AOwner);
    ~TSevenSeg() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TSevenSeg"; }

    /// Copies the settings (not the bitmaps, position or size) of another display and
    /// rebuilds the cache from them.
    void Assign(vcl::TPersistent* Source) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;

    // ---- properties
    /// The text shown, one digit per character: 0-9, A-F, "-", "+", ":", the degree sign, and "."
    /// or "," as the point of the digit before; other characters leave a blank cell, characters
    /// beyond NumDigits digits are not shown. Default "8.8.8.8.".
    const std::string& GetCaption() const { return FCaption; }
    /// Sets the text; repaints when it differs.
    void SetCaption(const std::string& Value);
    /// Background colour of the display and of the unlit ground; default 0x333333 (dark gray).
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    /// Sets the background colour; when it differs, the digit images are rebuilt and the display
    /// repaints.
    void SetColorBackGnd(TColor Value);
    /// Colour of the lit segments; default 255 (red). White is drawn as 0xFEFEFE.
    TColor GetColorText() const { return FColorText; }
    /// Sets the segment colour; when it differs, the digit images are rebuilt and the display
    /// repaints.
    void SetColorText(TColor Value);
    /// Colour scheme of the line colours, ordinal 0 by default; the frame itself is always drawn in
    /// fixed white, silver, gray and black.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme and repaints.
    void SetColorScheme(TColorScheme Value);
    /// Frame round the display, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// Gap in pixels between neighbouring digits, at most 255; default 2.
    int GetInterDigDist() const { return FInterDigDist; }
    /// Sets the gap (256 and above become 255); when it differs, the digit images are rebuilt and
    /// the display repaints.
    void SetInterDigDist(int Value);
    /// Space in pixels between the digits and the edges; default 8.
    int GetMargin() const { return FMargin; }
    /// Sets the margin, at most Height / 2 - 1; when it differs, the digit images are rebuilt and
    /// the display repaints.
    void SetMargin(int Value);
    /// Number of digit cells across the width, 1..32; default 4.
    int GetNumDigits() const { return FNumDigits; }
    /// Sets the number of digits; values outside 1..32 are ignored. A change rebuilds the digit
    /// images and repaints.
    void SetNumDigits(int Value);

    /// The image cache (21 cells side by side, cell k at x = CellWidth * (k - 1)) and the
    /// size its cells were built for (read-only views). Cells are shrunk when a paint first
    /// shows their character whole; asking for the cache shrinks the cells not built yet.
    const vcl::TBitmap* GetImageCache() const;
    /// The width of one cell of the image cache.
    int GetCellWidth() const { return FCells.Width; }
    /// The height of one cell of the image cache.
    int GetCellHeight() const { return FCells.Height; }

    /// Draws the ground, the digits from the segment cache and the frame off screen and shows them;
    /// nothing while a form file is read.
    void Paint() override;

protected:
    /// ScaleBy at M/D: the gap between digits and the margin scale with the control (the segments follow its size).
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// The cache follows every change of size, then OnResize fires.
    void Resize() override;

private:
    bool Loading() const { return GetComponentState().Contains(vcl::csLoading); }
    // Rebuilds the cache and repaints, unless a form is being read (Loaded does it once).
    void CacheChanged();

    // the cache and the picture (SevenSegPaint.cpp)
    void ColorizeSegments(TColor Color);
    void CreateDigit(char32_t Ch, bool WithDot);
    void CreateImageCache();
    void BuildCell(int Cell);
    void ProcessResize(vcl::TObject* Sender);
    void PaintDigits(vcl::TCanvas* C, const vcl::TRect& Shown);
    void ShrinkDigitInto(vcl::TCanvas* C, int Cell, const vcl::TRect& Place, const vcl::TRect& Clip);
    void PaintFrame(vcl::TCanvas* C);

    std::string FCaption = "8.8.8.8.";
    std::u32string FCaptionChars;          // the caption as characters, for the walk
    TColor FColorBackGnd = 0x333333;
    TColor FColorText = vcl::clRed;
    TColorScheme FColorScheme = schFixed;
    TFrameStyle FFrameStyle = frSunken;
    int FInterDigDist = 2;
    int FMargin = 8;
    int FNumDigits = 4;

    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    int FWidth = 0;    // the size the cache was built for
    int FHeight = 0;
    TSevenSegCells FCells;

    std::unique_ptr<vcl::TBitmap> FDigImg;
    std::unique_ptr<vcl::TBitmap> FSegHorz;
    std::unique_ptr<vcl::TBitmap> FSegVert;
    std::unique_ptr<vcl::TBitmap> FSegDot;
    std::unique_ptr<vcl::TBitmap> FSegPlus;
    std::unique_ptr<vcl::TBitmap> FSegColon;
    std::unique_ptr<vcl::TBitmap> FSegDeg;
    std::unique_ptr<vcl::TBitmap> FImageCache;
    std::array<bool, SevenSegCacheCells> FCellBuilt{};   // which cells of the cache hold their character
    std::unique_ptr<vcl::TBitmap> FPicture;        // the off-screen picture, kept between paints
    std::vector<TSevenSegDigit> FDigits;           // reused by every paint
};

}  // namespace zyn
