// Where the on/off button puts its glyph and texts, which presses hit the glyph, and how a
// glyph sheet is cut into the four state pictures. Nothing here draws on the control.
#include "onoffbut/Zyn_onoffbut.h"

#include <algorithm>

#include "framework/Zyn_conventions.h"

namespace zyn {

using namespace vcl;

const char* OnOffButStyleResource(TOnOffButStyle Style) {
    static constexpr const char* Names[] = {
        "",           "CHECKBOX", "RADIOBUT", "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB",
        "COLSLIDELR", "LEDREDGREEN", "ARROWTR", "ARROWUD",   "ARROWLR",     "TRAFFICLGT",
        "BEVELEDLED", "SMILEYS",  "SMILEYRG", "BULB",        "BUTLAMP",     "HDLEFT",
        "HDRIGHT",    "USER1",    "USER2",    "USER3",       "USER4",       "USER5",
    };
    static_assert(std::size(Names) == oobsUser5 + 1);
    return Style <= oobsUser5 ? Names[Style] : "";
}

std::string OnOffButAlphaResource(TOnOffButStyle Style) {
    const std::string sheet = OnOffButStyleResource(Style);
    return sheet.empty() ? sheet : sheet + "_ALPHA";
}

TSize CutGlyphSheet(TBitmap* Sheet, TOnOffButImages& Images) {
    const int gw = Sheet->GetWidth() / 2, gh = Sheet->GetHeight() / 2;
    // Cell origins in the sheet, by state index: off/disabled, off/enabled, on/disabled,
    // on/enabled.
    const TPoint cells[4] = {{gw, gh}, {gw, 0}, {0, gh}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        auto img = std::make_unique<TBitmap>();
        img->SetSize(gw, gh);
        TCanvas* c = img->GetCanvas();
        c->SetCopyMode(cmSrcCopy);
        c->CopyRect(Rect(0, 0, gw, gh), Sheet->GetCanvas(), Bounds(cells[i].X, cells[i].Y, gw, gh));
        Images[i] = std::move(img);
    }
    return TSize(gw, gh);
}

void CutAlphaSheet(TBitmap* Sheet, TOnOffButAlphas& Alphas) {
    TBitmap grey;
    grey.Assign(Sheet);
    grey.SetPixelFormat(pf32bit);
    const int gw = grey.GetWidth() / 2, gh = grey.GetHeight() / 2;
    const TPoint cells[4] = {{gw, gh}, {gw, 0}, {0, gh}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        std::vector<std::uint8_t> alpha(std::size_t(gw) * std::size_t(gh));
        for (int y = 0; y < gh; ++y) {
            const std::uint8_t* row = grey.ScanLine(cells[i].Y + y);
            for (int x = 0; x < gw; ++x) alpha[std::size_t(y) * gw + x] = row[4 * (cells[i].X + x) + 2];
        }
        Alphas[i] = std::move(alpha);
    }
}

TColor OnOffButCompositeEdge(TColor Pixel, int Alpha, TColor Ground) {
    return CompositeArtworkEdge(Pixel, Alpha, Ground, OnOffButArtworkGround);
}

TPoint OnOffButTextPos(TOnOffButTextSide Side, TAlignment Alignment, int TextWidth, int TextHeight,
                       const TOnOffButPlacement& P) {
    const int LS = P.LeftSpace, TS = P.TopSpace, gw = P.GlyphWidth, gh = P.GlyphHeight;
    const int tw = TextWidth, h = TextHeight, W = P.Width;
    // The gaps are 96 dpi sizes: on a denser form the texts keep their distance in inches
    // from the glyph and the edges as glyph and font grow.
    const int edge = ScaleMetric(4, P.PPI), near = ScaleMetric(3, P.PPI), gap = ScaleMetric(4, P.PPI);
    const int one = ScaleMetric(1, P.PPI);
    switch (Side) {
        case otsLeft: {
            const int y = TS + (gh - h) / 2;
            switch (Alignment) {
                case taLeftJustify: return {edge, y};
                case taRightJustify: return {LS - tw - near, y};
                default: return {(LS - tw) / 2, y};
            }
        }
        case otsRight: {
            const int y = TS + (gh - h) / 2;
            switch (Alignment) {
                case taLeftJustify: return {LS + gw + gap, y};
                case taRightJustify: return {W - tw - edge, y};
                default: return {(W - tw - LS - gw) / 2 + LS + gw + one, y};
            }
        }
        case otsTop:
        case otsBottom: {
            const int y = Side == otsTop ? TS - h - gap : TS + gh + gap;
            switch (Alignment) {
                case taLeftJustify: return {edge, y};
                case taRightJustify: return {W - tw - edge, y};
                default: return {LS + (gw - tw) / 2, y};
            }
        }
    }
    return {0, 0};
}

TPoint CenteredGlyphSpaces(const TOnOffButPlacement& P) {
    return {(P.Width - P.GlyphWidth) / 2, (P.Height - P.GlyphHeight) / 2};
}

bool OnOffButGlyphHit(int X, int Y, const TOnOffButPlacement& P) {
    return P.LeftSpace < X && X < P.LeftSpace + P.GlyphWidth && P.TopSpace < Y && Y < P.TopSpace + P.GlyphHeight;
}

}  // namespace zyn
