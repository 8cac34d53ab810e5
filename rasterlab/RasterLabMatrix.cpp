// The character matrix of the dot-matrix label: the built-in font unpacked, platform fonts
// rasterised glyph by glyph, and the pixel length of a text. No drawing on the label here.
#include <algorithm>
#include <bit>
#include <limits>

#include "platform/SysUtils.h"
#include "rasterlab/Zyn_RasterLab.h"

namespace zyn {

using namespace vcl;

namespace {

// Glyphs are rasterised from a bitmap of this size; only its top-left 32 x 32 dots count.
constexpr int RasterBitmapSize = 65;
constexpr int MaxDots = 32;

bool IsDefaultFontName(const std::string& Name) {
    static constexpr std::string_view Default = "default";
    if (Name.size() != Default.size()) return false;
    for (std::size_t i = 0; i < Name.size(); ++i) {
        char c = Name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != Default[i]) return false;
    }
    return true;
}

}  // namespace

TRDCharMatrix BuiltInCharMatrix() {
    TRDCharMatrix m;
    m.FontWidth = RasterLabBuiltInWidth;
    m.FontHeight = RasterLabBuiltInHeight;
    for (int i = 0; i < RasterLabBuiltInCount; ++i) {
        const std::uint8_t* rec = RasterLabBuiltInFont[i];
        const int code = RasterLabBuiltInFirst + i;
        m.LeftMostBit[code] = rec[0];
        m.RightMostBit[code] = rec[1];
        for (int r = 0; r < RasterLabBuiltInHeight; ++r) m.BitData[code][r] = rec[2 + r];
    }
    return m;
}

int RasterCharColumns(const TRDCharMatrix& CharMatrix, int Code, bool Fixed) {
    if (Fixed) return std::clamp(CharMatrix.FontWidth, 0, MaxDots);
    const int left = CharMatrix.LeftMostBit[Code];
    const int right = std::min<int>(CharMatrix.RightMostBit[Code], MaxDots - 1);
    // A glyph without dots keeps its leftmost column right of its rightmost one: it takes
    // no columns instead of a negative number.
    return right < left ? 0 : right - left + 1;
}

std::int64_t RasterTextLength(const TRDCharMatrix& CharMatrix, std::string_view Text, int Pitch,
                              bool Proportional) {
    if (!Proportional) {
        return static_cast<std::int64_t>(Length(Text)) * (RasterCharColumns(CharMatrix, 0, true) + 1) * Pitch;
    }
    std::int64_t columns = 0;
    for (std::size_t pos = 0; pos < Text.size();)
        columns += RasterCharColumns(CharMatrix, RasterCharCode(Utf8Decode(Text, pos)), false) + 1;
    return columns * Pitch;
}

TRDCharMatrix TRasterLab::CreateBitFont(TFont* Font) {
    if (Font == nullptr || IsDefaultFontName(Font->GetName())) return BuiltInCharMatrix();

    TRDCharMatrix m;
    TBitmap bmp;
    bmp.SetPixelFormat(pf32bit);
    bmp.SetSize(RasterBitmapSize, RasterBitmapSize);
    TCanvas* c = bmp.GetCanvas();
    c->SetFont(Font);
    // Glyphs are found as the pixels that are not white, so they are drawn black whatever
    // the font's colour (a white font would otherwise leave every glyph empty), and in
    // whole pixels where the font leaves the rendering to the platform, so that the faint
    // edge pixels of smoothed text do not thicken the dots.
    c->GetFont()->SetColor(clBlack);
    if (c->GetFont()->GetQuality() == fqDefault) c->GetFont()->SetQuality(fqNonAntialiased);
    for (int code = RasterLabBuiltInFirst; code <= 255; ++code) {
        c->GetPen()->SetColor(clWhite);
        c->GetBrush()->SetColor(clWhite);
        c->Rectangle(0, 0, 100, 100);
        c->GetPen()->SetColor(clBlack);
        c->TextOut(0, 0, Utf8Encode(static_cast<char32_t>(code)));
        int left = MaxDots - 1, right = 0;
        for (int y = 0; y < MaxDots; ++y) {
            const std::uint8_t* row = bmp.ScanLine(y);
            std::uint32_t bits = 0;
            for (int j = 0; j < MaxDots; ++j) {
                const std::uint8_t* p = row + 4 * j;
                if ((p[0] & p[1] & p[2]) != 0xFF) bits |= std::uint32_t(1) << j;
            }
            m.BitData[code][y] = bits;
            if (bits == 0) continue;
            left = std::min(left, std::countr_zero(bits));
            right = std::max(right, 31 - std::countl_zero(bits));
            m.FontHeight = std::max(m.FontHeight, y + 1);
        }
        m.LeftMostBit[code] = static_cast<std::uint8_t>(left);
        m.RightMostBit[code] = static_cast<std::uint8_t>(right);
        m.FontWidth = std::max(m.FontWidth, right - left + 1);
    }
    m.LeftMostBit[32] = 0;
    m.RightMostBit[32] = static_cast<std::uint8_t>(m.FontWidth / 2);
    return m;
}

int TRasterLab::CalcTextBitLength(const std::string& Text) const {
    const std::int64_t len = RasterTextLength(FCMat, Text, Pitch(), FProportional);
    return static_cast<int>(std::min<std::int64_t>(len, std::numeric_limits<int>::max()));
}

}  // namespace zyn
