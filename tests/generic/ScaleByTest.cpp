// ScaleBy on every component: each published pixel metric scales with the control (within
// its documented clamp), and what is not a pixel (counts, angles, percentages) stays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "platform/Win32.h"

using namespace vcl;

namespace {

struct Metric {
    const char* Path;       // published property, "Sub.Property" for a sub-object's
    const char* Start;      // set before scaling; nullptr keeps the default
};

struct ComponentMetrics {
    const char* Class;
    TRect Bounds;
    std::vector<Metric> Scaled;
    std::vector<const char*> Kept;
};

const std::vector<ComponentMetrics>& Table() {
    static const std::vector<ComponentMetrics> table = {
        {"TReportListView", Rect(0, 0, 300, 200),
         {{"CommonHeaderHeight", "22"}, {"ColumnHeadersHeight", nullptr}, {"DefaultColWidth", "70"},
          {"DefaultRowHeight", nullptr}, {"InterRowIndicatorWidth", nullptr}},
         {"NrOfColumns", "NrOfRows"}},
        {"TNTabEd", Rect(0, 0, 300, 200), {{"DefaultColWidth", nullptr}}, {"NumWidth", "NrOfColumns"}},
        {"TThumbnails", Rect(0, 0, 300, 200),
         {{"SlideSize", nullptr}, {"SlideDistance", nullptr}, {"SlideMargin", nullptr}, {"FocusLinewidth", "2"}},
         {"Min", "Max"}},
        {"TSevenSeg", Rect(0, 0, 150, 50), {{"InterDigDist", nullptr}, {"Margin", nullptr}}, {"NumDigits"}},
        {"TNumLab", Rect(0, 0, 200, 24), {{"LabelWidth", nullptr}, {"LeftSpace", nullptr}}, {"Precision"}},
        {"TRotLab", Rect(0, 0, 120, 60), {{"PosX", nullptr}, {"PosY", nullptr}}, {"TextAngle"}},
        {"TRasterLab", Rect(0, 0, 200, 40),
         {{"DotSize", nullptr}, {"DotSpacing", nullptr}, {"PosX", "3"}, {"PosY", nullptr}, {"ScrollIncrement", "2"}},
         {"ScrollInterval"}},
        {"TColSel", Rect(0, 0, 150, 24), {{"ColorBarWidth", nullptr}}, {"NumColors"}},
        {"TProgBar", Rect(0, 0, 200, 40),
         {{"MarginLeft", nullptr}, {"MarginRight", nullptr}, {"MarginTop", nullptr}, {"MarginBottom", nullptr},
          {"GridDist", "10"}, {"TextPosX", nullptr}, {"TextPosY", nullptr}},
         {"TextAngle", "TextDecPlaces"}},
        {"TMeter", Rect(0, 0, 200, 150),
         {{"AnchorSize", nullptr}, {"RimBottom", nullptr}, {"RimTop", nullptr}, {"RimSide", nullptr},
          {"NeedleLayout.HeadSize", nullptr}, {"NeedleLayout.Thickness", "2"},
          {"NeedleLayout.HeadMidLeng", nullptr}, {"NeedleLayout.ShadowDx", "2"},
          {"NeedleLayoutSec.HeadSize", nullptr}, {"FontCaption.Height", nullptr}},
         {"NeedleLayout.HeadAngle", "NeedleLayout.PercentNeedleLength", "MeterNrTicks"}},
        {"TNumIO2", Rect(0, 0, 260, 30),
         {{"ButWidth", nullptr}, {"ButHeight", "20"}, {"ButSpace", nullptr}, {"GaugeHeight", nullptr},
          {"GaugeLeftMargin", nullptr}, {"GaugeTopMargin", nullptr}, {"GaugeWidth", nullptr},
          {"LeftSpace", nullptr}, {"TextBoxWidth", nullptr}},
         {"SignificantDigits"}},
        {"TFolderTree", Rect(0, 0, 200, 150), {{"Indent", nullptr}}, {}},
    };
    return table;
}

TEST(ScaleByComponents, EveryPixelMetricScalesAndTheRestStays) {
    for (const ComponentMetrics& entry : Table()) {
        for (auto [m, d] : {std::pair{2, 1}, std::pair{3, 2}}) {
            TForm form(nullptr);
            form.SetBounds(0, 0, 900, 700);
            auto* c = dynamic_cast<TControl*>(FindClass(entry.Class)->Create(&form));
            ASSERT_NE(c, nullptr) << entry.Class;
            c->SetParentComponent(&form);
            c->SetBoundsRect(entry.Bounds);
            std::vector<int> before;
            for (const Metric& metric : entry.Scaled) {
                if (metric.Start != nullptr) SetPropText(c, metric.Path, metric.Start);
                before.push_back(std::stoi(GetPropText(c, metric.Path)));
            }
            std::vector<std::string> kept;
            for (const char* path : entry.Kept) kept.push_back(GetPropText(c, path));

            form.ScaleBy(m, d);

            const std::string where = std::string(entry.Class) + " by " + std::to_string(m) + "/" + std::to_string(d);
            EXPECT_NEAR(c->GetWidth(), entry.Bounds.Width() * m / d, 1) << where;
            for (std::size_t i = 0; i < entry.Scaled.size(); ++i) {
                const int after = std::stoi(GetPropText(c, entry.Scaled[i].Path));
                EXPECT_NEAR(after, MulDiv(before[i], m, d), 1) << where << ": " << entry.Scaled[i].Path;
                EXPECT_NE(after, before[i]) << where << ": " << entry.Scaled[i].Path << " did not move";
            }
            for (std::size_t i = 0; i < entry.Kept.size(); ++i)
                EXPECT_EQ(GetPropText(c, entry.Kept[i]), kept[i]) << where << ": " << entry.Kept[i];
        }
    }
}

// A calendar sizes its cells from its size: scaled, it matches one made at the scaled size.
TEST(ScaleByComponents, TheCalendarsCellsFollowItsScaledSize) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 900, 700);
    auto* scaled = dynamic_cast<TControl*>(FindClass("TMiniCal")->Create(&form));
    scaled->SetParentComponent(&form);
    scaled->SetBounds(0, 0, 180, 150);
    form.ScaleBy(2, 1);
    TForm other(nullptr);
    other.SetBounds(0, 0, 900, 700);
    auto* made = dynamic_cast<TControl*>(FindClass("TMiniCal")->Create(&other));
    made->SetParentComponent(&other);
    // Its grid lines are as thick as the scaled calendar's (two pixels at twice the density).
    EXPECT_EQ(GetPropText(scaled, "GridLineWidth"), "2");
    SetPropText(made, "GridLineWidth", GetPropText(scaled, "GridLineWidth"));
    made->SetBounds(0, 0, 360, 300);
    made->SetFont(scaled->GetFont());
    ASSERT_EQ(scaled->GetWidth(), made->GetWidth());
    EXPECT_EQ(GetPropText(scaled, "DefaultColWidth"), GetPropText(made, "DefaultColWidth"));
    EXPECT_EQ(GetPropText(scaled, "DefaultRowHeight"), GetPropText(made, "DefaultRowHeight"));
}

}  // namespace
