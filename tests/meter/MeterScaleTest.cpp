// The tick-step algorithm, tick lists, labels, layouts and the value/pixel mappings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "meter/Zyn_Meter.h"

using namespace zyn;

namespace {

std::vector<double> MajorValues(const TMeterTicks& t, bool LabelledOnly = false) {
    std::vector<double> v;
    for (const auto& m : t.Major)
        if (!LabelledOnly || m.Labelled) v.push_back(m.Value);
    return v;
}

void ExpectNear(const std::vector<double>& Got, const std::vector<double>& Want) {
    ASSERT_EQ(Got.size(), Want.size());
    for (std::size_t i = 0; i < Got.size(); ++i) EXPECT_NEAR(Got[i], Want[i], 1e-9 * (1 + std::fabs(Want[i]))) << i;
}

}  // namespace

TEST(MeterTicks, StepForASpreadOfRanges) {
    struct Case { int n; double lo, hi, first, step; int nsub; };
    const Case cases[] = {
        {3, 0, 1, 0, 0.2, 4},          // 1/3: mantissa between 2 and 5
        {21, 0, 100, 0, 2, 4},         // 100/21 = 4.76
        {10, 0, 100, 0, 10, 5},        // exact power of ten
        {4, -50, 50, -40, 20, 4},      // 25; first multiple of 20 not below -50
        {5, 3, 97, 10, 10, 5},         // 18.8 -> 10; first multiple not below 3
        {2, 0.001, 0.009, 0.002, 0.002, 4},
        {7, 1000, 8000, 1000, 1000, 5},
        {3, -7, -1, -6, 2, 4},         // exactly 2 keeps its mantissa
        {5, 0, 10, 0, 2, 4},           // exactly 2
        {5, 0, 250, 0, 50, 5},         // exactly 5
        {4, 0, 20, 0, 5, 5},           // exactly 5
        {5, 0, 9.9999, 0, 1, 5},       // just below 2
    };
    for (const Case& c : cases) {
        TMeterTickStep t = CalcMeterTickStep(c.n, c.lo, c.hi);
        EXPECT_NEAR(t.Step, c.step, 1e-12 * c.step) << c.lo << ".." << c.hi;
        EXPECT_NEAR(t.First, c.first, 1e-9 * (1 + std::fabs(c.first))) << c.lo << ".." << c.hi;
        EXPECT_EQ(t.NSub, c.nsub) << c.lo << ".." << c.hi;
    }
    TMeterTickStep flat = CalcMeterTickStep(3, 4, 4);
    EXPECT_EQ(flat.First, 4);
    EXPECT_EQ(flat.Step, 0);
    EXPECT_EQ(flat.NSub, 1);
}

TEST(MeterTicks, DefaultScaleMajorsAndMinors) {
    TMeterTicks t;
    t.Compute(3, 0, 1, false);
    ExpectNear(MajorValues(t), {0, 0.2, 0.4, 0.6, 0.8, 1.0});
    // Minor step 0.05, skipping the major positions and values below the minimum.
    ASSERT_EQ(t.Minor.size(), 15u);
    EXPECT_NEAR(t.Minor.front(), 0.05, 1e-12);
    EXPECT_NEAR(t.Minor[1], 0.10, 1e-12);
    EXPECT_NEAR(t.Minor.back(), 0.95, 1e-12);
}

TEST(MeterTicks, LogarithmicDecadesAndLabels) {
    TMeterTicks t;
    t.Compute(3, 1, 1000, true);
    ExpectNear(MajorValues(t), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90,
                                100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
    ExpectNear(MajorValues(t, true), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
    // Under a decade the linear ticks are used, all labelled.
    t.Compute(3, 2, 8, true);
    ExpectNear(MajorValues(t, true), {2, 4, 6, 8});
    // Spanning one to ten decades with a ratio below 10 is impossible; a ratio of exactly
    // ten labels 1, 2, 5 and 10 only.
    t.Compute(3, 0.1, 1, true);
    ExpectNear(MajorValues(t, true), {0.1, 0.2, 0.5, 1});
}

TEST(MeterTicks, LabelText) {
    EXPECT_EQ(MeterLabelText(0.2, 1), "0.2");
    EXPECT_EQ(MeterLabelText(-1.5, 2), "-1.50");
    EXPECT_EQ(MeterLabelText(12, 0), "12");
    EXPECT_EQ(MeterLabelText(1234567, 0), "1234567");
    EXPECT_EQ(MeterLabelText(-1e-17, 1), "0.0");   // no "-0.0" from rounding residue
    EXPECT_EQ(MeterLabelText(-1e-17, 0), "0");
    EXPECT_EQ(MeterLabelText(-0.4, 0), "0");
    EXPECT_EQ(MeterLabelText(-0.6, 0), "-1");
}

TEST(MeterGeometry, LayoutsFitBetweenTheRims) {
    // The 90-degree layout takes its radius from the height alone; every other layout
    // also respects the width.
    for (int layout = mlCirc120; layout <= mlCirc360; ++layout) {
        for (auto [w, h] : {std::pair{297, 209}, {600, 400}, {200, 300}, {400, 150}}) {
            TMeter m(nullptr);
            m.SetMeterLayout(static_cast<TMeterLayout>(layout));
            m.SetBounds(0, 0, w, h);
            const double R = m.GetRadius();
            const int A = m.GetSweepAngle(), cx = m.GetCenterX(), cy = m.GetCenterY();
            ASSERT_GT(R, 0);
            // Every point of the swept arc lies inside the window between the rims.
            for (int i = 0; i <= 60; ++i) {
                double th = (90 - A / 2.0 + A * i / 60.0) * M_PI / 180;
                double x = cx + std::cos(th) * R, y = cy - std::sin(th) * R;
                EXPECT_GE(x, m.GetRimSide() - 0.5) << layout << " " << w << "x" << h;
                EXPECT_LE(x, w - m.GetRimSide() + 0.5) << layout << " " << w << "x" << h;
                EXPECT_GE(y, m.GetRimTop() - 0.5) << layout << " " << w << "x" << h;
                EXPECT_LE(y, h - m.GetRimBottom() + 0.5) << layout << " " << w << "x" << h;
            }
        }
    }
    // The 180, 270 and 360 degree dials keep their whole circle and the labels inside it
    // between the rims, not only the swept arc.
    vcl::TBitmap probe;
    vcl::TCanvas* canvas = probe.GetCanvas();
    for (int layout : {mlCirc180, mlCirc270, mlCirc360}) {
        for (auto [w, h] : {std::pair{297, 209}, {600, 400}, {200, 300}, {400, 150}}) {
            TMeter m(nullptr);
            m.SetMeterLayout(static_cast<TMeterLayout>(layout));
            m.SetBounds(0, 0, w, h);
            const double R = m.GetRadius();
            const int cx = m.GetCenterX(), cy = m.GetCenterY();
            const std::string at = std::to_string(layout) + " " + std::to_string(w) + "x" + std::to_string(h);
            EXPECT_GE(cx - R, m.GetRimSide() - 0.5) << at;
            EXPECT_LE(cx + R, w - m.GetRimSide() + 0.5) << at;
            EXPECT_GE(cy - R, m.GetRimTop() - 0.5) << at;
            EXPECT_LE(cy + R, h - m.GetRimBottom() + 0.5) << at;
            canvas->GetFont()->Assign(m.GetFont());
            const double ox = canvas->TextWidth(MeterLabelText(m.GetMeterMaxValue(), m.GetMeterDecPlaces())) / 2.0 + 15;
            const double oy = canvas->TextHeight("0") / 2.0 + 15;
            for (const auto& tick : m.Ticks().Major) {
                const std::string label = MeterLabelText(tick.Value, m.GetMeterDecPlaces());
                const double th = (90 + m.GetSweepAngle() / 2.0 - m.GetSweepAngle() * tick.Value) * M_PI / 180;
                const int x = MeterRound(cx + std::cos(th) * (R - ox)) - canvas->TextWidth(label) / 2;
                const int y = MeterRound(cy - std::sin(th) * (R - oy)) - canvas->TextHeight(label) / 2;
                EXPECT_GE(x, m.GetRimSide()) << at << " " << label;
                EXPECT_LE(x + canvas->TextWidth(label), w - m.GetRimSide()) << at << " " << label;
                EXPECT_GE(y, m.GetRimTop()) << at << " " << label;
                EXPECT_LE(y + canvas->TextHeight(label), h - m.GetRimBottom()) << at << " " << label;
            }
        }
    }
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetMeterLayout(mlCirc180);
    EXPECT_DOUBLE_EQ(m.GetRadius(), (209 - 8 - 10 - 16) / 2.0);
    m.SetMeterLayout(mlCirc300);
    EXPECT_EQ(m.GetSweepAngle(), 300);
    EXPECT_DOUBLE_EQ(m.GetRadius(), std::min(148.0 - 10 - 8, (209 - 8 - 10 - 16) / 1.866));
}

TEST(MeterTicks, AnyFiniteRangeGivesFewFiniteTicks) {
    const double big = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const std::pair<double, double> ranges[] = {
        {-1e308, 1e308}, {-big, big}, {0, big}, {-big, 0}, {big / 2, big}, {1e-308, 2e-308},
        {0, tiny}, {0, 3 * tiny}, {1e300, 1.0000001e300}, {1e16, 1e16 + 2}, {-5, 5}};
    for (auto [lo, hi] : ranges) {
        for (int n : {2, 3, 21}) {
            TMeterTicks t;
            t.Compute(n, lo, hi, false);
            ASSERT_FALSE(t.Major.empty()) << lo << ".." << hi;
            // Never more than about 2.5 majors per wanted interval, five minors per major.
            EXPECT_LE(t.Major.size(), std::size_t(3 * n + 3)) << lo << ".." << hi << " n " << n;
            EXPECT_LE(t.Minor.size(), 5 * (t.Major.size() + 1)) << lo << ".." << hi << " n " << n;
            for (const auto& m : t.Major) {
                EXPECT_TRUE(std::isfinite(m.Value)) << lo << ".." << hi;
                EXPECT_LE(m.Value, hi + std::fabs(hi) * 1e-12 + 1e-300) << lo << ".." << hi;
            }
            for (double w : t.Minor) EXPECT_TRUE(std::isfinite(w) && w >= lo && w <= hi) << lo << ".." << hi;
        }
    }
    // The meter maps such a range to finite angles and pixels, and paints.
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetMeterMaxValue(1e308);
    m.SetMeterMinValue(-1e308);
    m.SetValue(5e307);
    EXPECT_NEAR(m.CalcNeedleAngle(1e308), 180 + 45, 1e-9);
    EXPECT_NEAR(m.CalcNeedleAngle(0), 180, 1e-9);
    int x = 0, y = 0;
    m.ConvertToPixelCoords(1e308, 100, x, y);
    EXPECT_NEAR(x, m.GetCenterX() + m.GetRadius() * std::cos(45 * M_PI / 180), 1);
    double back = 0;
    ASSERT_TRUE(m.ConvertPixelToValue(m.GetCenterX(), m.GetCenterY() - 50, back));
    EXPECT_NEAR(back, 0, 1e292);
    int labels = 0;
    m.SetOnBeforeDrawScaleLabel([&](vcl::TObject*, vcl::TCanvas*, std::string&, int X, int Y) {
        ++labels;
        EXPECT_TRUE(std::abs(X) < 100000 && std::abs(Y) < 100000);
    });
    vcl::TBitmap bmp;
    bmp.SetSize(297, 209);
    m.PaintTo(bmp.GetCanvas(), 0, 0);
    EXPECT_GE(labels, 2);
    EXPECT_LE(labels, 10);
    EXPECT_EQ(MeterRound(std::nan("")), 0);
    EXPECT_EQ(MeterRound(1e300), 2147483647);
    EXPECT_EQ(MeterRound(-1e300), -2147483647 - 1);
    EXPECT_EQ(MeterRound(2.5), 2);
}

TEST(MeterMapping, PixelToValueAndBack) {
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    double v = -1;
    EXPECT_TRUE(m.ConvertPixelToValue(m.GetCenterX(), m.GetCenterY() - 50, v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    EXPECT_FALSE(m.ConvertPixelToValue(m.GetCenterX(), m.GetCenterY() + 20, v));
    EXPECT_EQ(v, 0);
    for (int layout : {mlCirc90, mlCirc180, mlCirc300}) {
        for (bool log : {false, true}) {
            m.SetMeterLayout(static_cast<TMeterLayout>(layout));
            m.SetMeterMinValue(2);
            m.SetMeterMaxValue(500);
            m.SetLogarithmic(log);
            for (double value : {2.0, 3.0, 17.0, 120.0, 480.0}) {
                int x, y;
                m.ConvertToPixelCoords(value, 100, x, y);
                double back;
                ASSERT_TRUE(m.ConvertPixelToValue(x, y, back)) << value;
                // One pixel at radius R is about 1/R radians of the sweep.
                double tol = 1.5 / m.GetRadius() * 180 / M_PI / m.GetSweepAngle();
                double frac = log ? std::log(back / value) / std::log(250.0) : (back - value) / 498;
                EXPECT_LT(std::fabs(frac), tol) << layout << " " << log << " " << value;
            }
            EXPECT_NEAR(m.CalcNeedleAngle(2), 180 - m.GetSweepAngle() / 2.0, 1e-9);
            EXPECT_NEAR(m.CalcNeedleAngle(1e9), 180 + m.GetSweepAngle() / 2.0, 1e-9);
        }
    }
}
