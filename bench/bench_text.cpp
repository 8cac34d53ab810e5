// Text engine throughput: drawing cached 8-point text and measuring strings.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/graphics/text/TextEngine.h"

using namespace vcl;
using namespace vcl::text;

namespace {

FontSpec EightPoint(bool antialias) {
    FontSpec font;
    font.family = "Tahoma";
    font.height = -11;
    font.antialias = antialias;
    return font;
}

void DrawCachedText(benchmark::State& state, bool antialias) {
    const int width = 400, height = 20, stride = width * 4;
    std::vector<std::uint8_t> bits(std::size_t(stride) * height, 0xFF);
    const Target target{bits.data(), width, height, stride, 32, TRect(0, 0, width, height)};
    const FontSpec font = EightPoint(antialias);
    const std::string line = "The quick brown fox jumps over the lazy dog 0123456789";
    TextEngine& engine = TextEngine::Instance();
    engine.Draw(target, font, 2, 2, line, clBlack, clNone);   // fills the glyph cache
    for (auto _ : state) {
        engine.Draw(target, font, 2, 2, line, clBlack, clNone);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(line.size()));
    state.SetLabel("items = glyphs");
}

void BM_DrawCachedText8ptGrey(benchmark::State& state) { DrawCachedText(state, true); }
void BM_DrawCachedText8ptMono(benchmark::State& state) { DrawCachedText(state, false); }

void BM_DrawCachedText8ptOpaque(benchmark::State& state) {
    const int width = 400, height = 20, stride = width * 3 + 0;
    std::vector<std::uint8_t> bits(std::size_t(stride) * height, 0xFF);
    const Target target{bits.data(), width, height, stride, 24, TRect(0, 0, width, height)};
    const FontSpec font = EightPoint(true);
    const std::string line = "The quick brown fox jumps over the lazy dog 0123456789";
    TextEngine& engine = TextEngine::Instance();
    for (auto _ : state) {
        engine.Draw(target, font, 2, 2, line, clBlack, clWhite);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(line.size()));
}

void BM_Extent20Chars(benchmark::State& state) {
    const FontSpec font = EightPoint(true);
    const std::string text = "Twenty characters ok";   // 20 characters
    TextEngine& engine = TextEngine::Instance();
    engine.Extent(font, text);
    for (auto _ : state) benchmark::DoNotOptimize(engine.Extent(font, text));
}

// Two fonts in turn: the last-font shortcut misses and the lookup table answers.
void BM_Extent20CharsAlternatingFonts(benchmark::State& state) {
    const FontSpec a = EightPoint(true);
    FontSpec b = a;
    b.family = "Arial";
    b.bold = true;
    const std::string text = "Twenty characters ok";
    TextEngine& engine = TextEngine::Instance();
    engine.Extent(a, text);
    engine.Extent(b, text);
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.Extent(flip ? a : b, text));
        flip = !flip;
    }
}

void BM_DrawRotated30Degrees(benchmark::State& state) {
    const int width = 400, height = 300, stride = width * 4;
    std::vector<std::uint8_t> bits(std::size_t(stride) * height, 0xFF);
    const Target target{bits.data(), width, height, stride, 32, TRect(0, 0, width, height)};
    FontSpec font = EightPoint(true);
    font.escapement = 300;
    const std::string line = "The quick brown fox jumps over the lazy dog";
    TextEngine& engine = TextEngine::Instance();
    for (auto _ : state) {
        engine.Draw(target, font, 20, 250, line, clBlack, clNone);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(line.size()));
}

}  // namespace

BENCHMARK(BM_DrawCachedText8ptGrey);
BENCHMARK(BM_DrawCachedText8ptMono);
BENCHMARK(BM_DrawCachedText8ptOpaque);
BENCHMARK(BM_Extent20Chars);
BENCHMARK(BM_Extent20CharsAlternatingFonts);
BENCHMARK(BM_DrawRotated30Degrees);
