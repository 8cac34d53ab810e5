// The shape of the includes, read from the source tree: no include loop anywhere; code
// outside the platform sees it only through the unit headers (platform/<Unit>.h); a unit
// header only includes the area headers it stands for; an area never includes a unit
// header nor a higher area.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "IncludeGraph.h"

namespace {

using structure::IncludeGraph;

const IncludeGraph& Tree() {
    static const IncludeGraph graph = structure::ReadIncludeGraph(ZYN_SOURCE_DIR);
    return graph;
}

bool StartsWith(const std::string& S, const std::string& Prefix) { return S.rfind(Prefix, 0) == 0; }

// A unit header: a header directly in platform/.
bool IsUnitHeader(const std::string& File) {
    return StartsWith(File, "platform/") && File.find('/', 9) == std::string::npos && File.ends_with(".h");
}

// The platform's areas from the bottom up; an area uses only itself and those below it.
int AreaLevel(const std::string& File) {
    static const std::vector<std::string> areas{"platform/runtime/", "platform/core/", "platform/graphics/",
                                                "platform/accessibility/", "platform/controls/", "platform/backend/"};
    for (std::size_t i = 0; i < areas.size(); ++i)
        if (StartsWith(File, areas[i])) return int(i);
    return -1;
}

// White-box code of the platform outside platform/: its own tests, benchmark and fuzz
// target reach inside the areas they test.
bool IsPlatformWhiteBox(const std::string& File) {
    return StartsWith(File, "tests/platform/") || StartsWith(File, "tests/window/") ||
           StartsWith(File, "tests/teardown/") ||
           File == "tests/fuzz/fuzz_image.cpp" || File == "bench/bench_text.cpp";
}

std::string Where(const std::string& File, const structure::Include& Inc) {
    return File + ":" + std::to_string(Inc.line) + " includes \"" + Inc.written + "\"\n";
}

TEST(IncludeStructure, TheTreeIsRead) {
    // Guards the checks below against reading nothing.
    ASSERT_TRUE(Tree().contains("platform/Graphics.h"));
    ASSERT_TRUE(Tree().contains("platform/controls/base/Control.h"));
    EXPECT_GT(Tree().size(), 300u);
}

TEST(IncludeStructure, NoIncludeLoop) {
    std::string report;
    for (const auto& loop : structure::FindIncludeLoops(Tree())) {
        report += "include loop:";
        for (std::size_t i = 0; i < loop.size(); ++i) report += (i ? " -> " : " ") + loop[i];
        report += "\n";
    }
    EXPECT_EQ(report, "");
}

TEST(IncludeStructure, OutsideThePlatformOnlyUnitHeaders) {
    std::string report;
    for (const auto& [file, includes] : Tree()) {
        if (StartsWith(file, "platform/") || IsPlatformWhiteBox(file)) continue;
        for (const auto& inc : includes)
            if (StartsWith(inc.target, "platform/") && !IsUnitHeader(inc.target)) report += Where(file, inc);
    }
    EXPECT_EQ(report, "");
}

TEST(IncludeStructure, UnitHeadersIncludeOnlyAreaHeaders) {
    std::string report;
    for (const auto& [file, includes] : Tree()) {
        if (!IsUnitHeader(file)) continue;
        for (const auto& inc : includes)
            if (AreaLevel(inc.target) < 0) report += Where(file, inc);
    }
    EXPECT_EQ(report, "");
}

TEST(IncludeStructure, AreasIncludeNoUnitHeaderAndNoHigherArea) {
    std::string report;
    for (const auto& [file, includes] : Tree()) {
        int level = AreaLevel(file);
        if (level < 0) continue;
        for (const auto& inc : includes) {
            if (!StartsWith(inc.target, "platform/")) continue;
            if (IsUnitHeader(inc.target) || AreaLevel(inc.target) > level) report += Where(file, inc);
        }
    }
    EXPECT_EQ(report, "");
}

TEST(IncludeLoopSearch, FindsEachLoopOnceWithItsFiles) {
    IncludeGraph g;
    auto inc = [&](const std::string& from, const std::string& to) { g[from].push_back({to, to, 1}); };
    inc("a.h", "b.h");
    inc("b.h", "c.h");
    inc("c.h", "a.h");   // a -> b -> c -> a
    inc("c.h", "d.h");
    inc("d.h", "d.h");   // includes itself
    inc("x.cpp", "b.h");
    inc("e.h", "f.h");   // no loop
    g["f.h"];
    auto loops = structure::FindIncludeLoops(g);
    ASSERT_EQ(loops.size(), 2u);
    EXPECT_EQ(loops[0], (std::vector<std::string>{"a.h", "b.h", "c.h", "a.h"}));
    EXPECT_EQ(loops[1], (std::vector<std::string>{"d.h", "d.h"}));
    g.erase("c.h");   // c.h no longer closes the first loop, nor reaches d.h
    g.erase("d.h");
    EXPECT_TRUE(structure::FindIncludeLoops(g).empty());
}

}  // namespace
