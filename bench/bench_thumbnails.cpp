// Full repaints of the thumbnail grid: twelve slides scaled from 1024 x 768 pictures that
// the application caches after the first request, sampled and averaged (AntiAlias).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "platform/Graphics.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;

namespace {

// A 1024 x 768 picture with a gradient and a few shapes, different for every slide.
std::unique_ptr<vcl::TBitmap> MakePicture(int Id) {
    auto bmp = std::make_unique<vcl::TBitmap>();
    bmp->SetSize(1024, 768);
    vcl::TCanvas* c = bmp->GetCanvas();
    for (int y = 0; y < 768; y += 4) {
        c->GetBrush()->SetColor(vcl::RGB(y / 3, (Id * 40) & 0xFF, 255 - y / 3));
        c->FillRect(vcl::Rect(0, y, 1024, y + 4));
    }
    c->GetBrush()->SetColor(vcl::clYellow);
    c->Ellipse(100 + Id * 20, 100, 500 + Id * 20, 500);
    return bmp;
}

// CopyPicture: the handler copies the slide's cached picture into the image buffer, as an
// application must; without it every slide shows the picture the buffer already holds,
// which isolates the grid's own work (scaling and drawing).
void PaintTwelve(benchmark::State& State, bool AntiAlias, bool CopyPicture = true) {
    TThumbnails t(nullptr);
    t.SetBounds(0, 0, 562, 420);   // four slides a row, three rows
    t.SetMax(12);
    t.SetAntiAlias(AntiAlias);
    std::map<int, std::unique_ptr<vcl::TBitmap>> cache;
    int requests = 0;
    t.SetOnImageRequest([&](vcl::TObject*, int Id, TImageRequestProcessing& How, int&, vcl::TBitmap* Buffer) {
        auto& pic = cache[Id];
        if (!pic) pic = MakePicture(Id);
        if (CopyPicture || Buffer->Empty()) Buffer->Assign(pic.get());
        How = irpShowSlide;
        ++requests;
    });
    vcl::TBitmap target;
    target.SetSize(t.GetWidth(), t.GetHeight());
    t.PaintTo(target.GetCanvas(), 0, 0);   // fills the cache
    requests = 0;
    for (auto _ : State) {
        t.PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["slides"] = double(requests) / double(State.iterations());
}

}  // namespace

static void BM_ThumbnailsPaintTwelveSampled(benchmark::State& State) { PaintTwelve(State, false); }
BENCHMARK(BM_ThumbnailsPaintTwelveSampled)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

static void BM_ThumbnailsPaintTwelveScalingOnly(benchmark::State& State) { PaintTwelve(State, false, false); }
BENCHMARK(BM_ThumbnailsPaintTwelveScalingOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

static void BM_ThumbnailsPaintTwelveAntiAlias(benchmark::State& State) { PaintTwelve(State, true); }
BENCHMARK(BM_ThumbnailsPaintTwelveAntiAlias)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
