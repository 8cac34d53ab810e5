// The palette pictograms. Each is drawn on a 24 x 24 field with the light from the top left;
// edges sit on half units so that the 1x and 2x lines fall on whole pixels. Outlines are a
// mid slate that reads on light and on dark list backgrounds alike, and every shape has a
// light fill, so the icon keeps its silhouette on either.
#include "tools/resgen/PaletteIcons.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace resgen {

namespace {

const unsigned kLine = 0x4F5B6B;      // outlines
const unsigned kInk = 0x35404E;       // "text" strokes
const unsigned kAccent = 0x2F7FD8;    // selection, caret, lit parts
const unsigned kAccentDark = 0x1B56A6;

Paint Vertical(float y0, float y1, unsigned top, unsigned bottom) {
    return Linear({0, y0}, {0, y1}, {{0, Hex(top)}, {1, Hex(bottom)}});
}

void Border(Raster& r, const Shape& s, unsigned rgb = kLine, float halfWidth = 0.5f) { r.Fill(Outline(s, halfWidth), Hex(rgb)); }

// A framed box: a light gradient inside a one-unit outline.
Shape Box(Raster& r, float x0, float y0, float x1, float y1, float radius = 1.5f, unsigned top = 0xFFFFFF,
          unsigned bottom = 0xE6EBF1, unsigned line = kLine) {
    const Shape s = RoundRect(x0, y0, x1, y1, radius);
    r.Fill(s, Vertical(y0, y1, top, bottom));
    Border(r, s, line);
    return s;
}

void Bar(Raster& r, float x0, float y, float x1, unsigned rgb = kInk, float halfWidth = 0.75f) {
    r.Fill(Capsule(x0, y, x1, y, halfWidth), Hex(rgb));
}

void Line(Raster& r, float x0, float y0, float x1, float y1, unsigned rgb = kLine, float halfWidth = 0.5f) {
    r.Fill(Capsule(x0, y0, x1, y1, halfWidth), Hex(rgb));
}

// A down-pointing arrow head centred on (cx, cy).
void DownArrow(Raster& r, float cx, float cy, float w, unsigned rgb = kInk) {
    r.Fill(Polygon({{cx - w, cy - w * 0.5f}, {cx + w, cy - w * 0.5f}, {cx, cy + w * 0.6f}}), Hex(rgb));
}

// A letter A of height h standing on (cx, base), turned by angle radians about (px, py).
void LetterA(Raster& r, float cx, float base, float h, float halfWidth, unsigned rgb, float angle = 0, float px = 12,
             float py = 12) {
    const float c = std::cos(angle), s = std::sin(angle);
    auto t = [&](float x, float y) {
        return Pt{px + (x - px) * c - (y - py) * s, py + (x - px) * s + (y - py) * c};
    };
    const float w = h * 0.42f;
    const Pt top = t(cx, base - h), left = t(cx - w, base), right = t(cx + w, base);
    const Pt bl = t(cx - w * 0.52f, base - h * 0.36f), br = t(cx + w * 0.52f, base - h * 0.36f);
    const Shape a = Union(Union(Capsule(left.x, left.y, top.x, top.y, halfWidth), Capsule(top.x, top.y, right.x, right.y, halfWidth)),
                          Capsule(bl.x, bl.y, br.x, br.y, halfWidth * 0.85f));
    r.Fill(a, Hex(rgb));
}

// Seven-segment digit in a cell (x0, y0) - (x0 + w, y0 + h); Segments: bit 0 a (top) .. 6 g.
void Digit(Raster& r, float x0, float y0, float w, float h, unsigned segments, unsigned on, unsigned off, float t = 1.1f) {
    const float xm = x0 + w, ym = y0 + h / 2, yb = y0 + h, g = 0.35f;
    struct Seg { Pt a, b; };
    const Seg seg[7] = {{{x0 + g, y0}, {xm - g, y0}},  {{xm, y0 + g}, {xm, ym - g}}, {{xm, ym + g}, {xm, yb - g}},
                        {{x0 + g, yb}, {xm - g, yb}},  {{x0, ym + g}, {x0, yb - g}}, {{x0, y0 + g}, {x0, ym - g}},
                        {{x0 + g, ym}, {xm - g, ym}}};
    for (int i = 0; i < 7; ++i) {
        const bool lit = (segments >> i) & 1u;
        r.Fill(Capsule(seg[i].a.x, seg[i].a.y, seg[i].b.x, seg[i].b.y, t / 2), Hex(lit ? on : off));
    }
}

// Small stroke digits for numeric fields ("12.5"): a few strokes each, ink coloured.
void SmallDigits(Raster& r, float x, float y0, float h, const char* text, unsigned rgb, float hw = 0.55f) {
    const unsigned codes[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const float w = h * 0.5f;
    for (const char* p = text; *p; ++p) {
        if (*p == '.') {
            r.Fill(Circle(x + 0.2f, y0 + h, hw * 1.1f), Hex(rgb));
            x += 1.6f;
            continue;
        }
        const unsigned code = codes[*p - '0'];
        const float xm = x + w, ym = y0 + h / 2, yb = y0 + h;
        const Pt a[7][2] = {{{x, y0}, {xm, y0}}, {{xm, y0}, {xm, ym}}, {{xm, ym}, {xm, yb}}, {{x, yb}, {xm, yb}},
                            {{x, ym}, {x, yb}},  {{x, y0}, {x, ym}},   {{x, ym}, {xm, ym}}};
        for (int i = 0; i < 7; ++i)
            if ((code >> i) & 1u) r.Fill(Capsule(a[i][0].x, a[i][0].y, a[i][1].x, a[i][1].y, hw), Hex(rgb));
        x += w + 2.0f;
    }
}

// A sunken edit field spanning the given rectangle.
Shape Field(Raster& r, float x0, float y0, float x1, float y1) {
    const Shape s = Box(r, x0, y0, x1, y1, 1.2f, 0xF4F7FA, 0xFFFFFF);
    r.Fill(Intersect(Outline(Grow(s, -1.0f), 0.5f), [=](float, float y) { return y - (y0 + 1.8f); }), Hex(0x000000, 0.10f));
    return s;
}

// A folder: tab and body in manila.
void Folder(Raster& r, float x0, float y0, float w, float h) {
    const Shape tab = RoundRect(x0, y0, x0 + w * 0.45f, y0 + h * 0.4f, 0.8f);
    const Shape body = RoundRect(x0, y0 + h * 0.22f, x0 + w, y0 + h, 0.9f);
    const Shape all = Union(tab, body);
    r.Fill(all, Vertical(y0, y0 + h, 0xFFD873, 0xE8A93A));
    Border(r, all, 0x9A6A1C);
}

// A small picture tile: sky, hill and sun.
void Picture(Raster& r, float x0, float y0, float x1, float y1, unsigned sky, unsigned hill) {
    const Shape frame = RoundRect(x0, y0, x1, y1, 0.6f);
    r.Fill(frame, Vertical(y0, y1, sky, 0xFFFFFF));
    const float w = x1 - x0, h = y1 - y0;
    r.Fill(Intersect(frame, Polygon({{x0, y1}, {x0 + w * 0.38f, y0 + h * 0.45f}, {x0 + w * 0.62f, y0 + h * 0.75f},
                                     {x0 + w * 0.78f, y0 + h * 0.58f}, {x1, y1}})),
           Hex(hill));
    r.Fill(Circle(x0 + w * 0.72f, y0 + h * 0.3f, w * 0.11f), Hex(0xFFC531));
    Border(r, frame);
}

// ---- the pictograms ---------------------------------------------------------------------

void Button(Raster& r) {
    const Shape s = RoundRect(2.5f, 6.5f, 21.5f, 17.5f, 2.5f);
    r.DropShadow(s, 0.4f, 0.7f, 0.25f);
    r.Fill(s, Vertical(6.5f, 17.5f, 0xFDFEFF, 0xD5DDE7));
    Border(r, s);
    Bar(r, 7.5f, 12.0f, 16.5f);
}

void SpeedButton(Raster& r) {
    const Shape s = RoundRect(3.5f, 3.5f, 20.5f, 20.5f, 2.5f);
    r.DropShadow(s, 0.4f, 0.7f, 0.25f);
    r.Fill(s, Vertical(3.5f, 20.5f, 0xFDFEFF, 0xD5DDE7));
    Border(r, s);
    r.Fill(Polygon({{9.0f, 7.5f}, {16.5f, 12.0f}, {9.0f, 16.5f}}), Vertical(7.5f, 16.5f, 0x5FD06B, 0x1E8B2C));
    Border(r, Polygon({{9.0f, 7.5f}, {16.5f, 12.0f}, {9.0f, 16.5f}}), 0x166B21, 0.4f);
}

void RepSpeedButton(Raster& r) {
    const Shape s = RoundRect(3.5f, 3.5f, 20.5f, 20.5f, 2.5f);
    r.DropShadow(s, 0.4f, 0.7f, 0.25f);
    r.Fill(s, Vertical(3.5f, 20.5f, 0xFDFEFF, 0xD5DDE7));
    Border(r, s);
    // Two arrow heads, the repeating press.
    for (float x : {6.5f, 11.5f}) {
        const Shape head = Polygon({{x, 7.5f}, {x + 6.0f, 12.0f}, {x, 16.5f}});
        r.Fill(head, Vertical(7.5f, 16.5f, 0x6AA9F0, kAccentDark));
    }
}

void CheckBox(Raster& r) {
    const Shape box = RoundRect(2.5f, 6.5f, 13.5f, 17.5f, 2.0f);
    r.Fill(box, Vertical(6.5f, 17.5f, 0x62ACF5, 0x1C5DBE));
    Border(r, box, 0x174A96);
    const Shape tick = Union(Capsule(5.0f, 12.0f, 7.3f, 14.5f, 1.0f), Capsule(7.3f, 14.5f, 11.2f, 9.0f, 1.0f));
    r.Fill(tick, Hex(0xFFFFFF));
    Bar(r, 16.0f, 12.0f, 21.5f);
}

void Edit(Raster& r) {
    Field(r, 1.5f, 6.5f, 22.5f, 17.5f);
    Bar(r, 4.5f, 12.0f, 12.5f);
    Line(r, 15.0f, 8.8f, 15.0f, 15.2f, kAccent, 0.55f);
}

void MaskEdit(Raster& r) {
    Field(r, 1.5f, 6.5f, 22.5f, 17.5f);
    // A fixed pattern: two digits, a separator, two blanks.
    SmallDigits(r, 4.0f, 9.5f, 5.0f, "12", kInk, 0.5f);
    Line(r, 12.2f, 12.0f, 13.6f, 12.0f, kInk, 0.55f);
    Bar(r, 15.2f, 15.0f, 16.8f, kAccent, 0.5f);
    Bar(r, 18.4f, 15.0f, 20.0f, kAccent, 0.5f);
}

void Memo(Raster& r) {
    Field(r, 2.5f, 2.5f, 21.5f, 21.5f);
    r.Fill(RoundRect(17.5f, 3.5f, 20.5f, 20.5f, 0.6f), Hex(0xDCE3EB));
    r.Fill(RoundRect(18.0f, 5.0f, 20.0f, 11.0f, 0.8f), Hex(0x8996A6));
    for (int i = 0; i < 5; ++i) Bar(r, 5.0f, 6.0f + 3.0f * float(i), i % 2 ? 12.0f : 14.5f, kInk, 0.6f);
}

void Label(Raster& r) {
    LetterA(r, 9.0f, 18.5f, 13.0f, 1.35f, kInk);
    Bar(r, 15.5f, 17.5f, 21.5f, kAccent, 0.8f);
}

void RotLab(Raster& r) {
    // The letter turned a quarter turn against the clock, with its baseline beside it.
    const float a = -1.5707963f;
    LetterA(r, 12.5f, 19.0f, 13.0f, 1.35f, kInk, a, 12.0f, 12.0f);
    r.Fill(Capsule(19.0f, 4.0f, 19.0f, 20.0f, 0.65f), Hex(kAccent));
    r.Fill(Polygon({{17.0f, 6.5f}, {19.0f, 3.0f}, {21.0f, 6.5f}}), Hex(kAccent));
}

void ListBox(Raster& r) {
    Box(r, 2.5f, 2.5f, 21.5f, 21.5f, 1.2f, 0xFFFFFF, 0xF3F6F9);
    r.Fill(RoundRect(3.5f, 8.5f, 20.5f, 13.5f, 0.5f), Hex(kAccent));
    const float ys[] = {6.0f, 11.0f, 16.0f, 19.5f};
    for (int i = 0; i < 4; ++i) Bar(r, 6.0f, ys[i], i == 2 ? 13.0f : 16.0f, i == 1 ? 0xFFFFFF : kInk, 0.6f);
}

void ComboBox(Raster& r) {
    // The field with its button, and its list dropped below.
    Box(r, 4.5f, 11.5f, 21.5f, 21.5f, 0.8f, 0xFFFFFF, 0xF3F6F9);
    r.Fill(RoundRect(5.5f, 13.5f, 20.5f, 17.0f, 0.4f), Hex(kAccent));
    Bar(r, 7.0f, 15.3f, 15.0f, 0xFFFFFF, 0.55f);
    Bar(r, 7.0f, 19.3f, 13.0f, kInk, 0.55f);
    Field(r, 1.5f, 2.5f, 22.5f, 10.5f);
    Bar(r, 4.0f, 6.5f, 11.0f, kInk, 0.65f);
    r.Fill(RoundRect(15.5f, 3.5f, 21.5f, 9.5f, 0.8f), Vertical(3.5f, 9.5f, 0xFDFEFF, 0xD5DDE7));
    Line(r, 15.0f, 3.5f, 15.0f, 9.5f, 0x9AA6B4, 0.5f);
    DownArrow(r, 18.5f, 6.5f, 2.0f);
}

void ColSel(Raster& r) {
    Field(r, 1.5f, 5.5f, 22.5f, 18.5f);
    // The chosen colour's swatch and the drop button.
    const Shape sw = RoundRect(3.5f, 7.5f, 14.5f, 16.5f, 0.8f);
    r.Fill(sw, Linear({3.5f, 7.5f}, {14.5f, 16.5f}, {{0, Hex(0xFF6B5A)}, {1, Hex(0xD42A1C)}}));
    Border(r, sw, 0x7A1810);
    r.Fill(RoundRect(16.0f, 6.5f, 21.5f, 17.5f, 0.8f), Vertical(6.5f, 17.5f, 0xFDFEFF, 0xD5DDE7));
    DownArrow(r, 18.75f, 12.0f, 1.8f);
}

// A dialog window: light client area under a title bar in the accent colour.
void DialogWindow(Raster& r) {
    const Shape win = RoundRect(1.5f, 2.5f, 22.5f, 21.5f, 1.5f);
    r.DropShadow(win, 0.4f, 0.7f, 0.25f);
    r.Fill(win, Hex(0xF7F9FB));
    r.Fill(Intersect(win, [](float, float y) { return y - 6.5f; }), Vertical(2.5f, 6.5f, 0x5B9BE6, kAccentDark));
    Border(r, win);
}

void ColorDialog(Raster& r) {
    // A dialog window holding a grid of swatches.
    DialogWindow(r);
    const unsigned colors[6] = {0xE8412E, 0xF5A623, 0xF2D21B, 0x3DB54A, 0x2F7FD8, 0x8E44C4};
    for (int i = 0; i < 6; ++i) {
        const float x = 4.0f + float(i % 3) * 6.0f, y = 9.0f + float(i / 3) * 6.0f;
        const Shape s = RoundRect(x, y, x + 4.5f, y + 4.5f, 0.6f);
        r.Fill(s, Hex(colors[i]));
        Border(r, s, 0x3A4452, 0.35f);
    }
}

// A file dialog: a folder in a dialog window, with an arrow out of it (open) or into it
// (save).
void FileDialog(Raster& r, bool Save) {
    DialogWindow(r);
    Folder(r, 4.0f, 11.0f, 12.5f, 8.5f);
    const float x = 17.5f, top = 9.0f, bottom = 18.5f;
    Line(r, x, top + (Save ? 0.0f : 2.5f), x, bottom - (Save ? 2.5f : 0.0f), 0x1E8B2C, 0.8f);
    const Pt tip = Save ? Pt{x, bottom} : Pt{x, top};
    const float back = Save ? -3.5f : 3.5f;
    r.Fill(Polygon({tip, {x + 3.0f, tip.y + back}, {x - 3.0f, tip.y + back}}), Hex(0x1E8B2C));
}

void OpenDialog(Raster& r) { FileDialog(r, false); }
void SaveDialog(Raster& r) { FileDialog(r, true); }

void Panel(Raster& r) {
    const float x0 = 2.5f, y0 = 3.5f, x1 = 21.5f, y1 = 20.5f;
    r.DropShadow(RoundRect(x0, y0, x1, y1, 1.0f), 0.5f, 0.8f, 0.3f);
    r.Fill(RoundRect(x0, y0, x1, y1, 1.0f), Vertical(y0, y1, 0xECF0F4, 0xD3DAE2));
    // Raised: light along the top and left, shade along the bottom and right.
    Line(r, x0 + 1.2f, y0 + 1.0f, x1 - 1.2f, y0 + 1.0f, 0xFFFFFF, 0.5f);
    Line(r, x0 + 1.0f, y0 + 1.2f, x0 + 1.0f, y1 - 1.2f, 0xFFFFFF, 0.5f);
    Line(r, x0 + 1.2f, y1 - 1.0f, x1 - 1.2f, y1 - 1.0f, 0x9AA6B4, 0.5f);
    Line(r, x1 - 1.0f, y0 + 1.2f, x1 - 1.0f, y1 - 1.2f, 0x9AA6B4, 0.5f);
    Border(r, RoundRect(x0, y0, x1, y1, 1.0f));
}

void Bevel(Raster& r) {
    // A sunken frame: shade above and left, light below and right, nothing inside.
    const float x0 = 3.5f, y0 = 4.5f, x1 = 20.5f, y1 = 19.5f;
    r.Fill(Outline(RoundRect(x0, y0, x1, y1, 0.5f), 1.0f), Hex(0xEEF2F6, 0.9f));
    Line(r, x0, y0, x1, y0, 0x5E6B7B, 0.5f);
    Line(r, x0, y0, x0, y1, 0x5E6B7B, 0.5f);
    Line(r, x0 + 1.0f, y1, x1, y1, 0xFFFFFF, 0.5f);
    Line(r, x1, y0 + 1.0f, x1, y1, 0xFFFFFF, 0.5f);
    Line(r, x0 + 1.0f, y0 + 1.0f, x1 - 1.0f, y0 + 1.0f, 0xFFFFFF, 0.5f);
    Line(r, x0 + 1.0f, y0 + 1.0f, x0 + 1.0f, y1 - 1.0f, 0xFFFFFF, 0.5f);
    Line(r, x0 + 1.0f, y1 + 1.0f, x1 + 1.0f, y1 + 1.0f, 0x5E6B7B, 0.5f);
    Line(r, x1 + 1.0f, y0, x1 + 1.0f, y1 + 1.0f, 0x5E6B7B, 0.5f);
}

void Grid(Raster& r, bool colouredCells) {
    const float x0 = 1.5f, y0 = 2.5f, x1 = 22.5f, y1 = 21.5f;
    const Shape s = RoundRect(x0, y0, x1, y1, 0.8f);
    r.Fill(s, Hex(0xFFFFFF));
    // Fixed row and column in the button face.
    r.Fill(Intersect(s, [=](float, float y) { return y - (y0 + 4.5f); }), Vertical(y0, y0 + 4.5f, 0xF2F5F8, 0xD9E0E8));
    r.Fill(Intersect(s, [=](float x, float) { return x - (x0 + 5.0f); }), Hex(0xE3E8EE));
    const float xs[] = {x0 + 5.0f, x0 + 10.5f, x0 + 16.0f}, ys[] = {y0 + 4.5f, y0 + 9.5f, y0 + 14.5f};
    if (colouredCells) {
        const unsigned c[4] = {0xF5A623, 0x3DB54A, 0x2F7FD8, 0xE8412E};
        r.Fill(RoundRect(xs[0] + 1.0f, ys[0] + 1.0f, xs[1] - 1.0f, ys[1] - 1.0f, 0.5f), Hex(c[0]));
        r.Fill(Circle((xs[1] + xs[2]) / 2, (ys[1] + ys[2]) / 2, 1.9f), Hex(c[1]));
        r.Fill(Polygon({{xs[2] + 1.0f, ys[2] + 4.0f}, {xs[2] + 2.75f, ys[2] + 1.0f}, {xs[2] + 4.5f, ys[2] + 4.0f}}), Hex(c[2]));
        r.Fill(RoundRect(xs[0] + 1.0f, ys[2] + 1.0f, xs[1] - 1.0f, ys[2] + 4.0f, 0.5f), Hex(c[3]));
    } else {
        for (float y : ys)
            for (int k = 0; k < 3; ++k) Bar(r, xs[k] + 1.3f, y + 2.5f, xs[k] + (k == 1 ? 3.0f : 4.0f), kInk, 0.55f);
    }
    for (float x : xs) Line(r, x, y0, x, y1, 0xA9B4C1, 0.5f);
    for (float y : ys) Line(r, x0, y, x1, y, 0xA9B4C1, 0.5f);
    Border(r, s);
}

void StringGrid(Raster& r) { Grid(r, false); }
void DrawGrid(Raster& r) { Grid(r, true); }

void NTabEd(Raster& r) {
    // A table of numbers with the cell being edited outlined.
    const float x0 = 1.5f, y0 = 2.5f, x1 = 22.5f, y1 = 21.5f;
    const Shape s = RoundRect(x0, y0, x1, y1, 0.8f);
    r.Fill(s, Hex(0xFFFFFF));
    r.Fill(Intersect(s, [=](float, float y) { return y - (y0 + 4.5f); }), Vertical(y0, y0 + 4.5f, 0xF2F5F8, 0xD9E0E8));
    for (float y : {y0 + 4.5f, y0 + 10.5f}) Line(r, x0, y, x1, y, 0xA9B4C1, 0.5f);
    Line(r, 12.0f, y0, 12.0f, y1, 0xA9B4C1, 0.5f);
    SmallDigits(r, 4.5f, 9.0f, 3.5f, "12", kInk, 0.45f);
    SmallDigits(r, 14.5f, 9.0f, 3.5f, "7.5", kInk, 0.45f);
    SmallDigits(r, 4.5f, 15.5f, 3.5f, "30", kInk, 0.45f);
    r.Fill(Outline(RoundRect(12.5f, 13.5f, 21.5f, 20.5f, 0.5f), 0.6f), Hex(kAccent));
    SmallDigits(r, 14.5f, 15.5f, 3.5f, "4", kInk, 0.45f);
    Line(r, 18.5f, 15.0f, 18.5f, 19.5f, kAccent, 0.45f);
    Border(r, s);
}

void ReportListView(Raster& r) {
    const float x0 = 1.5f, y0 = 2.5f, x1 = 22.5f, y1 = 21.5f;
    const Shape s = RoundRect(x0, y0, x1, y1, 0.8f);
    r.Fill(s, Hex(0xFFFFFF));
    r.Fill(Intersect(s, [=](float, float y) { return y - (y0 + 4.5f); }), Vertical(y0, y0 + 4.5f, 0xF7F9FB, 0xD3DAE2));
    Line(r, x0, y0 + 4.5f, x1, y0 + 4.5f, 0x9AA6B4, 0.5f);
    Line(r, 10.5f, y0 + 0.5f, 10.5f, y0 + 4.0f, 0x9AA6B4, 0.5f);
    Line(r, 17.0f, y0 + 0.5f, 17.0f, y0 + 4.0f, 0x9AA6B4, 0.5f);
    Bar(r, 3.5f, y0 + 2.3f, 7.5f, kInk, 0.5f);
    Bar(r, 12.5f, y0 + 2.3f, 15.0f, kInk, 0.5f);
    r.Fill(RoundRect(2.5f, 12.0f, 21.5f, 15.5f, 0.3f), Hex(kAccent));
    const float ys[] = {10.0f, 13.75f, 17.5f};
    for (int i = 0; i < 3; ++i) {
        const unsigned c = i == 1 ? 0xFFFFFF : kInk;
        Bar(r, 3.5f, ys[i], i == 2 ? 7.0f : 8.5f, c, 0.55f);
        Bar(r, 12.5f, ys[i], 15.0f, c, 0.55f);
        Bar(r, 18.5f, ys[i], 20.5f, c, 0.55f);
    }
    Border(r, s);
}

void TreeView(Raster& r) {
    Box(r, 1.5f, 1.5f, 22.5f, 22.5f, 1.0f, 0xFFFFFF, 0xF5F7FA);
    // Dotted guide lines from each parent down to its children.
    for (float y = 7.0f; y < 18.0f; y += 2.0f) r.Fill(Circle(6.0f, y, 0.45f), Hex(0x8996A6));
    for (float x = 7.5f; x < 10.0f; x += 2.0f) {
        r.Fill(Circle(x, 11.5f, 0.45f), Hex(0x8996A6));
        r.Fill(Circle(x, 17.5f, 0.45f), Hex(0x8996A6));
    }
    auto node = [&](float x, float y, bool open) {
        const Shape s = RoundRect(x - 2.0f, y - 2.0f, x + 2.0f, y + 2.0f, 0.4f);
        r.Fill(s, Hex(0xFFFFFF));
        Border(r, s, 0x6D7A8A, 0.4f);
        Line(r, x - 1.1f, y, x + 1.1f, y, kInk, 0.4f);
        if (!open) Line(r, x, y - 1.1f, x, y + 1.1f, kInk, 0.4f);
    };
    node(6.0f, 5.5f, true);
    Bar(r, 10.0f, 5.5f, 18.5f, kInk, 0.65f);
    Bar(r, 11.0f, 11.5f, 19.0f, kInk, 0.65f);
    node(12.0f - 0.5f, 17.5f, false);
    Bar(r, 15.0f, 17.5f, 20.5f, kInk, 0.65f);
}

void FolderTree(Raster& r) {
    for (float y = 9.5f; y < 19.0f; y += 2.0f) r.Fill(Circle(5.0f, y, 0.45f), Hex(0x8996A6));
    for (float x = 6.5f; x < 9.0f; x += 2.0f) {
        r.Fill(Circle(x, 12.5f, 0.45f), Hex(0x8996A6));
        r.Fill(Circle(x, 19.0f, 0.45f), Hex(0x8996A6));
    }
    Folder(r, 1.5f, 1.5f, 11.0f, 8.0f);
    Folder(r, 9.5f, 9.0f, 11.0f, 7.5f);
    Folder(r, 9.5f, 15.5f, 11.0f, 7.5f);
}

void DateTimePicker(Raster& r) {
    Field(r, 1.5f, 5.5f, 22.5f, 18.5f);
    SmallDigits(r, 3.5f, 9.5f, 5.0f, "12", kInk, 0.5f);
    // The drop button carries a small calendar sheet.
    r.Fill(RoundRect(14.5f, 6.5f, 21.5f, 17.5f, 0.8f), Vertical(6.5f, 17.5f, 0xFDFEFF, 0xD5DDE7));
    const Shape sheet = RoundRect(15.5f, 8.5f, 20.5f, 15.5f, 0.5f);
    r.Fill(sheet, Hex(0xFFFFFF));
    r.Fill(Intersect(sheet, [](float, float y) { return y - 10.5f; }), Hex(0xE0473A));
    Border(r, sheet, 0x6D7A8A, 0.4f);
    for (int i = 0; i < 4; ++i) r.Fill(Circle(16.8f + float(i % 2) * 2.4f, 12.0f + float(i / 2) * 2.0f, 0.5f), Hex(kInk));
}

void MiniCal(Raster& r) {
    const Shape page = RoundRect(2.5f, 3.5f, 21.5f, 21.5f, 1.5f);
    r.DropShadow(page, 0.4f, 0.7f, 0.25f);
    r.Fill(page, Vertical(3.5f, 21.5f, 0xFFFFFF, 0xEEF2F6));
    r.Fill(Intersect(page, [](float, float y) { return y - 8.5f; }), Vertical(3.5f, 8.5f, 0xF0645A, 0xC52E22));
    Border(r, page);
    for (float x : {7.5f, 16.5f}) {
        r.Fill(Capsule(x, 1.8f, x, 5.2f, 0.9f), Hex(0x6D7A8A));
    }
    // Days in a 5 x 3 grid; today is marked.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col) {
            const float x = 5.0f + float(col) * 3.5f, y = 11.5f + float(row) * 3.3f;
            if (row == 1 && col == 2) {
                r.Fill(RoundRect(x - 1.5f, y - 1.4f, x + 1.5f, y + 1.4f, 0.5f), Hex(kAccent));
            } else {
                r.Fill(RoundRect(x - 0.9f, y - 0.8f, x + 0.9f, y + 0.8f, 0.3f), Hex(0x6D7A8A));
            }
        }
}

void Meter(Raster& r) {
    const float cx = 12.0f, cy = 16.0f;
    const Shape face = Intersect(Circle(cx, cy, 10.5f), [=](float, float y) { return y - (cy + 3.0f); });
    r.Fill(face, Radial({cx - 2, cy - 6}, 14.0f, {{0, Hex(0xFFFFFF)}, {1, Hex(0xDDE3EA)}}));
    Border(r, face);
    // Coloured bands: safe, caution, danger.
    const Shape band = Intersect(Ring(cx, cy, 8.0f, 0.9f), [=](float, float y) { return y - cy; });
    r.Fill(Intersect(band, HalfPlane({cx, cy}, {cx + 1, cy - 1.8f})), Hex(0x3DB54A));
    r.Fill(Intersect(Intersect(band, HalfPlane({cx + 1, cy - 1.8f}, {cx, cy})), HalfPlane({cx, cy}, {cx + 1.8f, cy - 1})),
           Hex(0xF2C12E));
    r.Fill(Intersect(band, HalfPlane({cx + 1.8f, cy - 1}, {cx, cy})), Hex(0xE8412E));
    for (int i = 0; i <= 6; ++i) {
        const float a = 3.14159265f * (1.0f + float(i) / 6.0f);
        const float c = std::cos(a), s = std::sin(a);
        Line(r, cx + c * 5.4f, cy + s * 5.4f, cx + c * 6.6f, cy + s * 6.6f, kInk, 0.4f);
    }
    const float na = 3.14159265f * 1.68f;
    r.Fill(Capsule(cx, cy, cx + std::cos(na) * 7.5f, cy + std::sin(na) * 7.5f, 0.7f), Hex(0xC0271B));
    r.Fill(Circle(cx, cy, 1.7f), Hex(kInk));
}

void SevenSeg(Raster& r) {
    const Shape panel = RoundRect(1.5f, 3.5f, 22.5f, 20.5f, 1.5f);
    r.Fill(panel, Vertical(3.5f, 20.5f, 0x29313B, 0x12161B));
    Border(r, panel, 0x0B0E12);
    // "42": lit red segments over unlit ones.
    Digit(r, 4.8f, 6.5f, 5.2f, 11.0f, 0x66, 0xFF4A3A, 0x3E2A2C);
    Digit(r, 13.8f, 6.5f, 5.2f, 11.0f, 0x5B, 0xFF4A3A, 0x3E2A2C);
}

void ProgBar(Raster& r) {
    const Shape trough = RoundRect(1.5f, 7.5f, 22.5f, 16.5f, 1.5f);
    r.Fill(trough, Vertical(7.5f, 16.5f, 0xDCE2E9, 0xF7F9FB));
    const Shape done = Intersect(Grow(trough, -1.0f), [](float x, float) { return x - 15.0f; });
    r.Fill(done, Vertical(8.5f, 15.5f, 0x6FD97B, 0x229A31));
    r.Fill(Intersect(done, [](float, float y) { return y - 11.0f; }), Hex(0xFFFFFF, 0.35f));
    Border(r, trough);
}

void OnOffBut(Raster& r) {
    const Shape track = RoundRect(1.5f, 6.5f, 22.5f, 17.5f, 5.5f);
    r.Fill(track, Vertical(6.5f, 17.5f, 0x3FC24E, 0x1E8B2C));
    Border(r, track, 0x166B21);
    r.Fill(Capsule(6.5f, 9.5f, 6.5f, 14.5f, 0.75f), Hex(0xFFFFFF));   // the "on" mark
    const Shape knob = Circle(17.0f, 12.0f, 4.3f);
    r.DropShadow(knob, 0.3f, 0.6f, 0.35f);
    r.Fill(knob, Vertical(7.7f, 16.3f, 0xFFFFFF, 0xE1E6EC));
    Border(r, knob, 0x6D7A8A, 0.45f);
}

void GradFill(Raster& r) {
    const Shape s = RoundRect(2.5f, 3.5f, 21.5f, 20.5f, 1.5f);
    r.Fill(s, Linear({2.5f, 3.5f}, {21.5f, 20.5f}, {{0, Hex(0x1B56A6)}, {0.5f, Hex(0x8E6CE0)}, {1, Hex(0xFFC7A1)}}));
    Border(r, s, 0x26344A);
}

void Thumbnails(Raster& r) {
    Picture(r, 2.5f, 2.5f, 11.0f, 11.0f, 0x9CCBF5, 0x4FAE5A);
    Picture(r, 13.0f, 2.5f, 21.5f, 11.0f, 0xF7C8A0, 0x8B6B4A);
    Picture(r, 2.5f, 13.0f, 11.0f, 21.5f, 0xB6D8F0, 0x3A8FC4);
    Picture(r, 13.0f, 13.0f, 21.5f, 21.5f, 0xD7EEC6, 0x3F8E47);
    r.Fill(Outline(RoundRect(12.0f, 12.0f, 22.5f, 22.5f, 1.0f), 0.6f), Hex(kAccent));
}

void NumIO(Raster& r) {
    Field(r, 1.5f, 6.5f, 22.5f, 17.5f);
    SmallDigits(r, 4.0f, 9.5f, 5.0f, "3.5", kInk, 0.55f);
    Line(r, 17.0f, 8.8f, 17.0f, 15.2f, kAccent, 0.55f);
}

void NumIO2(Raster& r) {
    // The self-drawn field: its number, the step buttons at the right and the gauge band
    // along the bottom, part filled.
    const Shape field = Field(r, 1.5f, 5.5f, 22.5f, 18.5f);
    SmallDigits(r, 4.0f, 8.0f, 5.0f, "25", kInk, 0.55f);
    const Shape buttons = RoundRect(15.5f, 6.5f, 21.5f, 15.5f, 0.6f);
    r.Fill(buttons, Vertical(6.5f, 15.5f, 0xFDFEFF, 0xD5DDE7));
    Border(r, buttons, kLine, 0.4f);
    Line(r, 15.5f, 11.0f, 21.5f, 11.0f, kLine, 0.4f);
    r.Fill(Polygon({{18.5f, 7.8f}, {20.3f, 9.9f}, {16.7f, 9.9f}}), Hex(kInk));
    DownArrow(r, 18.5f, 13.0f, 1.8f);
    r.Fill(Intersect(Grow(field, -0.5f), [](float x, float y) { return std::max(16.5f - y, x - 14.0f); }), Hex(kAccent));
}

void RLData(Raster& r) {
    // The rows behind a report list: a stack of records, the top one lifted off.
    for (int i = 2; i >= 0; --i) {
        const float y = 8.0f + float(i) * 4.5f;
        const Shape rec = RoundRect(3.5f, y, 20.5f, y + 4.0f, 0.8f);
        r.Fill(rec, Vertical(y, y + 4.0f, 0xFFFFFF, 0xDDE3EA));
        Border(r, rec);
        Bar(r, 6.0f, y + 2.0f, 10.0f, kInk, 0.5f);
        Bar(r, 12.5f, y + 2.0f, 17.5f, kInk, 0.5f);
    }
    const Shape top = RoundRect(2.5f, 2.5f, 19.5f, 6.5f, 0.8f);
    r.DropShadow(top, 0.4f, 0.7f, 0.25f);
    r.Fill(top, Hex(kAccent));
    Border(r, top, kAccentDark);
    Bar(r, 5.0f, 4.5f, 9.0f, 0xFFFFFF, 0.5f);
    Bar(r, 11.5f, 4.5f, 16.5f, 0xFFFFFF, 0.5f);
}

void NumLab(Raster& r) {
    // A read-only number in its framed box, between two texts.
    Bar(r, 1.5f, 12.0f, 4.0f, kInk, 0.6f);
    const Shape box = RoundRect(5.5f, 6.5f, 18.5f, 17.5f, 0.8f);
    r.Fill(box, Hex(0xE9EDF2));
    Border(r, box);
    SmallDigits(r, 7.8f, 9.5f, 5.0f, "42", kAccentDark, 0.55f);
    Bar(r, 20.0f, 12.0f, 22.5f, kInk, 0.6f);
}

void RasterLab(Raster& r) {
    const Shape panel = RoundRect(1.5f, 3.5f, 22.5f, 20.5f, 1.5f);
    r.Fill(panel, Vertical(3.5f, 20.5f, 0x2A2620, 0x15120E));
    Border(r, panel, 0x0E0C09);
    // A 6 x 5 matrix of dots spelling an 'H' over unlit dots.
    const char* rows[5] = {"X..X.", "X..X.", "XXXX.", "X..X.", "X..X."};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool lit = x < 5 && rows[y][x] == 'X';
            const bool bar = x == 5 && y != 1;   // an 'i' beside it
            r.Fill(Circle(4.5f + float(x) * 3.0f, 6.0f + float(y) * 3.0f, 1.05f),
                   Hex(lit || bar ? 0xFFB52E : 0x4A3D28));
        }
}

void MarkSel(Raster& r) {
    Box(r, 1.5f, 1.5f, 22.5f, 22.5f, 1.0f, 0xFFFFFF, 0xF5F7FA);
    // Plot marks in a grid, the chosen one highlighted.
    r.Fill(RoundRect(8.5f, 8.5f, 15.5f, 15.5f, 1.0f), Hex(kAccent, 0.25f));
    Border(r, RoundRect(8.5f, 8.5f, 15.5f, 15.5f, 1.0f), kAccent, 0.45f);
    const float c[3] = {5.0f, 12.0f, 19.0f};
    r.Fill(Circle(c[0], c[0], 1.8f), Hex(kInk));
    r.Fill(RoundRect(c[1] - 1.7f, c[0] - 1.7f, c[1] + 1.7f, c[0] + 1.7f, 0.2f), Hex(kInk));
    r.Fill(Polygon({{c[2] - 2.0f, c[0] + 1.6f}, {c[2], c[0] - 2.0f}, {c[2] + 2.0f, c[0] + 1.6f}}), Hex(kInk));
    r.Fill(Union(Capsule(c[0] - 1.7f, c[1] - 1.7f, c[0] + 1.7f, c[1] + 1.7f, 0.5f), Capsule(c[0] - 1.7f, c[1] + 1.7f, c[0] + 1.7f, c[1] - 1.7f, 0.5f)),
           Hex(kInk));
    r.Fill(Polygon({{c[1], c[1] - 2.3f}, {c[1] + 2.3f, c[1]}, {c[1], c[1] + 2.3f}, {c[1] - 2.3f, c[1]}}), Hex(kAccentDark));
    r.Fill(Union(Capsule(c[2] - 2.0f, c[1], c[2] + 2.0f, c[1], 0.5f), Capsule(c[2], c[1] - 2.0f, c[2], c[1] + 2.0f, 0.5f)), Hex(kInk));
    r.Fill(Ring(c[0], c[2], 1.6f, 0.5f), Hex(kInk));
    r.Fill(Outline(RoundRect(c[1] - 1.6f, c[2] - 1.6f, c[1] + 1.6f, c[2] + 1.6f, 0.2f), 0.5f), Hex(kInk));
    r.Fill(Outline(Polygon({{c[2] - 2.0f, c[2] + 1.6f}, {c[2], c[2] - 2.0f}, {c[2] + 2.0f, c[2] + 1.6f}}), 0.5f), Hex(kInk));
}

void Timer(Raster& r) {
    const Shape dial = Circle(12.0f, 13.5f, 8.5f);
    r.Fill(Capsule(12.0f, 2.5f, 12.0f, 4.5f, 1.3f), Hex(0x6D7A8A));
    r.Fill(Capsule(18.2f, 5.6f, 19.3f, 6.7f, 0.9f), Hex(0x6D7A8A));
    r.DropShadow(dial, 0.4f, 0.7f, 0.25f);
    r.Fill(dial, Radial({10.0f, 10.5f}, 10.0f, {{0, Hex(0xFFFFFF)}, {1, Hex(0xDDE3EA)}}));
    Border(r, dial, kLine, 0.6f);
    for (int i = 0; i < 12; ++i) {
        const float a = 3.14159265f * 2.0f * float(i) / 12.0f;
        const float len = i % 3 == 0 ? 1.6f : 0.8f;
        Line(r, 12.0f + std::cos(a) * (7.0f - len), 13.5f + std::sin(a) * (7.0f - len), 12.0f + std::cos(a) * 7.0f,
             13.5f + std::sin(a) * 7.0f, kInk, 0.35f);
    }
    // The elapsed part of the turn, and the hand.
    r.Fill(Intersect(Circle(12.0f, 13.5f, 5.0f), Intersect(HalfPlane({12.0f, 13.5f}, {12.0f, 5.0f}),
                                                           HalfPlane({12.0f, 13.5f}, {17.0f, 16.5f}))),
           Hex(kAccent, 0.35f));
    r.Fill(Capsule(12.0f, 13.5f, 12.0f, 7.5f, 0.6f), Hex(kInk));
    r.Fill(Capsule(12.0f, 13.5f, 16.5f, 16.0f, 0.6f), Hex(0xC0271B));
    r.Fill(Circle(12.0f, 13.5f, 1.1f), Hex(kInk));
}

void MenuBox(Raster& r, float x0, float y0, float x1, float y1, int items, int chosen) {
    const Shape s = RoundRect(x0, y0, x1, y1, 0.8f);
    r.DropShadow(s, 0.6f, 0.9f, 0.3f);
    r.Fill(s, Hex(0xFBFCFD));
    Border(r, s);
    for (int i = 0; i < items; ++i) {
        const float y = y0 + 2.5f + float(i) * 3.5f;
        if (i == chosen) r.Fill(RoundRect(x0 + 1.0f, y - 1.5f, x1 - 1.0f, y + 1.5f, 0.3f), Hex(kAccent));
        Bar(r, x0 + 2.5f, y, x1 - (i % 2 ? 5.0f : 3.0f), i == chosen ? 0xFFFFFF : kInk, 0.55f);
    }
}

void PopupMenu(Raster& r) {
    MenuBox(r, 5.5f, 4.5f, 20.5f, 20.5f, 4, 1);
    // The pointer that opened it.
    const Shape arrow = Polygon({{2.0f, 1.5f}, {8.0f, 7.0f}, {5.3f, 7.3f}, {7.0f, 10.5f}, {5.6f, 11.2f}, {4.0f, 8.0f}, {2.0f, 10.0f}});
    r.Fill(arrow, Hex(0xFFFFFF));
    Border(r, arrow, 0x1E252E, 0.45f);
}

void MainMenu(Raster& r) {
    const Shape bar = RoundRect(1.5f, 2.5f, 22.5f, 7.5f, 0.8f);
    r.Fill(bar, Vertical(2.5f, 7.5f, 0xFDFEFF, 0xE1E7EE));
    Border(r, bar);
    r.Fill(RoundRect(2.5f, 3.5f, 10.0f, 6.5f, 0.4f), Hex(kAccent));
    Bar(r, 4.0f, 5.0f, 8.5f, 0xFFFFFF, 0.55f);
    Bar(r, 12.5f, 5.0f, 16.5f, kInk, 0.55f);
    MenuBox(r, 2.5f, 7.5f, 15.5f, 21.0f, 4, -1);
}

void MenuItem(Raster& r) {
    const Shape s = RoundRect(1.5f, 7.5f, 22.5f, 16.5f, 0.8f);
    r.Fill(s, Hex(kAccent));
    Border(r, s, kAccentDark);
    Bar(r, 4.5f, 12.0f, 14.0f, 0xFFFFFF, 0.65f);
    r.Fill(Polygon({{18.0f, 9.5f}, {20.5f, 12.0f}, {18.0f, 14.5f}}), Hex(0xFFFFFF));
}

void Generic(Raster& r) {
    // A component block: a cube seen from above the front left.
    const Pt top[4] = {{12.0f, 2.5f}, {21.0f, 7.0f}, {12.0f, 11.5f}, {3.0f, 7.0f}};
    const Shape up = Polygon({top[0], top[1], top[2], top[3]});
    const Shape left = Polygon({{3.0f, 7.0f}, {12.0f, 11.5f}, {12.0f, 21.5f}, {3.0f, 17.0f}});
    const Shape right = Polygon({{12.0f, 11.5f}, {21.0f, 7.0f}, {21.0f, 17.0f}, {12.0f, 21.5f}});
    r.Fill(up, Hex(0xE9EEF4));
    r.Fill(left, Hex(0xB9C4D1));
    r.Fill(right, Hex(0x8E9CAE));
    for (const Shape& s : {up, left, right}) Border(r, s, kLine, 0.45f);
}

}  // namespace

std::string PaletteIconName(const std::string& ClassName) {
    std::string name = "PAL_";
    for (char c : ClassName.empty() ? std::string("GENERIC") : ClassName) name += char(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::vector<PaletteIconSpec> PaletteIcons() {
    return {
        {"", Generic},
        {"TComponent", Generic},
        {"TButton", Button},
        {"TSpeedButton", SpeedButton},
        {"TRepSpeedButton", RepSpeedButton},
        {"TCheckBox", CheckBox},
        {"TEdit", Edit},
        {"TMaskEdit", MaskEdit},
        {"TMemo", Memo},
        {"TLabel", Label},
        {"TRotLab", RotLab},
        {"TListBox", ListBox},
        {"TComboBox", ComboBox},
        {"TColSel", ColSel},
        {"TColorDialog", ColorDialog},
        {"TOpenDialog", OpenDialog},
        {"TSaveDialog", SaveDialog},
        {"TPanel", Panel},
        {"TBevel", Bevel},
        {"TStringGrid", StringGrid},
        {"TDrawGrid", DrawGrid},
        {"TNTabEd", NTabEd},
        {"TReportListView", ReportListView},
        {"TRLData", RLData},
        {"TTreeView", TreeView},
        {"TFolderTree", FolderTree},
        {"TDateTimePicker", DateTimePicker},
        {"TMiniCal", MiniCal},
        {"TMeter", Meter},
        {"TSevenSeg", SevenSeg},
        {"TProgBar", ProgBar},
        {"TOnOffBut", OnOffBut},
        {"TGradFill", GradFill},
        {"TThumbnails", Thumbnails},
        {"TNumIO", NumIO},
        {"TNumIO2", NumIO2},
        {"TNumLab", NumLab},
        {"TRasterLab", RasterLab},
        {"TMarkSel", MarkSel},
        {"TTimer", Timer},
        {"TPopupMenu", PopupMenu},
        {"TMainMenu", MainMenu},
        {"TMenu", MainMenu},
        {"TMenuItem", MenuItem},
    };
}

}  // namespace resgen
