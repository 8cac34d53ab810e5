// Canvas drawing speed: solid fills against memset of the same pixels, lines, ellipses
// and halftone shrinking.
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
