// Every gallery page scaled by 1.5 and 2 as --scale does it: siblings that were apart at 1.0
// stay apart, a caption that fitted its control still fits, and so does the text of every
// grid cell that fitted its column.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "platform/Accessibility.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Grids.h"
#include "platform/Testing.h"

using namespace vcl;

namespace {

// What is checked of one showing control: its place among its siblings and its caption.
struct ControlFacts {
    std::string Path;   // child indexes from the form down: the same control at every scale
    std::string What;   // class and name, for the messages
    TRect Bounds;
    int Parent = -1;    // index of the parent's entry; -1 for a child of the form
    bool AutoSize = false;   // sized by its text, not by the layout
    bool CaptionFits = false;
    bool HasCaption = false;
    // Of a grid: per table cell shown (row, column; row -1 for a column header), whether its
    // text fits the width of the column that shows it.
    std::map<std::pair<int, int>, bool> CellFits;
};

bool Fits(TControl* C, TCanvas* Measure) {
    Measure->GetFont()->Assign(C->GetFont());
    return Measure->TextWidth(C->GetCaption()) <= C->GetClientWidth();
}

// The cells a grid shows, read the way an assistive tool reads them (so the report list, the
// table editor and the string grid each give the text they draw), measured in the grid's font.
void CollectCells(TCustomGrid* Grid, TCanvas* Measure, ControlFacts& Out) {
    auto* table = dynamic_cast<TGridAccessible*>(Grid->GetAccessible().get());
    if (table == nullptr) return;
    Measure->GetFont()->Assign(Grid->GetFont());
    const int rows = table->GetRowCount(), cols = table->GetColumnCount();
    for (int r = table->HasColumnHeaders() ? -1 : 0; r < rows; ++r) {
        bool anyShown = false;
        for (int c = 0; c < cols; ++c) {
            if (table->CellRect(r, c).IsEmpty()) continue;
            anyShown = true;
            const std::string text = table->CellText(r, c);
            if (text.empty()) continue;
            const int width = Grid->GetColWidths(table->GridCellOf(r, c).first);
            Out.CellFits[{r, c}] = Measure->TextWidth(text) <= width;
        }
        if (!anyShown && r >= 0) break;   // past the last row shown
    }
}

void Collect(TWinControl* Parent, const std::string& Path, int ParentEntry, TCanvas* Measure,
             std::vector<ControlFacts>& Out) {
    for (int i = 0; i < Parent->GetControlCount(); ++i) {
        TControl* c = Parent->GetControls(i);
        if (!c->GetVisible()) continue;
        ControlFacts f;
        f.Path = Path + "/" + std::to_string(i);
        f.What = c->ClassName() + " \"" + c->GetName() + "\"";
        f.Bounds = c->GetBoundsRect();
        f.Parent = ParentEntry;
        f.AutoSize = c->GetAutoSize();
        f.HasCaption = !c->GetCaption().empty();
        f.CaptionFits = f.HasCaption && Fits(c, Measure);
        if (auto* grid = dynamic_cast<TCustomGrid*>(c)) CollectCells(grid, Measure, f);
        Out.push_back(f);
        if (auto* w = dynamic_cast<TWinControl*>(c)) Collect(w, f.Path, int(Out.size()) - 1, Measure, Out);
    }
}


bool Overlap(const TRect& A, const TRect& B) { return !IntersectRect(A, B).IsEmpty(); }

// A control sized by its text grows by the font's rounding at each size, not exactly by the
// factor: it may reach up to two pixels per half step of scale (48 dpi) into a neighbour,
// so 2 pixels at 1.5 and 4 at 2, before that counts as an overlap.
TRect WithinRounding(const ControlFacts& F, int PPI) {
    TRect r = F.Bounds;
    if (!F.AutoSize) return r;
    const int tolerance = 2 * std::max(0, PPI - 96) / 48;
    r.Inflate(-tolerance, -tolerance);
    return r;
}

// Per page, the facts of every showing control of a gallery scaled by M/96.
std::vector<std::vector<ControlFacts>> PagesAt(int M) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    form->SetThemeSwitchVisible(false);
    if (M != 96) form->ScaleBy(M, 96);
    form->Show();
    TBitmap measure;
    measure.SetSize(1, 1);
    std::vector<std::vector<ControlFacts>> pages;
    for (int p = 0; p < form->GetPageCount(); ++p) {
        form->ShowPage(p);
        Application->ProcessMessages();
        pages.emplace_back();
        Collect(form.get(), "", -1, measure.GetCanvas(), pages.back());
    }
    return pages;
}

class ScaledPages : public ::testing::Test {
protected:
    void SetUp() override {
        Testing::ResetInput();
        Application->SetVirtualClock(true);
    }
    void TearDown() override { Application->ProcessMessages(); }
};

TEST_F(ScaledPages, SiblingsStayApartAndCaptionsStillFitAtOneAndAHalfAndTwice) {
    const auto base = PagesAt(96);
    for (int ppi : {144, 192}) {
        const auto scaled = PagesAt(ppi);
        ASSERT_EQ(scaled.size(), base.size());
        for (std::size_t p = 0; p < base.size(); ++p) {
            const std::string page = gallery::Pages()[p].Id;
            std::map<std::string, std::size_t> at1;
            for (std::size_t i = 0; i < base[p].size(); ++i) at1[base[p][i].Path] = i;
            const auto& now = scaled[p];
            for (std::size_t i = 0; i < now.size(); ++i) {
                auto it = at1.find(now[i].Path);
                ASSERT_NE(it, at1.end()) << page << " at " << ppi << ": " << now[i].What << " is new";
                const ControlFacts& was = base[p][it->second];
                if (was.CaptionFits) {
                    EXPECT_TRUE(now[i].CaptionFits) << page << " at " << ppi << ": the caption of " << now[i].What;
                }
                for (const auto& [cell, fitted] : was.CellFits) {
                    auto shown = now[i].CellFits.find(cell);
                    if (!fitted || shown == now[i].CellFits.end()) continue;
                    EXPECT_TRUE(shown->second) << page << " at " << ppi << ": the text of cell (row " << cell.first
                                               << ", column " << cell.second << ") of " << now[i].What;
                }
                for (std::size_t j = i + 1; j < now.size(); ++j) {
                    if (now[j].Parent != now[i].Parent ||
                        !Overlap(WithinRounding(now[i], ppi), WithinRounding(now[j], ppi)))
                        continue;
                    auto other = at1.find(now[j].Path);
                    ASSERT_NE(other, at1.end());
                    EXPECT_TRUE(Overlap(was.Bounds, base[p][other->second].Bounds))
                        << page << " at " << ppi << ": " << now[i].What << " and " << now[j].What << " overlap";
                }
            }
        }
    }
}

TEST_F(ScaledPages, TheGalleryGrowsByTheFactorAndTakesItsDensity) {
    gallery::TGalleryForm form(nullptr);
    const int w = form.GetClientWidth(), h = form.GetClientHeight();
    form.ScaleBy(192, 96);
    EXPECT_EQ(form.GetClientWidth(), 2 * w);
    EXPECT_EQ(form.GetClientHeight(), 2 * h);
    EXPECT_EQ(form.GetPixelsPerInch(), 192);
}

// The glyphs a page draws itself are drawn again at the form's density: the toolbar's
// alignment glyph is 32 pixels at 2x, its lines two pixels thick, not the 16 pixel picture.
TEST_F(ScaledPages, DrawnGlyphsAreMadeAtTheFormsDensity) {
    gallery::TGalleryForm form(nullptr);
    auto alignLeft = [&form]() -> TSpeedButton* {
        for (int i = 0; i < form.GetComponentCount(); ++i)
            if (auto* b = dynamic_cast<TSpeedButton*>(form.GetComponent(i)); b != nullptr && b->GetHint() == "Left")
                return b;
        return nullptr;
    };
    ASSERT_NE(alignLeft(), nullptr);
    TBitmap* glyph = alignLeft()->GetGlyph();
    ASSERT_EQ(glyph->GetWidth(), 16);
    const TColor ink = glyph->GetCanvas()->GetPixels(2, 3), ground = glyph->GetCanvas()->GetPixels(2, 4);
    ASSERT_NE(ink, ground);
    form.ScaleBy(192, 96);
    glyph = alignLeft()->GetGlyph();
    ASSERT_EQ(glyph->GetWidth(), 32);
    ASSERT_EQ(glyph->GetHeight(), 32);
    EXPECT_EQ(glyph->GetCanvas()->GetPixels(4, 6), ink);
    EXPECT_EQ(glyph->GetCanvas()->GetPixels(4, 7), ink);
    EXPECT_EQ(glyph->GetCanvas()->GetPixels(4, 8), ground);
    EXPECT_EQ(glyph->GetCanvas()->GetPixels(27, 6), ink);   // a line of 12 pixels, doubled
    EXPECT_EQ(glyph->GetCanvas()->GetPixels(28, 6), ground);
}

// A chart the page draws itself keeps its axis labels inside it at 2x: its margins grow with
// the form, so the widest label ("100 %") neither touches the frame nor is cut.
TEST_F(ScaledPages, TheTrendChartsLabelsStayInsideItAtTwice) {
    gallery::TGalleryForm form(nullptr);
    form.ScaleBy(192, 96);
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "live-values") form.ShowPage(int(i));
    form.Show();
    Application->ProcessMessages();
    TControl* chart = nullptr;
    for (int i = 0; i < form.GetComponentCount(); ++i)
        if (form.GetComponent(i)->ClassName() == "TTrendChart") chart = dynamic_cast<TControl*>(form.GetComponent(i));
    ASSERT_NE(chart, nullptr);
    const TPoint o = chart->ClientToParent(TPoint(0, 0), nullptr);
    TCanvas* shown = form.GetBackBuffer()->GetCanvas();
    const TColor paper = ColorToRGB(clWindow) & 0xFFFFFF;
    int nearFrame = 0, labels = 0;
    for (int y = 1; y < chart->GetHeight() - 1; ++y) {
        for (int x = 1; x < 4; ++x) nearFrame += (shown->GetPixels(o.X + x, o.Y + y) & 0xFFFFFF) != paper;
        for (int x = 4; x < 80; ++x) labels += (shown->GetPixels(o.X + x, o.Y + y) & 0xFFFFFF) != paper;
    }
    EXPECT_EQ(nearFrame, 0);
    EXPECT_GT(labels, 100);
}

}  // namespace
