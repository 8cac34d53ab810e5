// Canvas drawing speed: solid fills against memset of the same pixels, lines, ellipses,
// halftone shrinking, and the primitives an instrument face is painted with.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/Graphics.h"
#include "platform/Win32.h"

using namespace vcl;

namespace {

TBitmap* FullHd() {
    static TBitmap* b = [] {
        auto* bmp = new TBitmap;
        bmp->SetSize(1920, 1080);
        return bmp;
    }();
    return b;
}

// The reference: clearing the same pixel buffer with memset.
void BM_MemsetFullHd(benchmark::State& state) {
    TBitmap* b = FullHd();
    std::uint8_t* lowest = b->ScanLine(b->GetHeight() - 1);   // rows are stored bottom-up
    const std::size_t bytes = std::size_t(b->BytesPerLine()) * b->GetHeight();
    int value = 0;
    for (auto _ : state) {
        std::memset(lowest, value++ & 0xFF, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}
BENCHMARK(BM_MemsetFullHd);

void BM_FillRectFullHd(benchmark::State& state) {
    TBitmap* b = FullHd();
    TCanvas* c = b->GetCanvas();
    int value = 0;
    for (auto _ : state) {
        c->GetBrush()->SetColor(RGB(value & 0xFF, 0x40, 0x80));
        ++value;
        c->FillRect(TRect(0, 0, 1920, 1080));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * b->BytesPerLine() * b->GetHeight());
}
BENCHMARK(BM_FillRectFullHd);

void BM_LinesFan(benchmark::State& state) {
    TBitmap* b = FullHd();
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetWidth(int(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            c->MoveTo(960, 540);
            c->LineTo(i * 19, (i * 37) % 1080);
        }
    }
    state.SetItemsProcessed(state.iterations() * 100);
    c->GetPen()->SetWidth(1);
}
BENCHMARK(BM_LinesFan)->Arg(1)->Arg(3);

void BM_Ellipses(benchmark::State& state) {
    TBitmap* b = FullHd();
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clYellow);
    const int size = int(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) c->Ellipse(i * 50, i * 20, i * 50 + size, i * 20 + size);
    }
    state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_Ellipses)->Arg(50)->Arg(400);

// A huge ellipse on a 400 x 300 canvas: a flat one 2^30 wide (the day mark of a calendar
// near the width limit; 0), a circle 2^20 across (1), circles 2^24 and 2^30 across whose
// outline crosses the canvas near 45 degrees (2, 3), each through the canvas's clip. Only
// the clipped rows' runs should cost.
void BM_EllipseHugeClipped(benchmark::State& state) {
    TBitmap bmp;
    bmp.SetSize(400, 300);
    TCanvas* c = bmp.GetCanvas();
    c->GetBrush()->SetColor(clYellow);
    c->GetPen()->SetColor(clNavy);
    auto circleThroughCanvas = [](int Side) {   // its 45-degree point at the canvas's middle
        const int d = int(Side / 2 * 0.70710678) + Side / 2;
        return Rect(200 - d, 150 - d, 200 - d + Side, 150 - d + Side);
    };
    const TRect boxes[] = {Rect(-1000, 100, 1 << 30, 130), Rect(-200, -100, (1 << 20) - 200, (1 << 20) - 100),
                           circleThroughCanvas(1 << 24), circleThroughCanvas(1 << 30)};
    const TRect box = boxes[state.range(0)];
    for (auto _ : state) {
        c->Ellipse(box);
        benchmark::DoNotOptimize(bmp.ScanLine(150));
    }
}
BENCHMARK(BM_EllipseHugeClipped)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Huge arcs on a 400 x 300 canvas, each through the canvas's clip: a pie of a circle 2^20
// across whose outline crosses the canvas near 45 degrees (0), its arc alone (1), the pie
// with a pen 3 pixels wide (2), the pie of a circle 2^24 across (3), and a filled ellipse
// 2^24 across wholly above and left of the canvas (4; a meter's scale band of an extreme
// width). Only what the clip shows should cost.
void BM_ArcHugeClipped(benchmark::State& state) {
    TBitmap bmp;
    bmp.SetSize(400, 300);
    TCanvas* c = bmp.GetCanvas();
    c->GetBrush()->SetColor(clYellow);
    c->GetPen()->SetColor(clNavy);
    const int side = state.range(0) == 3 ? 1 << 24 : 1 << 20;
    const int d = int(side / 2 * 0.70710678) + side / 2;   // the 45-degree point at the middle
    const TRect box = state.range(0) == 4 ? Rect(-(1 << 24) - 500, -(1 << 24) - 500, -500, -500)
                                          : Rect(200 - d, 150 - d, 200 - d + side, 150 - d + side);
    const TPoint centre(box.Left + side / 2, box.Top + side / 2);
    c->GetPen()->SetWidth(state.range(0) == 2 ? 3 : 1);
    for (auto _ : state) {
        try {
            switch (state.range(0)) {
                case 1: c->Arc(box.Left, box.Top, box.Right, box.Bottom, centre.X + side, centre.Y, centre.X, centre.Y - side); break;
                case 4: c->Ellipse(box); break;
                default: c->Pie(box.Left, box.Top, box.Right, box.Bottom, centre.X + side, centre.Y, centre.X, centre.Y - side); break;
            }
        } catch (const EOutOfResources&) {
            state.SkipWithError("the canvas refused the arc");
            break;
        }
        benchmark::DoNotOptimize(bmp.ScanLine(150));
    }
    c->GetPen()->SetWidth(1);
}
BENCHMARK(BM_ArcHugeClipped)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_StretchHalftone1024x768To120x90(benchmark::State& state) {
    TBitmap src;
    src.SetSize(1024, 768);
    for (int y = 0; y < 768; ++y) {
        std::uint8_t* row = src.ScanLine(y);
        for (int x = 0; x < 1024 * 4; ++x) row[x] = std::uint8_t(x * 7 + y * 3);
    }
    TBitmap dst;
    dst.SetSize(120, 90);
    SetStretchBltMode(dst.GetCanvas(), HALFTONE);
    for (auto _ : state) {
        StretchBlt(dst.GetCanvas(), 0, 0, 120, 90, src.GetCanvas(), 0, 0, 1024, 768, SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StretchHalftone1024x768To120x90)->Unit(benchmark::kMillisecond);

}  // namespace

// ---- the primitives of an instrument face (600 x 400, as the meter paints them) ---------

namespace {

TBitmap* Face() {
    static TBitmap* b = [] {
        auto* bmp = new TBitmap;
        bmp->SetSize(600, 400);
        return bmp;
    }();
    return b;
}

void BM_DrawUnscaled600x400(benchmark::State& state) {
    TBitmap src;
    src.SetSize(600, 400);
    src.SetTransparent(state.range(0) != 0);
    TCanvas* c = Face()->GetCanvas();
    for (auto _ : state) {
        c->Draw(0, 0, &src);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 600 * 400 * 4);
}
BENCHMARK(BM_DrawUnscaled600x400)->Arg(0)->Arg(1);

void BM_CopyRectSrcAnd600x400(benchmark::State& state) {
    TBitmap src;
    src.SetSize(600, 400);
    TCanvas* c = Face()->GetCanvas();
    c->SetCopyMode(SRCAND);
    for (auto _ : state) {
        c->CopyRect(TRect(0, 0, 600, 400), src.GetCanvas(), TRect(0, 0, 600, 400));
        benchmark::ClobberMemory();
    }
    c->SetCopyMode(SRCCOPY);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 600 * 400 * 4);
}
BENCHMARK(BM_CopyRectSrcAnd600x400);

// A background image stretched over the face: 300 x 200 onto 600 x 400.
void BM_StretchDrawEnlarge2x(benchmark::State& state) {
    TBitmap src;
    src.SetSize(300, 200);
    TCanvas* c = Face()->GetCanvas();
    for (auto _ : state) {
        c->StretchDraw(TRect(0, 0, 600, 400), &src);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 600 * 400 * 4);
}
BENCHMARK(BM_StretchDrawEnlarge2x);

void BM_NewBitmap600x400(benchmark::State& state) {
    for (auto _ : state) {
        TBitmap b;
        b.SetSize(600, 400);
        benchmark::DoNotOptimize(b.ScanLine(0));
    }
}
BENCHMARK(BM_NewBitmap600x400);

void BM_RectangleFull600x400(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetBrush()->SetColor(clBtnFace);
    c->GetPen()->SetColor(clBlack);
    for (auto _ : state) c->Rectangle(0, 0, 600, 400);
}
BENCHMARK(BM_RectangleFull600x400);

// A third of a scale band: a 120-degree sector of radius 194.
void BM_PieSector(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetBrush()->SetColor(clLime);
    c->GetPen()->SetColor(clLime);
    for (auto _ : state) c->Pie(106, 6, 495, 394, 468, 103, 132, 103);
}
BENCHMARK(BM_PieSector);

void BM_EllipseFilled(benchmark::State& state) {
    const int r = int(state.range(0));
    TCanvas* c = Face()->GetCanvas();
    c->GetBrush()->SetColor(clSilver);
    c->GetPen()->SetColor(clSilver);
    for (auto _ : state) c->Ellipse(300 - r, 200 - r, 300 + r + 1, 200 + r);
}
BENCHMARK(BM_EllipseFilled)->Arg(10)->Arg(175);

void BM_ArcOutline(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetPen()->SetColor(clBlack);
    for (auto _ : state) c->Arc(110, 10, 491, 390, 465, 105, 135, 295);
}
BENCHMARK(BM_ArcOutline);

// A needle: a seven-point polygon with an outline.
void BM_NeedlePolygon(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetBrush()->SetColor(clSilver);
    c->GetPen()->SetColor(clBlack);
    const TPoint pts[] = {{420, 80}, {440, 60}, {430, 90}, {423, 88}, {297, 203}, {303, 197}, {428, 82}};
    for (auto _ : state) c->Polygon(pts);
}
BENCHMARK(BM_NeedlePolygon);

void BM_TickLine(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetPen()->SetColor(clBlack);
    for (auto _ : state) {
        c->MoveTo(470, 110);
        c->LineTo(463, 114);
    }
}
BENCHMARK(BM_TickLine);

void BM_TextOutLabel(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    const std::string label = "100";
    for (auto _ : state) c->TextOut(250, 180, label);
    c->GetBrush()->SetStyle(bsSolid);
    state.SetItemsProcessed(state.iterations() * std::int64_t(label.size()));
}
BENCHMARK(BM_TextOutLabel);

void BM_TextExtentLabel(benchmark::State& state) {
    TCanvas* c = Face()->GetCanvas();
    const std::string label = "100";
    for (auto _ : state) benchmark::DoNotOptimize(c->TextExtent(label));
}
BENCHMARK(BM_TextExtentLabel);

}  // namespace
