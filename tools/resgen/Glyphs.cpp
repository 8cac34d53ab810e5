// The on/off button glyphs and the table editor's check boxes. Light comes from the top left:
// surfaces get lighter towards the top, shadows fall to the bottom right, highlights sit in
// the upper left.
#include "tools/resgen/Glyphs.h"

#include <cmath>

namespace resgen {

namespace {

using Stops = std::vector<std::pair<float, Color>>;

Paint Vertical(float y0, float y1, unsigned top, unsigned bottom) {
    return Linear({0, y0}, {0, y1}, {{0, Hex(top)}, {1, Hex(bottom)}});
}

Paint Diagonal(float x0, float y0, float x1, float y1, unsigned from, unsigned to) {
    return Linear({x0, y0}, {x1, y1}, {{0, Hex(from)}, {1, Hex(to)}});
}

// A soft white sheen over the upper part of a shape.
void Gloss(Raster& r, const Shape& s, float yTop, float yBottom, float strength = 0.55f) {
    r.Fill(Intersect(Grow(s, -0.9f), [=](float, float y) { return y - yBottom; }),
           Linear({0, yTop}, {0, yBottom}, {{0, Hex(0xFFFFFF, strength)}, {1, Hex(0xFFFFFF, 0.0f)}}));
}

void Border(Raster& r, const Shape& s, unsigned rgb, float width = 0.5f) {
    r.Fill(Outline(s, width), Hex(rgb));
}

// ---- colour families ---------------------------------------------------------------------

struct Lamp {
    unsigned light, mid, dark, border;
};
const Lamp kGreen{0xD9FFD2, 0x4CD35A, 0x16801F, 0x145C1A};
const Lamp kRed{0xFFDCD5, 0xF2493A, 0x9E150C, 0x701008};
const Lamp kBlue{0xBFDDFF, 0x3D8BE8, 0x1752B0, 0x133F87};

Paint LampPaint(const Lamp& l, float cx, float cy, float radius) {
    return Radial({cx, cy}, radius, {{0, Hex(l.light)}, {0.45f, Hex(l.mid)}, {1, Hex(l.dark)}});
}

// ---- check box and radio button ----------------------------------------------------------

void CheckBoxAt(Raster& r, bool on, float x0, float y0, float x1, float y1) {
    const Shape box = RoundRect(x0, y0, x1, y1, 2.4f);
    r.DropShadow(box, 0.5f, 0.7f, 0.22f);
    if (on) {
        r.Fill(box, Vertical(y0, y1, 0x62ACF5, 0x1C5DBE));
        Gloss(r, box, y0, y0 + (y1 - y0) * 0.5f, 0.35f);
        Border(r, box, 0x174A96);
        const float w = x1 - x0;
        const Pt a{x0 + w * 0.22f, y0 + w * 0.52f}, b{x0 + w * 0.42f, y0 + w * 0.72f},
                 c{x0 + w * 0.78f, y0 + w * 0.28f};
        const Shape tick = Union(Capsule(a.x, a.y, b.x, b.y, w * 0.085f), Capsule(b.x, b.y, c.x, c.y, w * 0.085f));
        r.Fill(Move(tick, 0.3f, 0.5f), Hex(0x0A2A5C, 0.45f));
        r.Fill(tick, Hex(0xFFFFFF));
    } else {
        r.Fill(box, Vertical(y0, y1, 0xFFFFFF, 0xE3E8EE));
        // The inside looks sunken: a faint shade under the top edge.
        r.Fill(Intersect(Outline(Grow(box, -1.0f), 0.5f), [=](float, float y) { return y - (y0 + 2.2f); }),
               Hex(0x000000, 0.10f));
        Border(r, box, 0x5F6E80);
    }
}

void CheckBox(Raster& r, bool on) { CheckBoxAt(r, on, 1.5f, 1.5f, 14.5f, 14.5f); }

void RadioButton(Raster& r, bool on) {
    const float c = 7.0f;
    const Shape disc = Circle(c, c, 6.0f);
    r.DropShadow(disc, 0.5f, 0.7f, 0.22f);
    if (on) {
        r.Fill(disc, Vertical(1, 13, 0x62ACF5, 0x1C5DBE));
        Gloss(r, disc, 1, 7, 0.35f);
        Border(r, disc, 0x174A96);
        r.Fill(Circle(c + 0.25f, c + 0.4f, 2.4f), Hex(0x0A2A5C, 0.4f));
        r.Fill(Circle(c, c, 2.3f), Radial({c - 0.6f, c - 0.8f}, 3.0f, {{0, Hex(0xFFFFFF)}, {1, Hex(0xDCE8F5)}}));
    } else {
        r.Fill(disc, Vertical(1, 13, 0xFFFFFF, 0xE3E8EE));
        r.Fill(Intersect(Ring(c, c, 5.0f, 0.5f), [=](float, float y) { return y - 5.5f; }), Hex(0x000000, 0.10f));
        Border(r, disc, 0x5F6E80);
    }
}

// ---- sliders -------------------------------------------------------------------------------

// A slide switch: a sunken track and a raised knob. Horizontal: knob right when `atEnd`;
// vertical: knob at the top when `atEnd`.
void Slider(Raster& r, bool horizontal, bool atEnd, unsigned track) {
    const float W = float(r.W()), H = float(r.H());
    const Color base = Hex(track);
    const Color dark = Mix(base, Hex(0x000000), 0.30f), light = Mix(base, Hex(0xFFFFFF), 0.30f);
    const unsigned border = 0x4E5863;
    Shape groove;
    Paint groovePaint;
    if (horizontal) {
        groove = RoundRect(1.5f, H * 0.27f, W - 1.5f, H * 0.73f, H * 0.23f);
        groovePaint = Linear({0, H * 0.27f}, {0, H * 0.73f}, {{0, dark}, {1, light}});
    } else {
        groove = RoundRect(W * 0.27f, 1.5f, W * 0.73f, H - 1.5f, W * 0.23f);
        groovePaint = Linear({W * 0.27f, 0}, {W * 0.73f, 0}, {{0, dark}, {1, light}});
    }
    r.Fill(groove, groovePaint);
    r.Fill(Intersect(Outline(Grow(groove, -0.8f), 0.6f),
                     horizontal ? Shape([=](float, float y) { return y - H * 0.45f; })
                                : Shape([=](float x, float) { return x - W * 0.45f; })),
           Hex(0x000000, 0.18f));
    Border(r, groove, 0x3E4750, 0.45f);

    Shape knob;
    float kx0, ky0, kx1, ky1;
    if (horizontal) {
        const float kw = W * 0.46f;
        kx0 = atEnd ? W - 1.0f - kw : 1.0f;
        kx1 = kx0 + kw;
        ky0 = 1.0f;
        ky1 = H - 1.2f;
    } else {
        const float kh = H * 0.46f;
        ky0 = atEnd ? 1.0f : H - 1.2f - kh;
        ky1 = ky0 + kh;
        kx0 = 1.0f;
        kx1 = W - 1.2f;
    }
    knob = RoundRect(kx0, ky0, kx1, ky1, 3.0f);
    r.DropShadow(knob, 0.7f, 1.0f, 0.30f);
    r.Fill(knob, Vertical(ky0, ky1, 0xFFFFFF, 0xC3CBD4));
    Gloss(r, knob, ky0, (ky0 + ky1) / 2, 0.5f);
    Border(r, knob, border);
    // Grip: three engraved lines across the knob's short side.
    const float cx = (kx0 + kx1) / 2, cy = (ky0 + ky1) / 2;
    for (int k = -1; k <= 1; ++k) {
        if (horizontal) {
            const float x = cx + float(k) * 2.6f;
            r.Fill(Capsule(x, cy - 3.2f, x, cy + 3.2f, 0.42f), Hex(0x7C8794));
            r.Fill(Capsule(x + 0.9f, cy - 3.0f, x + 0.9f, cy + 3.4f, 0.38f), Hex(0xFFFFFF, 0.9f));
        } else {
            const float y = cy + float(k) * 2.6f;
            r.Fill(Capsule(cx - 3.2f, y, cx + 3.2f, y, 0.42f), Hex(0x7C8794));
            r.Fill(Capsule(cx - 3.0f, y + 0.9f, cx + 3.4f, y + 0.9f, 0.38f), Hex(0xFFFFFF, 0.9f));
        }
    }
}

// ---- lamps -----------------------------------------------------------------------------------

void LedRedGreen(Raster& r, bool on) {
    const float c = 7.0f;
    const Shape rim = Circle(c, c, 6.4f), lens = Circle(c, c, 4.9f);
    r.DropShadow(rim, 0.5f, 0.7f, 0.3f);
    r.Fill(rim, Diagonal(1, 1, 13, 13, 0x8A939C, 0x22272C));
    const Lamp& l = on ? kGreen : kRed;
    r.Fill(lens, LampPaint(l, c - 1.0f, c - 1.2f, 6.0f));
    Border(r, lens, l.border, 0.35f);
    r.Fill(Ellipse(c - 1.2f, c - 2.1f, 2.5f, 1.5f),
           Linear({0, c - 3.6f}, {0, c - 0.6f}, {{0, Hex(0xFFFFFF, 0.9f)}, {1, Hex(0xFFFFFF, 0.05f)}}));
}

void BeveledLed(Raster& r, bool on) {
    const float c = 8.5f;
    const Shape bezel = Circle(c, c, 8.0f), inner = Circle(c, c, 6.6f), lens = Circle(c, c, 5.3f);
    r.Fill(bezel, Diagonal(1, 1, 16, 16, 0xF7F9FA, 0x6E7883));
    r.Fill(inner, Diagonal(2, 2, 15, 15, 0x646E79, 0xEEF1F3));
    Border(r, bezel, 0x59626C, 0.4f);
    if (on) {
        r.Fill(lens, LampPaint(kGreen, c - 1.2f, c - 1.4f, 6.5f));
    } else {
        r.Fill(lens, Radial({c - 1.2f, c - 1.4f}, 6.5f, {{0, Hex(0x5E8C5E)}, {0.5f, Hex(0x2F5A31)}, {1, Hex(0x142A15)}}));
    }
    Border(r, lens, 0x1E3A20, 0.35f);
    r.Fill(Ellipse(c - 1.4f, c - 2.4f, 2.8f, 1.6f),
           Linear({0, c - 4.0f}, {0, c - 0.8f}, {{0, Hex(0xFFFFFF, on ? 0.9f : 0.55f)}, {1, Hex(0xFFFFFF, 0.0f)}}));
}

// ---- arrows ---------------------------------------------------------------------------------

// An arrow pointing up, turned by `quarter` quarter turns clockwise.
Shape Arrow(float w, float h, int quarter) {
    const float cx = w / 2, cy = h / 2;
    std::vector<Pt> up = {{cx, 2.6f},         {w - 3.2f, cy - 0.3f}, {cx + 3.6f, cy - 0.3f},
                          {cx + 3.6f, h - 3.0f}, {cx - 3.6f, h - 3.0f}, {cx - 3.6f, cy - 0.3f},
                          {3.2f, cy - 0.3f}};
    for (Pt& p : up) {
        float dx = p.x - cx, dy = p.y - cy;
        for (int i = 0; i < quarter; ++i) {
            const float t = dx;
            dx = -dy;
            dy = t;
        }
        p = {cx + dx, cy + dy};
    }
    return Grow(Polygon(up), 0.6f);
}

void ArrowGlyph(Raster& r, int quarter, bool on) {
    const float W = float(r.W()), H = float(r.H());
    const Shape arrow = Arrow(W, H, quarter);
    const Lamp& l = on ? kGreen : kRed;
    r.DropShadow(arrow, 0.8f, 1.1f, 0.30f);
    r.Fill(arrow, Diagonal(2, 2, W - 2, H - 2, on ? 0x8BE585 : 0xFF9385, on ? 0x1F8A28 : 0xB3241A));
    // Bevel: a light rim on the upper left, a darker one on the lower right.
    r.Fill(Intersect(Outline(Grow(arrow, -1.1f), 0.45f), HalfPlane({W, 0}, {0, H})), Hex(0xFFFFFF, 0.55f));
    r.Fill(Intersect(Outline(Grow(arrow, -1.1f), 0.45f), HalfPlane({0, H}, {W, 0})), Hex(0x000000, 0.15f));
    Border(r, arrow, l.border);
}

// ---- pedestrian traffic light ----------------------------------------------------------------

Shape StandingMan(float cx, float cy) {
    Shape s = Circle(cx, cy - 3.7f, 1.3f);
    s = Union(s, Capsule(cx, cy - 1.7f, cx, cy + 1.2f, 1.35f));
    s = Union(s, Capsule(cx - 0.75f, cy + 1.2f, cx - 0.85f, cy + 4.4f, 0.62f));
    s = Union(s, Capsule(cx + 0.75f, cy + 1.2f, cx + 0.85f, cy + 4.4f, 0.62f));
    s = Union(s, Capsule(cx - 1.75f, cy - 1.4f, cx - 1.9f, cy + 1.4f, 0.5f));
    s = Union(s, Capsule(cx + 1.75f, cy - 1.4f, cx + 1.9f, cy + 1.4f, 0.5f));
    return s;
}

Shape WalkingMan(float cx, float cy) {
    Shape s = Circle(cx + 0.7f, cy - 3.7f, 1.3f);
    s = Union(s, Capsule(cx + 0.4f, cy - 1.8f, cx - 0.1f, cy + 1.0f, 1.15f));
    s = Union(s, Capsule(cx - 0.1f, cy + 1.0f, cx + 2.3f, cy + 4.4f, 0.6f));
    s = Union(s, Capsule(cx - 0.1f, cy + 1.0f, cx - 2.3f, cy + 4.3f, 0.6f));
    s = Union(s, Capsule(cx + 0.5f, cy - 1.4f, cx + 2.4f, cy + 0.8f, 0.48f));
    s = Union(s, Capsule(cx + 0.1f, cy - 1.4f, cx - 2.1f, cy + 0.4f, 0.48f));
    return s;
}

void PedestrianLamp(Raster& r, float cx, float cy, const Shape& figure, unsigned lit, unsigned unlit, bool on) {
    const Shape hood = Circle(cx, cy, 6.3f);
    r.Fill(hood, Radial({cx - 1.5f, cy - 1.5f}, 8.0f, {{0, Hex(0x2A2D31)}, {1, Hex(0x08090A)}}));
    Border(r, hood, 0x000000, 0.4f);
    if (on) {
        r.Fill(Circle(cx, cy, 5.6f), Radial({cx, cy}, 6.0f, {{0, Hex(lit, 0.45f)}, {1, Hex(lit, 0.08f)}}));
        r.Soft(figure, Hex(lit), 1.4f, 0.5f);
        r.Fill(figure, Hex(lit));
        r.Fill(Intersect(figure, [=](float, float y) { return y - (cy - 2.0f); }), Hex(0xFFFFFF, 0.35f));
    } else {
        r.Fill(figure, Hex(unlit));
    }
    r.Fill(Intersect(Ring(cx, cy, 5.6f, 0.5f), HalfPlane({cx + 6, cy - 6}, {cx - 6, cy + 6})), Hex(0xFFFFFF, 0.18f));
}

void TrafficLight(Raster& r, bool on) {
    const Shape housing = RoundRect(6.5f, 0.8f, 24.5f, 30.2f, 3.2f);
    r.DropShadow(housing, 0.8f, 1.0f, 0.35f);
    r.Fill(housing, Linear({6.5f, 0}, {24.5f, 0}, {{0, Hex(0x5A6068)}, {0.4f, Hex(0x3A3F45)}, {1, Hex(0x1B1E21)}}));
    Border(r, housing, 0x111315);
    PedestrianLamp(r, 15.5f, 8.4f, StandingMan(15.5f, 8.2f), 0xFF3B2E, 0x4A2421, !on);
    PedestrianLamp(r, 15.5f, 22.6f, WalkingMan(15.3f, 22.4f), 0x35F06A, 0x1F4228, on);
}

// ---- smileys ---------------------------------------------------------------------------------

void Smiley(Raster& r, bool happy, unsigned light, unsigned mid, unsigned dark, unsigned border, unsigned ink) {
    const float c = 9.0f;
    const Shape face = Circle(c, c, 7.8f);
    r.DropShadow(face, 0.6f, 0.8f, 0.28f);
    r.Fill(face, Radial({c - 2.0f, c - 2.6f}, 10.5f, {{0, Hex(light)}, {0.55f, Hex(mid)}, {1, Hex(dark)}}));
    Border(r, face, border);
    r.Fill(Ellipse(c - 2.6f, c - 2.0f, 1.0f, 1.5f), Hex(ink));
    r.Fill(Ellipse(c + 2.6f, c - 2.0f, 1.0f, 1.5f), Hex(ink));
    if (happy)
        r.Fill(Intersect(Ring(c, c - 0.6f, 4.5f, 0.65f), [=](float, float y) { return c + 0.9f - y; }), Hex(ink));
    else
        r.Fill(Intersect(Ring(c, c + 6.6f, 4.2f, 0.65f), [=](float, float y) { return y - (c + 4.2f); }), Hex(ink));
    r.Fill(Ellipse(c - 1.6f, c - 4.9f, 3.4f, 1.5f),
           Linear({0, c - 6.4f}, {0, c - 3.4f}, {{0, Hex(0xFFFFFF, 0.75f)}, {1, Hex(0xFFFFFF, 0.0f)}}));
}

void SmileyYellow(Raster& r, bool on) {
    Smiley(r, on, 0xFFF8B0, 0xFFD83A, 0xE39400, 0x8F6300, 0x3D2B00);
}

void SmileyRedGreen(Raster& r, bool on) {
    if (on)
        Smiley(r, true, 0xD4FFC8, 0x5CD65C, 0x23862A, 0x17621C, 0x0F2E12);
    else
        Smiley(r, false, 0xFFD5CC, 0xF2594B, 0xB0281C, 0x7A1911, 0x3A0C08);
}

// ---- bulb, button lamp, hard-disk lamps ------------------------------------------------------

void Bulb(Raster& r, bool on) {
    const float cx = 19.5f;
    const Shape glass = Union(Circle(cx, 16.5f, 13.2f),
                              Polygon({{cx - 7.6f, 25.0f}, {cx + 7.6f, 25.0f}, {cx + 5.2f, 33.8f}, {cx - 5.2f, 33.8f}}));
    if (on) {
        r.Soft(glass, Hex(0xFFD84D), 3.2f, 0.55f);
        r.Fill(glass, Radial({cx, 15.5f}, 17.0f, {{0, Hex(0xFFFFF4)}, {0.45f, Hex(0xFFF29A)}, {1, Hex(0xFFC21C)}}));
        Border(r, glass, 0xD89A00, 0.45f);
    } else {
        r.DropShadow(glass, 0.8f, 1.0f, 0.22f);
        r.Fill(glass, Radial({cx - 2, 13.5f}, 17.0f, {{0, Hex(0xFFFFFF)}, {0.65f, Hex(0xE8EDF2)}, {1, Hex(0xBFC8D2)}}));
        Border(r, glass, 0x8E9AA7, 0.45f);
    }
    // Filament on its two support wires.
    const unsigned wire = on ? 0xB8860B : 0x7D858E;
    r.Fill(Union(Capsule(cx - 3.2f, 33.0f, cx - 3.0f, 19.0f, 0.4f), Capsule(cx + 3.2f, 33.0f, cx + 3.0f, 19.0f, 0.4f)), Hex(wire));
    Shape filament = Capsule(cx - 3.0f, 19.0f, cx - 1.5f, 16.2f, 0.55f);
    filament = Union(filament, Capsule(cx - 1.5f, 16.2f, cx, 19.0f, 0.55f));
    filament = Union(filament, Capsule(cx, 19.0f, cx + 1.5f, 16.2f, 0.55f));
    filament = Union(filament, Capsule(cx + 1.5f, 16.2f, cx + 3.0f, 19.0f, 0.55f));
    if (on) r.Soft(filament, Hex(0xFFFFFF), 2.5f, 0.8f);
    r.Fill(filament, Hex(on ? 0xFFFFFF : 0x5A5F66));
    r.Fill(Ellipse(cx - 5.5f, 10.5f, 3.2f, 5.2f),
           Linear({cx - 8, 6}, {cx - 3, 15}, {{0, Hex(0xFFFFFF, 0.85f)}, {1, Hex(0xFFFFFF, 0.0f)}}));
    // Screw base.
    const Shape base = RoundRect(cx - 6.2f, 33.2f, cx + 6.2f, 43.6f, 1.6f);
    r.DropShadow(base, 0.6f, 0.8f, 0.25f);
    r.Fill(base, Linear({cx - 6.2f, 0}, {cx + 6.2f, 0}, {{0, Hex(0x8C949C)}, {0.35f, Hex(0xF1F3F5)}, {1, Hex(0x6E767E)}}));
    for (float y : {35.6f, 38.3f, 41.0f})
        r.Fill(Capsule(cx - 5.6f, y, cx + 5.6f, y + 0.5f, 0.45f), Hex(0x4A5159, 0.55f));
    Border(r, base, 0x4F565E, 0.4f);
    const Shape contact = RoundRect(cx - 3.2f, 43.0f, cx + 3.2f, 47.2f, 2.0f);
    r.Fill(contact, Vertical(43, 47.2f, 0x5A5F66, 0x25282C));
}

void ButtonLamp(Raster& r, bool on) {
    const float W = float(r.W()), H = float(r.H());
    const Shape bezel = RoundRect(1.0f, 1.0f, W - 1.6f, H - 1.6f, 5.0f);
    r.DropShadow(bezel, 0.8f, 1.0f, 0.35f);
    r.Fill(bezel, Vertical(1, H - 1.6f, 0x6A727B, 0x22272C));
    r.Fill(Intersect(Outline(Grow(bezel, -0.9f), 0.45f), [](float, float y) { return y - 6.0f; }), Hex(0xFFFFFF, 0.35f));
    Border(r, bezel, 0x15181B);
    const Shape lens = RoundRect(5.0f, 4.8f, W - 5.6f, H - 5.4f, 3.2f);
    if (on) {
        r.Fill(lens, Radial({W / 2, H * 0.42f}, W * 0.55f, {{0, Hex(0xFFFCD8)}, {0.4f, Hex(0xFFD43A)}, {1, Hex(0xF08400)}}));
        r.Soft(Outline(lens, 0.2f), Hex(0xFFE680), 1.2f, 0.35f);
    } else {
        r.Fill(lens, Radial({W / 2, H * 0.42f}, W * 0.55f, {{0, Hex(0xA8976A)}, {1, Hex(0x4A3F22)}}));
    }
    Border(r, lens, on ? 0xB86200 : 0x2C2514, 0.45f);
    Gloss(r, lens, 4.8f, H * 0.48f, on ? 0.55f : 0.35f);
}

void DiskLamp(Raster& r, bool on, bool ledLeft) {
    const float W = float(r.W()), H = float(r.H());
    const Shape body = RoundRect(1.0f, 1.5f, W - 1.6f, H - 2.0f, 2.6f);
    r.DropShadow(body, 0.7f, 0.9f, 0.3f);
    r.Fill(body, Vertical(1.5f, H - 2.0f, 0xF1F3F5, 0xA3ACB6));
    Gloss(r, body, 1.5f, H * 0.45f, 0.5f);
    Border(r, body, 0x56606B);
    // Vent slots beside the lamp.
    const float slotsFrom = ledLeft ? 16.0f : 7.0f;
    for (int k = 0; k < 7; ++k) {
        const float x = slotsFrom + float(k) * 3.6f;
        r.Fill(Capsule(x, 5.2f, x, H - 5.8f, 0.55f), Hex(0x5B6570));
        r.Fill(Capsule(x + 0.9f, 5.6f, x + 0.9f, H - 5.4f, 0.35f), Hex(0xFFFFFF, 0.8f));
    }
    const float lx = ledLeft ? 8.0f : W - 8.6f, ly = (H - 0.5f) / 2;
    const Shape led = RoundRect(lx - 4.2f, ly - 2.6f, lx + 4.2f, ly + 2.6f, 1.6f);
    r.Fill(Grow(led, 0.8f), Hex(0x2E3338));
    if (on) {
        r.Soft(led, Hex(0xFF5A40), 2.0f, 0.5f);
        r.Fill(led, Radial({lx - 1, ly - 1}, 5.0f, {{0, Hex(0xFFE2D6)}, {0.4f, Hex(0xFF3D27)}, {1, Hex(0xB0160A)}}));
    } else {
        r.Fill(led, Radial({lx - 1, ly - 1}, 5.0f, {{0, Hex(0x7A3A33)}, {1, Hex(0x2A0E0B)}}));
    }
    r.Fill(Capsule(lx - 2.6f, ly - 1.2f, lx + 1.0f, ly - 1.2f, 0.5f), Hex(0xFFFFFF, on ? 0.7f : 0.3f));
}

// ---- user glyphs -----------------------------------------------------------------------------

void Power(Raster& r, bool on) {
    const float c = 12.0f;
    const Shape ring = Subtract(Ring(c, c + 0.8f, 7.2f, 1.6f),
                                Polygon({{c, c + 0.8f}, {c - 5.2f, 0}, {c + 5.2f, 0}}));
    const Shape bar = Capsule(c, 3.0f, c, 11.0f, 1.6f);
    const Shape sign = Union(ring, bar);
    r.DropShadow(sign, 0.7f, 1.0f, 0.3f);
    if (on)
        r.Fill(sign, Diagonal(4, 3, 20, 21, 0x7BE27E, 0x1C8227));
    else
        r.Fill(sign, Diagonal(4, 3, 20, 21, 0xC5CBD2, 0x6A737D));
    Border(r, sign, on ? 0x13601C : 0x4D555E, 0.4f);
    r.Fill(Intersect(Grow(sign, -0.9f), HalfPlane({24, 0}, {0, 24})), Hex(0xFFFFFF, 0.25f));
}

void Padlock(Raster& r, bool on) {
    const float c = 12.0f;
    Shape shackle;
    if (on) {
        shackle = Union(Intersect(Ring(c, 9.0f, 4.6f, 1.25f), [](float, float y) { return y - 9.0f; }),
                        Union(Capsule(c - 4.6f, 9.0f, c - 4.6f, 12.0f, 1.25f), Capsule(c + 4.6f, 9.0f, c + 4.6f, 12.0f, 1.25f)));
    } else {
        shackle = Union(Intersect(Ring(c + 3.0f, 7.6f, 4.4f, 1.2f), [](float, float y) { return y - 7.6f; }),
                        Union(Capsule(c - 1.4f, 7.6f, c - 1.4f, 9.4f, 1.2f), Capsule(c + 7.4f, 7.6f, c + 7.4f, 12.0f, 1.2f)));
    }
    r.DropShadow(shackle, 0.6f, 0.8f, 0.25f);
    r.Fill(shackle, Linear({c - 6, 0}, {c + 6, 0}, {{0, Hex(0x8A939C)}, {0.35f, Hex(0xEEF1F3)}, {1, Hex(0x7A838C)}}));
    Border(r, shackle, 0x4F5760, 0.35f);
    const Shape body = RoundRect(4.6f, 11.0f, 19.4f, 21.8f, 2.2f);
    r.DropShadow(body, 0.7f, 1.0f, 0.3f);
    r.Fill(body, Vertical(11, 21.8f, 0xFFE486, 0xC68A06));
    Gloss(r, body, 11, 15.5f, 0.5f);
    Border(r, body, 0x835B00);
    const Shape hole = Union(Circle(c, 15.0f, 1.45f), Capsule(c, 15.5f, c, 18.6f, 0.7f));
    r.Fill(hole, Hex(0x3A2800));
}

void Speaker(Raster& r, bool on) {
    const Shape box = Polygon({{3.5f, 9.0f}, {7.6f, 9.0f}, {12.8f, 4.4f}, {12.8f, 19.6f}, {7.6f, 15.0f}, {3.5f, 15.0f}});
    const Shape speaker = Grow(box, 0.4f);
    r.DropShadow(speaker, 0.7f, 1.0f, 0.3f);
    r.Fill(speaker, Diagonal(3, 4, 13, 20, 0x8796A8, 0x303A46));
    Border(r, speaker, 0x222A33, 0.4f);
    r.Fill(Capsule(8.2f, 9.8f, 12.0f, 6.4f, 0.4f), Hex(0xFFFFFF, 0.35f));
    if (on) {
        const Shape right = [](float x, float) { return 14.8f - x; };
        const Shape waves = Union(Intersect(Ring(12.2f, 12.0f, 4.4f, 0.95f), right),
                                  Intersect(Ring(12.2f, 12.0f, 8.0f, 0.95f), right));
        r.Fill(waves, Diagonal(14, 4, 21, 20, 0x5AA6F2, 0x1857B8));
    } else {
        const Shape cross = Union(Capsule(15.6f, 9.0f, 20.8f, 15.0f, 1.1f), Capsule(15.6f, 15.0f, 20.8f, 9.0f, 1.1f));
        r.DropShadow(cross, 0.5f, 0.7f, 0.25f);
        r.Fill(cross, Diagonal(15, 9, 21, 15, 0xFF7A6E, 0xC62818));
    }
}

std::vector<Pt> StarPoints(float cx, float cy, float outer, float inner) {
    std::vector<Pt> p;
    for (int i = 0; i < 10; ++i) {
        const float a = -1.5707963f + float(i) * 0.6283185f;
        const float rad = i % 2 == 0 ? outer : inner;
        p.push_back({cx + rad * std::cos(a), cy + rad * std::sin(a)});
    }
    return p;
}

void Star(Raster& r, bool on) {
    const Shape star = Grow(Polygon(StarPoints(12.0f, 12.8f, 10.2f, 4.3f)), 0.3f);
    r.DropShadow(star, 0.7f, 1.0f, 0.3f);
    if (on) {
        r.Fill(star, Diagonal(4, 3, 20, 21, 0xFFF08A, 0xEE9A00));
        Border(r, star, 0x9C6100);
    } else {
        r.Fill(star, Diagonal(4, 3, 20, 21, 0xFFFFFF, 0xD3DAE1));
        Border(r, star, 0x7F8B98);
    }
    r.Fill(Intersect(Grow(star, -1.0f), [](float, float y) { return y - 10.0f; }), Hex(0xFFFFFF, 0.3f));
}

void Heart(Raster& r, bool on) {
    const Shape heart = Union(Union(Circle(8.0f, 9.0f, 4.7f), Circle(16.0f, 9.0f, 4.7f)),
                              Grow(Polygon({{3.9f, 11.2f}, {20.1f, 11.2f}, {12.0f, 20.2f}}), 0.6f));
    r.DropShadow(heart, 0.7f, 1.0f, 0.3f);
    if (on) {
        r.Fill(heart, Diagonal(4, 4, 20, 20, 0xFF8A80, 0xC4161C));
        Border(r, heart, 0x85100F);
    } else {
        r.Fill(heart, Diagonal(4, 4, 20, 20, 0xFFFFFF, 0xD3DAE1));
        Border(r, heart, 0x7F8B98);
    }
    r.Fill(Ellipse(7.4f, 7.6f, 2.2f, 1.4f), Hex(0xFFFFFF, 0.6f));
}

}  // namespace

std::vector<GlyphSheetSpec> GlyphSheets() {
    return {
        {"CHECKBOX", 16, 16, 4, CheckBox},
        {"RADIOBUT", 14, 14, 8, RadioButton},
        {"SLIDELFTRGT", 30, 18, 8, [](Raster& r, bool on) { Slider(r, true, on, 0xB4BCC6); }},
        {"SLIDETOPBOT", 18, 30, 8, [](Raster& r, bool on) { Slider(r, false, on, 0xB4BCC6); }},
        {"COLSLIDELR", 30, 18, 8, [](Raster& r, bool on) { Slider(r, true, on, on ? 0x3FBF4C : 0xE5483B); }},
        {"COLSLIDETB", 18, 30, 4, [](Raster& r, bool on) { Slider(r, false, on, on ? 0x3FBF4C : 0xE5483B); }},
        {"LEDREDGREEN", 14, 14, 24, LedRedGreen},
        {"ARROWLR", 25, 25, 24, [](Raster& r, bool on) { ArrowGlyph(r, on ? 1 : 3, on); }},
        {"ARROWTR", 25, 25, 24, [](Raster& r, bool on) { ArrowGlyph(r, on ? 0 : 1, on); }},
        {"ARROWUD", 25, 25, 24, [](Raster& r, bool on) { ArrowGlyph(r, on ? 0 : 2, on); }},
        {"TRAFFICLGT", 31, 31, 8, TrafficLight},
        {"BEVELEDLED", 17, 17, 8, BeveledLed},
        {"SMILEYS", 18, 18, 24, SmileyYellow},
        {"SMILEYRG", 18, 18, 24, SmileyRedGreen},
        {"BULB", 39, 49, 24, Bulb},
        {"BUTLAMP", 49, 24, 24, ButtonLamp},
        {"HDLEFT", 48, 16, 24, [](Raster& r, bool on) { DiskLamp(r, on, true); }},
        {"HDRIGHT", 48, 16, 24, [](Raster& r, bool on) { DiskLamp(r, on, false); }},
        {"USER1", 24, 24, 24, Power},
        {"USER2", 24, 24, 24, Padlock},
        {"USER3", 24, 24, 24, Speaker},
        {"USER4", 24, 24, 24, Star},
        {"USER5", 24, 24, 24, Heart},
    };
}

Pixels TableEditorBox(bool checked, float scale) {
    Raster r(16, 16, scale);
    CheckBoxAt(r, checked, 1.5f, 1.5f, 14.5f, 14.5f);
    return Flatten(r, kMenuRGB, kMenuRGB);
}

}  // namespace resgen
