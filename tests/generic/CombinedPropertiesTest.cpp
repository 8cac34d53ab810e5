// The self-drawn controls with their properties in combination: every value of each
// boolean and enumerated published property meets every value of every other, and extremes
// of the integer and float properties (margins, positions, distances, sizes of parts) and
// image files (a 1 x 1 and a 7 x 5 bitmap for each property naming one) meet all of them,
// in the rows of a pairwise covering array. Each row is a fresh instance of 800 x 600
// pixels, and again of 2^30 x 2^30, on a form of 96 x 64 pixels, so that the paint every
// setter makes shows little; after the setters the control paints through a 64 x 48 clip
// seen from its top-left and from its bottom-right corner.
//
// Every setter and every paint must finish within a time that grows with the pixels shown
// (not with the control or the parts of it out of sight), hold no more heap at once than
// those pixels need (and what a control keeps sized by itself, while a bitmap can hold its
// whole picture), and let no standard library exception out; a paint raises nothing at all. A
// setter may refuse a value with a framework exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Types.h"
#include "tests/generic/AllocationPeak.h"
#include "tests/generic/CoveringArray.h"
#include "tests/generic/HostileSupport.h"
#include "tests/generic/PropertySweep.h"
#include "tests/support/FormFixture.h"
#include "tests/support/Sanitizer.h"

namespace {

using namespace vcl;
using namespace zyn_test;

constexpr int kFormW = 96, kFormH = 64;
const TRect kClip = Rect(16, 8, 80, 56);

// What a paint of Pixels visible pixels may take: a fixed part for the text and the
// arithmetic of a picture, and a part per pixel far above what filling a pixel costs.
double TimeLimitMs(std::int64_t Pixels) { return (25.0 + 0.004 * double(Pixels)) * kSlowdown; }
// What it may hold at once: a fixed part (glyphs, small tables), 64 bytes per pixel shown,
// and what a control keeps sized by itself while a bitmap can hold that: its picture
// between paints (4 bytes a pixel) and a cache of parts drawn once (the seven-segment
// display's 21 cells of a digit's size, up to 84 bytes a pixel of a one-digit display).
std::size_t HeapLimit(std::int64_t Pixels, int W, int H) {
    const std::size_t kept = TBitmap::CanHold(W, H) ? std::size_t(W) * std::size_t(H) * 96 : 0;
    return (std::size_t(1) << 20) + std::size_t(Pixels) * 64 + kept;
}

struct Level {
    TPropValue Value;
    bool Unchanged = false;
    std::string Label;
};

// One property swept: where it is (a property of the control or of one of its published
// sub-objects) and the values it takes.
struct Factor {
    std::string Sub;   // empty: the control's own
    const TPropInfo* Prop = nullptr;
    std::vector<Level> Levels;
    std::string Path() const { return (Sub.empty() ? "" : Sub + ".") + Prop->Name; }
};

// Properties that are not the picture's: Align and the bounds place the control (the sweep
// sets the bounds), Visible false would leave nothing to paint.
bool Placement(const std::string& Name) {
    for (const char* n : {"Align", "Visible", "Left", "Top", "Width", "Height", "Tag", "HelpContext", "Name"})
        if (Name == n) return true;
    return false;
}

bool NamesAnImage(const std::string& Name) {
    for (const char* n : {"Img", "Image", "Bitmap", "Glyph", "Picture"})
        if (Name.find(n) != std::string::npos) return true;
    return false;
}

// A bitmap file of W x H pixels in a checker of two colours, made once per run.
std::string ImageFile(int W, int H) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zyn_combined_" + std::to_string(W) + "x" + std::to_string(H) + ".bmp"))
                                 .string();
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) b.GetCanvas()->SetPixels(x, y, (x + y) % 2 ? TColor(0x3366CC) : TColor(0xCCEE99));
    b.SaveToFile(path);
    return path;
}

std::vector<Level> LevelsOf(const TPropInfo& P) {
    using L32 = std::numeric_limits<std::int32_t>;
    using LD = std::numeric_limits<double>;
    std::vector<Level> out;
    auto add = [&](TPropValue V, std::string Label) { out.push_back({std::move(V), false, std::move(Label)}); };
    switch (P.Kind) {
        case pkBoolean:
            add(std::int64_t(0), "False");
            add(std::int64_t(1), "True");
            break;
        case pkEnum:
            for (std::size_t i = 0; i < P.EnumNames.size(); ++i) add(std::int64_t(i), P.EnumNames[i]);
            break;
        case pkInteger:
            out.push_back({TPropValue(), true, "as made"});
            add(std::int64_t(L32::min()), "-2^31");
            add(std::int64_t(-(1 << 29)), "-2^29");
            add(std::int64_t(2), "2");
            add(std::int64_t(1 << 29), "2^29");
            add(std::int64_t(L32::max()), "2^31-1");
            break;
        case pkFloat:
            out.push_back({TPropValue(), true, "as made"});
            add(LD::lowest(), "lowest");
            add(LD::max(), "max");
            break;
        case pkString:
            if (!NamesAnImage(P.Name)) break;
            add(std::string(), "none");
            add(ImageFile(1, 1), "1 x 1 image");
            add(ImageFile(7, 5), "7 x 5 image");
            break;
        default:
            break;
    }
    return out;
}

std::vector<Factor> FactorsOf(const TClassInfo& Cls) {
    std::vector<Factor> out;
    auto consider = [&](const std::string& Sub, const TPropInfo* P) {
        if (!IsWritableScalar(*P) || (Sub.empty() && Placement(P->Name))) return;
        Factor f{Sub, P, LevelsOf(*P)};
        if (f.Levels.size() > 1) out.push_back(std::move(f));
    };
    std::unique_ptr<TComponent> probe(Cls.Create(nullptr));
    for (const TPropInfo* p : Cls.Properties()) {
        if (p->Kind == pkClass && p->Get) {
            // Sub-objects that draw (a needle's look), not the font and the size limits,
            // which the single-value sweep covers.
            TPersistent* sub = std::get<TPersistent*>(p->Get(*probe));
            const TClassInfo* subCls = sub ? ClassInfoOf(sub) : nullptr;
            if (subCls == nullptr || subCls->GetName() == "TFont" || subCls->GetName() == "TSizeConstraints") continue;
            for (const TPropInfo* sp : subCls->Properties()) consider(p->Name, sp);
        } else {
            consider("", p);
        }
    }
    return out;
}

constexpr int kHuge = 1 << 30;

double Ms(std::chrono::steady_clock::time_point T0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - T0).count();
}

class CombinedProperties : public FormFixture, public ::testing::WithParamInterface<std::string> {
protected:
    CombinedProperties() : FormFixture(FormShape{0, 0, kFormW, kFormH, bsNone}) {}

    void SetUp() override {
        FormFixture::SetUp();
        surface_ = std::make_unique<TBitmap>();
        surface_->SetPixelFormat(pf32bit);
        surface_->SetSize(kFormW, kFormH);
    }

    // The settings of a row, for the message of a fault.
    static std::string RowText(const std::vector<Factor>& F, const std::vector<int>& Row, int W, int H) {
        std::string s = std::to_string(W) + " x " + std::to_string(H);
        for (std::size_t i = 0; i < F.size(); ++i) {
            const Level& l = F[i].Levels[std::size_t(Row[i])];
            if (!l.Unchanged) s += ", " + F[i].Path() + " = " + l.Label;
        }
        return s;
    }

    // The control painted through the clip with its top-left corner at (X, Y) of the
    // surface; the fastest of up to three tries when the first passes the limit.
    void CheckedPaint(TControl* Ctl, int X, int Y, const std::string& What) {
        const TRect shown = IntersectRect(kClip, Rect(X, Y, SatAdd(X, Ctl->GetWidth()), SatAdd(Y, Ctl->GetHeight())));
        const std::int64_t pixels = std::int64_t(shown.Width()) * std::max(0, shown.Height());
        double best = 1e300;
        std::size_t heap = 0;
        for (int attempt = 0; attempt < 3 && best > TimeLimitMs(pixels); ++attempt) {
            TCanvas* c = surface_->GetCanvas();
            c->SetClipRect(kClip);
            AllocationPeak peak;
            const auto t0 = std::chrono::steady_clock::now();
            try {
                Ctl->PaintTo(c, X, Y);
            } catch (const std::exception& e) {
                Fault("the paint raised " + std::string(typeid(e).name()) + " " + e.what(), What);
                c->ResetClipRect();
                return;
            }
            best = std::min(best, Ms(t0));
            heap = std::max(heap, peak.Bytes());
            c->ResetClipRect();
            ++paints_;
        }
        if (best > slowest_) {
            slowest_ = best;
            slowestWhat_ = What;
        }
        if (best > TimeLimitMs(pixels))
            Fault("a paint of " + std::to_string(pixels) + " pixels took " + std::to_string(best) + " ms", What);
        if (heap > HeapLimit(pixels, Ctl->GetWidth(), Ctl->GetHeight()))
            Fault("a paint of " + std::to_string(pixels) + " pixels held " + std::to_string(heap) + " bytes", What);
    }

    // One setter: it paints what the form shows of the control.
    void CheckedSet(TControl* Ctl, TPersistent* Holder, const Factor& F, const Level& L, const std::string& What) {
        const std::int64_t pixels = std::int64_t(kFormW) * kFormH;
        AllocationPeak peak;
        const auto t0 = std::chrono::steady_clock::now();
        try {
            F.Prop->Set(*Holder, L.Value);
        } catch (const Exception&) {
            return;   // a documented refusal
        } catch (const std::exception& e) {
            Fault("setting " + F.Path() + " = " + L.Label + " raised " + typeid(e).name() + " " + e.what(), What);
            return;
        }
        const double ms = Ms(t0);
        const std::size_t heap = peak.Bytes();
        if (heap > HeapLimit(pixels, Ctl->GetWidth(), Ctl->GetHeight()))
            Fault("setting " + F.Path() + " = " + L.Label + " held " + std::to_string(heap) + " bytes", What);
        if (ms <= TimeLimitMs(pixels)) return;
        // A slow setter once may be the machine; its paint again tells.
        double again = 1e300;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto t1 = std::chrono::steady_clock::now();
            try {
                Ctl->Invalidate();
                Application->ProcessMessages();
            } catch (const std::exception&) {
            }
            again = std::min(again, Ms(t1));
        }
        if (again > TimeLimitMs(pixels) || ms > 10 * TimeLimitMs(pixels))
            Fault("setting " + F.Path() + " = " + L.Label + " took " + std::to_string(ms) + " ms (its paint " +
                      std::to_string(again) + " ms)",
                  What);
    }

    void Fault(const std::string& Text, const std::string& Row) { faults_.push_back(Text + "\n      in " + Row); }

    std::unique_ptr<TBitmap> surface_;
    std::vector<std::string> faults_;
    int paints_ = 0;
    double slowest_ = 0;
    std::string slowestWhat_;
};

TEST_P(CombinedProperties, PaintsFollowThePixelsShown) {
    const TClassInfo* cls = GetClass(GetParam());
    ASSERT_NE(cls, nullptr);
    const std::vector<Factor> factors = FactorsOf(*cls);
    std::vector<int> counts;
    for (const Factor& f : factors) counts.push_back(int(f.Levels.size()));
    const std::vector<std::vector<int>> rows = PairwiseRows(counts);
    ASSERT_FALSE(rows.empty());

    // Caches that fill once (glyphs, resources) are filled before anything is timed.
    {
        std::unique_ptr<TComponent> warm(cls->Create(form.get()));
        auto* ctl = dynamic_cast<TControl*>(warm.get());
        ASSERT_NE(ctl, nullptr);
        ctl->SetParent(form.get());
        ctl->SetBounds(0, 0, 800, 600);
        ctl->PaintTo(surface_->GetCanvas(), 0, 0);
    }
    for (auto [w, h] : {std::pair{800, 600}, std::pair{kHuge, kHuge}}) {
        for (const std::vector<int>& row : rows) {
            const std::string what = RowText(factors, row, w, h);
            if (std::getenv("ZYN_COMBINED_TRACE")) { std::printf("row: %s\n", what.c_str()); std::fflush(stdout); }
            TComponent* obj = cls->Create(form.get());
            auto* ctl = dynamic_cast<TControl*>(obj);
            ASSERT_NE(ctl, nullptr);
            obj->SetName("Probe");
            ctl->SetParent(form.get());
            ctl->SetBounds(0, 0, w, h);
            for (std::size_t i = 0; i < factors.size(); ++i) {
                const Factor& f = factors[i];
                const Level& l = f.Levels[std::size_t(row[i])];
                if (l.Unchanged) continue;
                TPersistent* holder = obj;
                if (!f.Sub.empty()) holder = std::get<TPersistent*>(cls->FindProperty(f.Sub)->Get(*obj));
                if (std::getenv("ZYN_COMBINED_TRACE")) { std::printf("  %s = %s\n", f.Path().c_str(), l.Label.c_str()); std::fflush(stdout); }
                CheckedSet(ctl, holder, f, l, what);
            }
            // Seen from its top-left corner and from its bottom-right one (a setter may have
            // sized it to its content).
            CheckedPaint(ctl, 0, 0, what + ", top-left");
            CheckedPaint(ctl, SatSub(kFormW, ctl->GetWidth()), SatSub(kFormH, ctl->GetHeight()), what + ", bottom-right");
            delete obj;

        }
    }
    std::printf("%s: %zu factors, %zu rows, %d paints; slowest %.2f ms (%s)\n", cls->GetName().c_str(),
                factors.size(), rows.size(), paints_, slowest_, slowestWhat_.c_str());
    EXPECT_TRUE(faults_.empty()) << cls->GetName() << ":" << Lines(faults_, 20);
}

INSTANTIATE_TEST_SUITE_P(SelfDrawn, CombinedProperties,
                         ::testing::Values("TGradFill", "TMarkSel", "TMeter", "TNumIO2", "TNumLab", "TOnOffBut",
                                           "TProgBar", "TRasterLab", "TRotLab", "TSevenSeg", "TThumbnails"),
                         ParamName);

// The measures themselves: the rows cover every pair of levels, and the heap count sees a
// block held for a moment.
TEST(CombinedPropertiesMeasure, RowsCoverEveryPair) {
    const std::vector<int> counts{2, 6, 3, 2, 14, 6, 6, 2, 3, 1, 5};
    const std::vector<std::vector<int>> rows = PairwiseRows(counts);
    for (std::size_t f = 0; f < counts.size(); ++f)
        for (std::size_t g = f + 1; g < counts.size(); ++g)
            for (int a = 0; a < counts[f]; ++a)
                for (int b = 0; b < counts[g]; ++b)
                    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const std::vector<int>& r) {
                        return r[f] == a && r[g] == b;
                    })) << f << "=" << a << ", " << g << "=" << b;
    // Far fewer than the full product, near the 14 x 6 pairs of the two largest factors.
    EXPECT_LT(rows.size(), 120u);
}

TEST(CombinedPropertiesMeasure, HeapPeakSeesABlockHeldForAMoment) {
    AllocationPeak peak;
    {
        std::vector<char> block(3 << 20, 'x');
        ASSERT_EQ(block[12345], 'x');
    }
    EXPECT_GE(peak.Bytes(), std::size_t(3) << 20);
    EXPECT_LT(peak.Bytes(), std::size_t(4) << 20);
    AllocationPeak after;
    EXPECT_LT(after.Bytes(), std::size_t(64) << 10);
}

}  // namespace
