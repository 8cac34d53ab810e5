// Page "Table editor": water samples of a monitoring campaign in a numeric table editor.
// The first column names the sampling site (a nominal column edited with a pick list),
// readings above their limit are marked red (type A), readings under review blue (type B),
// a missing reading is empty and a failed one is not a number. A right click opens the
// editor's own menus: marks, copy and paste, extract from the clipboard, the heading editor
// and Change Precision; a right click on the corner cell edits the table's comment.
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

struct Sample {
    int site;   // 1 upper lake, 2 river mouth, 3 harbour
    double ph, temp, oxygen, nitrate, lead, turbidity;
};

const Sample kSamples[] = {
    {1, 7.41, 11.8, 9.62, 1.84, 0.42, 1.9},  {1, 7.38, 12.1, 9.48, 1.91, 0.38, 2.2},
    {2, 7.02, 13.4, 8.11, 6.75, 1.36, 7.8},  {2, 6.95, 13.9, 7.86, 12.40, 1.52, 9.4},
    {3, 7.85, 14.6, 6.93, 3.12, 11.70, 14.5}, {3, 7.91, 14.9, 6.71, 3.40, 12.45, 15.1},
    {1, 7.44, 12.6, 9.30, 1.77, 0.35, 1.7},  {2, 6.88, 14.2, 7.64, 13.15, 1.61, 10.2},
    {3, 8.02, 15.3, 6.58, 3.55, 9.80, 13.8},  {1, 7.36, 13.0, 9.12, 2.05, 0.40, 2.4},
    {2, 7.10, 14.8, 7.55, 8.90, 1.44, 8.6},  {3, 7.96, 15.7, 6.44, 3.81, 10.95, 16.3},
    {1, 7.40, 13.5, 8.97, 1.98, 0.37, 2.0},  {2, 6.91, 15.1, 7.32, 11.60, 1.70, 11.1},
    {3, 8.07, 16.0, 6.30, 3.96, 12.10, 17.0}, {1, 7.35, 13.9, 8.84, 2.11, 0.41, 2.3},
};

class TableEditorPage {
public:
    explicit TableEditorPage(PageContext& Page) : page_(Page) {
        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(16, 10, 700, 20);
        heading->SetCaption("Lake and river monitoring, spring campaign: water samples");
        heading->GetFont()->SetStyle({fsBold});

        ed_ = new TNTabEd(Page.Form);
        ed_->SetName("Samples");
        ed_->SetAccessibleName("Water samples");
        ed_->SetParent(Page.Host);
        ed_->SetBounds(16, 36, 770, 404);
        Fill();
        ed_->SetOnSelectionChanged([this](TObject*) { ShowSelection(); });
        ed_->SetOnChange([this](TObject*) { Record("data changed"); });
        ed_->SetOnHeadingChanged([this](TObject*) { Record("heading changed"); });
        ed_->SetOnCellStateChanged([this](TObject*) {
            Record("marks changed");
            ShowSelection();
        });
        ed_->SetOnPaste([this](TObject*) { Record("pasted"); });
        ed_->SetOnLayoutChanged([this](TObject*) { Record("layout changed"); });

        selection_ = new TLabel(Page.Form);
        selection_->SetParent(Page.Host);
        selection_->SetBounds(16, 448, 500, 18);
        event_ = new TLabel(Page.Form);
        event_->SetParent(Page.Host);
        event_->SetBounds(520, 448, 266, 18);
        event_->SetAlignment(taRightJustify);
        auto* hint = new TLabel(Page.Form);
        hint->SetParent(Page.Host);
        hint->SetAutoSize(false);
        hint->SetWordWrap(true);
        hint->SetBounds(16, 472, 770, 36);
        hint->GetFont()->SetColor(clGrayText);
        hint->SetCaption("Red: above the limit (mark A). Blue: under review (mark B). Right-click a cell for marks, "
                         "copy, paste and extract; a heading to rename it or step its decimal places; the corner "
                         "cell for the campaign's comment. Click a cell twice to edit it; the site column offers "
                         "its sites in a list.");
        ShowSelection();
        Record("");
        Page.Watch("selection", [this] { return selection_->GetCaption(); });
        Page.Watch("event", [this] { return event_->GetCaption(); });
        Page.Watch("heading.2", [this] { return ed_->GetColName(2); });
        Page.Watch("comment", [this] { return ed_->GetComment(); });
        Page.Watch("focus", [] {
            TWinControl* c = Screen != nullptr ? Screen->GetActiveControl() : nullptr;
            if (c == nullptr) return std::string();
            return c->ClassName() + (c->GetParent() != nullptr ? " in " + c->GetParent()->ClassName() : "");
        });
        Page.Watch("heading-editor", [this] { return ed_->GetNameEditorActive() ? ed_->GetNameEditor()->GetText() : "closed"; });
        // The current cell in data coordinates, and the first sample's readings.
        Page.Watch("current", [this] {
            return IntToStr(ed_->GetCol() - ed_->GetFixedCols() + 1) + " " + IntToStr(ed_->GetRow() - ed_->GetFixedRows() + 1);
        });
        Page.Watch("row.1", [this] {
            std::string row;
            for (int c = 1; c <= ed_->GetNrOfColumns(); ++c) row += (c > 1 ? "|" : "") + FloatToStr(ed_->GetElem(c, 1));
            return row;
        });
        Page.Watch("marked", [this] {
            return IntToStr(ed_->NrOfMarkedDataA()) + " A, " + IntToStr(ed_->NrOfMarkedDataB()) + " B";
        });
    }

private:
    void Fill() {
        const int rows = int(std::size(kSamples));
        ed_->SetSuppressPaint(true);
        ed_->SetAttribColVisible(true);
        ed_->Redimension(7, rows);
        ed_->Clear();
        const char* names[] = {"Site", "pH", "Temp \u00B0C", "O\u2082 mg/l", "NO\u2083 mg/l", "Pb \u00B5g/l",
                               "Turb. NTU"};
        const int decimals[] = {0, 2, 1, 2, 2, 2, 1};
        // Column attributes: the laboratory method number of each reading.
        const int methods[] = {0, 11, 12, 21, 34, 52, 61};
        for (int c = 1; c <= 7; ++c) {
            ed_->SetColName(c, names[c - 1]);
            ed_->SetPrecision(c, decimals[c - 1]);
            ed_->SetColAttrib(c, std::uint8_t(methods[c - 1]));
        }
        TDataTable* data = ed_->Data;
        data->SetMScaleType(1, mstNominal);
        data->SetNominalID(1, 1, "Upper lake");
        data->SetNominalID(1, 2, "River mouth");
        data->SetNominalID(1, 3, "Harbour");
        for (int r = 1; r <= rows; ++r) {
            const Sample& s = kSamples[r - 1];
            ed_->SetRowName(r, "S-" + std::string(r < 10 ? "0" : "") + IntToStr(r) + (r % 5 == 0 ? " (dup)" : ""));
            ed_->SetRowAttrib(r, std::uint8_t(1 + (r - 1) / 4));   // the week of the campaign
            const double values[] = {double(s.site), s.ph, s.temp, s.oxygen, s.nitrate, s.lead, s.turbidity};
            for (int c = 1; c <= 7; ++c) ed_->SetElem(c, r, values[c - 1]);
            // Limits: nitrate 11.3 mg/l, lead 10 ug/l, turbidity 15 NTU.
            if (s.nitrate > 11.3) ed_->SetElemMarkedA(5, r, true);
            if (s.lead > 10) ed_->SetElemMarkedA(6, r, true);
            if (s.turbidity > 15) ed_->SetElemMarkedA(7, r, true);
        }
        // A reading under review, one also above its limit, a missing and a failed one.
        ed_->SetElemMarkedB(3, 4, true);
        ed_->SetElemMarkedB(6, 6, true);
        ed_->SetIsEmpty(4, 9, true);
        ed_->SetCellState(7, 13, dtsInvalid);
        ed_->SetComment("Campaign 2: sixteen samples from three sites, analysed by the county laboratory.");
        ed_->SetColWidths(0, 86);
        ed_->SetColWidths(1, 92);
        for (int c = 2; c <= 7; ++c) ed_->SetColWidths(c, 84);
        ed_->SetDefaultRowHeight(20);
        ed_->SetSelection(TGridRect(3, 2, 3, 2));
        ed_->SetSuppressPaint(false);
    }

    void ShowSelection() {
        const TGridRect s = ed_->GetSelection();
        const int c = s.Left - 1, r = s.Top - 1;   // both heading lines show
        std::string text = "Selected: " + ed_->GetColName(c) + " of " + ed_->GetRowName(r);
        if (s.Right > s.Left || s.Bottom > s.Top)
            text += " and " + IntToStr((s.Right - s.Left + 1) * (s.Bottom - s.Top + 1) - 1) + " more cells";
        selection_->SetCaption(text);
    }

    void Record(const std::string& What) {
        event_->SetCaption(What.empty() ? "" : "Last: " + What);
        page_.Record("last", What);
    }

    PageContext page_;
    TNTabEd* ed_ = nullptr;
    TLabel* selection_ = nullptr;
    TLabel* event_ = nullptr;
};

}  // namespace

void BuildTableEditorPage(PageContext& Page) { Page.Keep(std::make_unique<TableEditorPage>(Page)); }

}  // namespace gallery
