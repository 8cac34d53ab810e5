// Page "Drag and dock": a packing list built by dragging parts from a stock list into a
// shipment list (and back, or to another place in the same list), and a dockable
// "Shipment totals" panel that the user drags out of its dock by its grip bar, where it
// floats in a tool window of its own, and drags back into the dock.
#include <algorithm>
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace gallery {

namespace {

constexpr TColor kGrip = TColor(0x6B4A2F);      // dark slate blue (BGR)
constexpr TColor kDockFace = TColor(0xEDE6DF);  // light slate face of the dock

// The title bar of a dockable panel: pressing on it starts the panel's dock drag.
class TGripBar : public TCustomControl {
public:
    TGripBar(TComponent* AOwner, TControl* Panel) : TCustomControl(AOwner), panel_(Panel) {
        SetCursor(crSizeAll);
    }
    std::string ClassName() const override { return "TGripBar"; }

protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        c->GetBrush()->SetColor(kGrip);
        c->FillRect(GetClientRect());
        // Two rows of dots on the left say "drag me" (sizes at 96 dpi, scaled with the form).
        c->GetBrush()->SetColor(TColor(0xD8C8B8));
        auto s = [this](int V) { return ScaledMetric(V); };
        for (int i = 0; i < 4; ++i) {
            c->FillRect(Rect(s(6 + i * 4), s(6), s(8 + i * 4), s(8)));
            c->FillRect(Rect(s(6 + i * 4), s(11), s(8 + i * 4), s(13)));
        }
        c->GetFont()->Assign(GetFont());
        c->GetFont()->SetColor(clWhite);
        c->GetFont()->SetStyle({fsBold});
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(s(26), (GetHeight() - c->TextHeight(GetCaption())) / 2, GetCaption());
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        if (Button == mbLeft) panel_->BeginDrag(false);
    }

private:
    TControl* panel_;
};

template <class T>
T* Place(PageContext& Page, TWinControl* Parent, int L, int T_, int W, int H) {
    auto* c = new T(Page.Form);
    c->SetParent(Parent);
    c->SetBounds(L, T_, W, H);
    return c;
}

std::string Joined(const TStrings* Items) {
    std::string out;
    for (int i = 0; i < Items->Count(); ++i) out += (i ? "|" : "") + Items->Get(i);
    return out;
}

std::string RectText(TControl* C, const TRect& R) {
    TPoint p = C->ClientToParent(TPoint(R.Left, R.Top), nullptr);
    return IntToStr(p.X) + " " + IntToStr(p.Y) + " " + IntToStr(R.Width()) + " " + IntToStr(R.Height());
}

class DragDockPage {
public:
    explicit DragDockPage(PageContext& Page) : page_(Page) {
        BuildLists();
        BuildDock();
        UpdateTotals();
        Page.Watch("stock.items", [this] { return Joined(stock_->GetItems()); });
        Page.Watch("shipment.items", [this] { return Joined(shipment_->GetItems()); });
        Page.Watch("stock.item0.rect", [this] { return RectText(stock_, stock_->ItemRect(0)); });
        Page.Watch("shipment.rect", [this] { return RectText(shipment_, shipment_->GetClientRect()); });
        Page.Watch("totals.where", [this] {
            return totals_->GetFloating() ? "floating" : totals_->GetHostDockSite() == dock_ ? "docked" : "none";
        });
        Page.Watch("status", [this] { return status_->GetCaption(); });
    }

private:
    void BuildLists() {
        TWinControl* host = page_.Host;
        Heading(host, 20, 12, "Stock");
        Heading(host, 250, 12, "Shipment to Harbour Road depot");
        stock_ = Place<TListBox>(page_, host, 20, 34, 210, 300);
        stock_->SetName("Stock");
        for (const char* part : {"Ball bearing 6204-2RS", "Drive belt XPZ 1250", "Hex bolt M8 x 40",
                                 "Hydraulic hose 1/2\"", "O-ring 32 x 3 NBR", "Pillow block UCP205",
                                 "Roller chain 08B-1", "Shaft seal 40x62x8", "Spur gear m2 z30",
                                 "V-belt pulley SPA 160"})
            stock_->GetItems()->Add(part);
        shipment_ = Place<TListBox>(page_, host, 250, 34, 210, 300);
        shipment_->SetName("Shipment");
        shipment_->GetItems()->Add("Grease cartridge 400 g");
        for (TListBox* list : {stock_, shipment_}) {
            list->SetDragMode(dmAutomatic);
            list->SetOnDragOver([](TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
                // Parts come from either list; a press on no part drags nothing.
                auto* from = dynamic_cast<TListBox*>(Source);
                Accept = from != nullptr && from->GetItemIndex() >= 0;
            });
            list->SetOnDragDrop([this](TObject* Sender, TObject* Source, int X, int Y) {
                MovePart(static_cast<TListBox*>(Source), static_cast<TListBox*>(Sender), TPoint(X, Y));
            });
            list->SetOnEndDrag([this](TObject* Sender, TObject* Target, int, int) {
                if (Target == nullptr) status_->SetCaption("Not moved: drop a part on one of the lists.");
                page_.Record("enddrag", static_cast<TComponent*>(Sender)->GetName() + " -> " +
                                            (Target ? static_cast<TComponent*>(Target)->GetName() : "nil"));
            });
        }
        status_ = Place<TLabel>(page_, host, 20, 346, 440, 18);
        status_->SetCaption("Drag parts between the lists; Escape cancels a drag.");
        auto* hint = Place<TLabel>(page_, host, 20, 370, 440, 36);
        hint->SetAutoSize(false);
        hint->SetBounds(20, 370, 440, 36);
        hint->SetWordWrap(true);
        hint->SetFont(status_->GetFont());
        page_.FollowTheme([hint] { hint->GetFont()->SetColor(ThemePick(TColor(0x707070), TColor(0xA8A8A8), TColor(0xFFFFFF))); });
        hint->SetCaption("The totals panel is dockable: drag its title bar out of the dock to float it, "
                         "and back onto the dock to put it away.");
    }

    void BuildDock() {
        TWinControl* host = page_.Host;
        Heading(host, 490, 12, "Dock");
        dock_ = Place<TPanel>(page_, host, 490, 34, 250, 372);
        dock_->SetName("Dock");
        dock_->SetCaption("Drop panels here");
        dock_->SetBevelOuter(bvLowered);
        page_.FollowTheme([this] { dock_->SetColor(ThemePick(kDockFace, RGB(0x30, 0x34, 0x3A), clBlack)); });
        dock_->SetDockSite(true);

        totals_ = Place<TPanel>(page_, host, 500, 40, 230, 150);
        totals_->SetName("Totals");
        totals_->SetCaption("Shipment totals");
        totals_->SetShowCaption(false);
        totals_->SetBevelOuter(bvNone);
        totals_->SetColor(clWindow);
        totals_->SetDragKind(dkDock);
        auto* grip = new TGripBar(page_.Form, totals_);
        grip->SetParent(totals_);
        grip->SetHeight(20);
        grip->SetAlign(alTop);
        grip->SetCaption("Shipment totals");
        lines_ = Place<TLabel>(page_, totals_, 12, 32, 200, 18);
        weight_ = Place<TLabel>(page_, totals_, 12, 56, 200, 18);
        boxes_ = Place<TLabel>(page_, totals_, 12, 80, 200, 18);
        auto* note = Place<TLabel>(page_, totals_, 12, 112, 210, 18);
        note->SetCaption("Weights are estimates.");
        page_.FollowTheme([note] { note->GetFont()->SetColor(ThemePick(TColor(0x808080), TColor(0xA8A8A8), TColor(0xFFFFFF))); });
        totals_->ManualDock(dock_, alTop);
        dock_->SetOnDockDrop([this](TObject*, TDragDockObject*, int, int) { status_->SetCaption("Totals docked."); });
        dock_->SetOnUnDock([this](TObject*, TControl*, TWinControl*, bool&) { status_->SetCaption("Totals floating."); });
    }

    void Heading(TWinControl* Parent, int L, int T_, const std::string& Text) {
        auto* l = Place<TLabel>(page_, Parent, L, T_, 220, 18);
        l->SetCaption(Text);
        l->GetFont()->SetStyle({fsBold});
    }

    // Moves the selected part of From to the item position under P in To.
    void MovePart(TListBox* From, TListBox* To, TPoint P) {
        int index = From->GetItemIndex();
        if (index < 0) return;
        std::string part = From->GetItems()->Get(index);
        int at = To->ItemAtPos(P, false);
        if (at < 0) at = To->GetCount();
        From->GetItems()->Delete(index);
        if (From == To && at > index) --at;
        To->GetItems()->Insert(std::min(at, To->GetCount()), part);
        To->SetItemIndex(std::min(at, To->GetCount() - 1));
        status_->SetCaption((From == To ? "Moved \"" : To == shipment_ ? "Packed \"" : "Returned \"") + part + "\".");
        UpdateTotals();
    }

    void UpdateTotals() {
        const int n = shipment_->GetCount();
        lines_->SetCaption("Lines: " + IntToStr(n));
        weight_->SetCaption("Weight: " + FloatToStrF(0.8 + 1.7 * n, ffFixed, 15, 1) + " kg");
        boxes_->SetCaption("Boxes: " + IntToStr((n + 3) / 4));
    }

    PageContext page_;
    TListBox* stock_ = nullptr;
    TListBox* shipment_ = nullptr;
    TLabel* status_ = nullptr;
    TPanel* dock_ = nullptr;
    TPanel* totals_ = nullptr;
    TLabel* lines_ = nullptr;
    TLabel* weight_ = nullptr;
    TLabel* boxes_ = nullptr;
};

}  // namespace

void BuildDragDockPage(PageContext& Page) { Page.Keep(std::make_unique<DragDockPage>(Page)); }

}  // namespace gallery
