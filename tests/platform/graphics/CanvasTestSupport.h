// Helpers for canvas tests: white bitmaps to draw on and pixel maps drawn as text, so a
// test shows both the pixels a shape must cover and the ones around it that must stay.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Graphics.h"

namespace vcl::testing_support {

inline std::unique_ptr<TBitmap> WhiteBitmap(int w, int h, TPixelFormat format = pf32bit) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(format);
    b->SetSize(w, h);
    return b;
}

// One string per row of area: '#' where the pixel is ink, '.' where it is paper and '?'
// for anything else.
inline std::vector<std::string> PixelMap(TCanvas* c, const TRect& area, TColor ink = clBlack,
                                         TColor paper = clWhite) {
    std::vector<std::string> rows;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::string row;
        for (int x = area.Left; x < area.Right; ++x) {
            const TColor p = c->GetPixels(x, y);
            row += p == ink ? '#' : p == paper ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::set<std::pair<int, int>> PixelsOf(TCanvas* c, const TRect& area, TColor ink) {
    std::set<std::pair<int, int>> s;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (c->GetPixels(x, y) == ink) s.insert({x, y});
    return s;
}

// Smallest rectangle holding every pixel that is not paper; empty when there is none.
inline TRect InkBounds(TCanvas* c, const TRect& area, TColor paper = clWhite) {
    TRect r;
    bool any = false;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (c->GetPixels(x, y) != paper) {
                if (!any) r = TRect(x, y, x + 1, y + 1);
                r = UnionRect(r, TRect(x, y, x + 1, y + 1));
                any = true;
            }
    return r;
}

inline int CountInk(TCanvas* c, const TRect& area, TColor paper = clWhite) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) n += c->GetPixels(x, y) != paper;
    return n;
}

inline std::vector<std::uint8_t> Snapshot(TBitmap& b) {
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < b.GetHeight(); ++y)
        bytes.insert(bytes.end(), b.ScanLine(y), b.ScanLine(y) + b.BytesPerLine());
    return bytes;
}

}  // namespace vcl::testing_support
