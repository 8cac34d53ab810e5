// The numeric control's pure logic: which texts it takes, how it reads and writes numbers,
// the pivots of its buttons, the mapping of its gauge, its key table and its row geometry.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "numio/Zyn_NumIO2.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"

namespace zyn {

namespace {

// The control reads the system's separator as a point only when it is one, and as a comma
// otherwise (the edit field's rule differs for separators other than point and comma).
char SystemSeparator() { return vcl::FormatSettings.DecimalSeparator == '.' ? '.' : ','; }

TDecPSep ValidatorChoice(TDecPSep DecPSep) {
    return DecPSep == dpsSystem && SystemSeparator() == ',' ? dpsComma : DecPSep;
}

// 1-based position of the first point or comma in S, 0 when it has none.
int SeparatorPosition(std::string_view S) {
    const std::size_t at = S.find_first_of(".,");
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

// Digits of the format's base only, and no more significant bits than 32.
bool DigitsFit(std::string_view S, TInFormat Format) {
    bool digits = false;
    switch (Format) {
        case itHex: digits = IsValidHexText(S); break;
        case itOct: digits = IsValidOctText(S); break;
        case itBin: digits = IsValidBinText(S); break;
        default: break;
    }
    double unused = 0.0;
    return digits && ConvertNumText(S, Format, smPoint, unused);
}

double ScanFromStart(std::string_view S) {
    int position = 1;
    return ScanDecimalNumber(S, true, smPointOrComma, position);
}

double ParseFromStart(std::string_view S, std::int32_t (*Parser)(std::string_view, int&)) {
    int position = 1;
    return Parser(S, position);
}

void ReplaceChar(std::string& S, char Old, char New) { std::replace(S.begin(), S.end(), Old, New); }

}  // namespace

// ---- number texts -----------------------------------------------------------------------

char NumIO2SeparatorChar(TDecPSep DecPSep) {
    switch (DecPSep) {
        case dpsSystem: return SystemSeparator();
        case dpsComma: return ',';
        case dpsPoint:
        case dpsPointOrComma:
        default: return '.';
    }
}

bool NumIO2CheckText(std::string_view S, TInFormat Format, TDecPSep DecPSep, int FixDecimals) {
    DecPSep = ValidatorChoice(DecPSep);
    switch (Format) {
        case itExp: return IsValidFloatText(S, true, DecPSep);
        case itFloat: return IsValidFixedText(S, DecPSep);
        case itFixPoint:
            // The separator stands FixDecimals characters before the end; a text without
            // one passes only when it is FixDecimals characters long.
            return IsValidFixedText(S, DecPSep) && SeparatorPosition(S) == int(S.size()) - FixDecimals;
        case itInt: return IsValidIntText(S);
        case itHex:
        case itOct:
        case itBin: return DigitsFit(S, Format);
        case itDynamic:
            if (S.empty()) return false;
            switch (S[0]) {
                case '$': return DigitsFit(S.substr(1), itHex);
                case '%': return DigitsFit(S.substr(1), itBin);
                case '&': return DigitsFit(S.substr(1), itOct);
                default: return IsValidFloatText(S, true, DecPSep);
            }
    }
    return false;
}

double NumIO2ReadText(std::string_view S, TInFormat Format) {
    switch (Format) {
        case itExp:
        case itFloat:
        case itFixPoint: return ScanFromStart(S);
        case itInt: {
            if (S.empty() || !IsValidIntText(S)) return 0.0;
            int value = 0;
            if (vcl::TryStrToInt(S, value)) return value;
            // Beyond the 32-bit range: the nearest end, on the side of the text's sign.
            return S[0] == '-' ? -2147483648.0 : 2147483647.0;
        }
        case itHex: return ParseFromStart(S, ParseHexDigits);
        case itOct: return ParseFromStart(S, ParseOctDigits);
        case itBin: return ParseFromStart(S, ParseBinDigits);
        case itDynamic:
            if (S.empty()) return 0.0;
            switch (S[0]) {
                case '$': return ParseFromStart(S.substr(1), ParseHexDigits);
                case '%': return ParseFromStart(S.substr(1), ParseBinDigits);
                case '&': return ParseFromStart(S.substr(1), ParseOctDigits);
                default: return ScanFromStart(S);
            }
    }
    return 0.0;
}

std::string NumIO2WriteText(double Value, TInFormat Format, int FixDecimals, int SignificantDigits,
                            TDecPSep DecPSep) {
    if (std::isnan(Value)) Value = 0.0;
    Value = std::clamp(Value, -uc_MaxDouble, uc_MaxDouble);
    std::string s;
    switch (Format) {
        case itExp: s = ExponentText(SignificantDigits + 6, Value); break;
        case itFloat:
        case itFixPoint: s = FormatReal(1, FixDecimals, Value); break;
        case itInt: return vcl::IntToStr(vcl::Round(std::clamp(Value, -2147483648.0, 2147483647.0)));
        case itHex: return FormatHex(RoundToPattern(Value), 8);
        case itOct: return FormatOct(RoundToPattern(Value), 11);
        case itBin: return FormatBin(RoundToPattern(Value), 32);
        case itDynamic:
            // Beyond the 64-bit integers a double is a whole number already.
            if (std::fabs(Value) < 9.2e18) return vcl::IntToStr(vcl::Round(Value));
            return FormatReal(1, 0, Value);
    }
    const char separator = NumIO2SeparatorChar(DecPSep);
    if (separator != '.') ReplaceChar(s, '.', separator);
    return s;
}

std::string NumIO2ConvertSeparator(std::string Buffer, TDecPSep Old, TDecPSep New) {
    if (New == dpsPointOrComma) return Buffer;
    const char to = NumIO2SeparatorChar(New);
    if (Old == dpsPointOrComma) {
        ReplaceChar(Buffer, '.', to);
        ReplaceChar(Buffer, ',', to);
        return Buffer;
    }
    const char from = NumIO2SeparatorChar(Old);
    if (from != to) ReplaceChar(Buffer, from, to);
    return Buffer;
}

// ---- buttons and gauge ------------------------------------------------------------------

int NearestPivotIndex(const TDoubleArray& Pivots, double V) {
    int nearest = 0;
    double best = uc_MaxReal;
    for (int i = 0; i < int(Pivots.size()); ++i) {
        const double d = std::fabs(Pivots[std::size_t(i)] - V);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

double PivotStep(const TDoubleArray& Pivots, double V, bool Up, int FixDecimals) {
    // A value within s of its nearest pivot counts as standing on it.
    const double s = std::exp(-FixDecimals * uc_ln10);
    int l = NearestPivotIndex(Pivots, V);
    const int last = int(Pivots.size()) - 1;
    if (Up) {
        if (Pivots[std::size_t(l)] - s <= V && l < last) ++l;
    } else {
        if (Pivots[std::size_t(l)] + s >= V && l > 0) --l;
    }
    return Pivots[std::size_t(l)];
}

double GaugeValueAt(int X, int Left, int Width, double Low, double High, const TDoubleArray& Pivots) {
    double v = Low;
    if (Width > 0) v = Low + double(X - Left) / Width * (High - Low);
    if (!Pivots.empty()) v = Pivots[std::size_t(NearestPivotIndex(Pivots, v))];
    return std::clamp(v, std::min(Low, High), std::max(Low, High));
}

double GaugeFraction(double V, double Low, double High) {
    if (High == Low) return 1.0;
    const double f = (V - Low) / (High - Low);
    if (std::isnan(f)) return 0.0;
    return std::clamp(f, 0.0, 1.0);
}

// ---- keys -------------------------------------------------------------------------------

char32_t NumIO2KeyChar(vcl::WORD Key, bool Shift) {
    char32_t c = 0;
    if (Key >= 48 && Key <= 57) c = U'0' + (Key - 48);
    else if (Key >= 65 && Key <= 70) c = U'A' + (Key - 65);
    else if (Key >= 96 && Key <= 105) c = U'0' + (Key - 96);
    else if (Key == 107 || Key == 187) c = U'+';
    else if (Key == 109 || Key == 189) c = U'-';
    else if (Key == 110 || Key == 188) c = U',';
    else if (Key == 190) c = U'.';
    if (Shift) {
        if (c == U'4') c = U'$';
        else if (c == U'5') c = U'%';
        else if (c == U'6') c = U'&';
    }
    return c;
}

// ---- geometry ---------------------------------------------------------------------------

TNumIO2Geometry NumIO2Geometry(int LeftSpace, int TextBoxWidth, bool ButVisible, int ButWidth,
                               int ButSpace, bool GaugeVisible, int GaugeHeight, int GaugeTopMargin,
                               int Height, int TextHeight) {
    // The properties may be any int: each is brought within the largest surface's extent
    // first, so the sums below and those of the painting stay in range.
    LeftSpace = vcl::ClampCoord(LeftSpace);
    TextBoxWidth = vcl::ClampCoord(TextBoxWidth);
    ButWidth = vcl::ClampCoord(ButWidth);
    ButSpace = vcl::ClampCoord(ButSpace);
    GaugeHeight = vcl::ClampCoord(GaugeHeight);
    GaugeTopMargin = vcl::ClampCoord(GaugeTopMargin);
    Height = vcl::ClampCoord(Height);
    TNumIO2Geometry g;
    g.LS = LeftSpace;
    g.TBW = TextBoxWidth;
    g.BW = ButVisible ? ButWidth + ButSpace : 0;
    g.G = GaugeVisible ? GaugeHeight + GaugeTopMargin + 1 : 0;
    g.TH = TextHeight;
    g.YT = (Height - g.G - TextHeight) / 2;
    g.BH = Height - g.G - 4;
    return g;
}

int NumIO2TextX(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, int TW) {
    switch (Alignment) {
        case vcl::taLeftJustify: return Geo.LS + 4;
        case vcl::taRightJustify: return Geo.LS + Geo.TBW - TW - 2;
        case vcl::taCenter:
        default: return Geo.LS + (Geo.TBW - TW) / 2 + 2;
    }
}

int NumIO2CharPosToX(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, int TW, int CW) {
    return CW + NumIO2TextX(Geo, Alignment, TW);
}

std::vector<int> NumIO2PrefixWidths(std::string_view Text, const std::function<int(std::string_view)>& Width) {
    // The canvas measures a line as the sum of the whole-pixel advances of the code points it
    // decodes, with nothing between neighbours, so a prefix is as wide as its part up to a
    // place where the canvas starts a code point plus the rest. Its decoder starts one at
    // every byte that is not a continuation byte (10xxxxxx), and reads none longer than four
    // bytes. The pieces measured here start at such a place and never hold more than four
    // bytes, even where a character of the text is an invalid byte the canvas joins to its
    // neighbours.
    std::vector<int> widths{0};
    widths.reserve(Text.size() + 1);
    std::size_t anchor = 0;   // a place where the canvas starts a code point
    std::size_t lead = 0;     // the last byte that is no continuation byte
    int anchorWidth = 0;
    for (std::size_t pos = 0; pos < Text.size();) {
        vcl::Utf8Decode(Text, pos);
        const int w = vcl::SatAdd(anchorWidth, Width(Text.substr(anchor, pos - anchor)));
        widths.push_back(w);
        const bool starts = pos == Text.size() || (static_cast<unsigned char>(Text[pos]) & 0xC0) != 0x80;
        if (starts) lead = pos;
        if (starts || pos - lead >= 4) {
            anchor = pos;
            anchorWidth = w;
        }
    }
    return widths;
}

int NumIO2XToCharPos(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, const std::vector<int>& Widths, int X) {
    if (Widths.size() < 2) return 0;
    const int textX = NumIO2TextX(Geo, Alignment, Widths.back());
    int nearest = 0;
    long long best = std::numeric_limits<long long>::max();
    for (int n = 0; n < int(Widths.size()); ++n) {
        const long long d = std::llabs((long long)X - ((long long)textX + Widths[std::size_t(n)] - 1));
        if (d < best) {
            best = d;
            nearest = n;
        }
    }
    return nearest;
}

}  // namespace zyn
