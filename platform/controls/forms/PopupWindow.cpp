// TMenuWindow: the popup menu as a person sees it.
#include "platform/controls/forms/PopupWindow.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Application.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {
// The sizes of the window at 96 dpi; at another density each is ScaleMetric of it.
constexpr int kItemHeight = 22;
constexpr int kLineHeight = 9;
constexpr int kIconColumn = 28;
constexpr int kArrowColumn = 24;
// Room around an item's bitmap: a 16-pixel bitmap fits the 22 x 28 pixels of an item.
constexpr int kBitmapRoomY = kItemHeight - 16;
constexpr int kBitmapRoomX = kIconColumn - 16;
}  // namespace

TMenuWindow::TMenuWindow(TMenuItem* Items, TMenuWindow* ParentWindow, int PPI)
    : TForm(nullptr), items_(Items), parentWindow_(ParentWindow) {
    // A sub-menu takes its parent window's density; the first window the opener's.
    // Scaling the fresh (96 dpi) window sets its density and grows its font with it.
    if (PPI <= 0) PPI = ParentWindow != nullptr ? ParentWindow->GetPixelsPerInch() : Screen->GetPixelsPerInch();
    if (PPI != GetPixelsPerInch()) ScaleBy(PPI, GetPixelsPerInch());
    SetBorderStyle(bsNone);
    SetColor(look::MenuFace());
    SetKeyPreview(false);
    Layout();
}

void TMenuWindow::Layout() {
    visible_.clear();
    for (int i = 0; i < items_->GetCount(); ++i)
        if (items_->GetItems(i)->GetVisible()) visible_.push_back(items_->GetItems(i));
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    itemHeight_ = ScaledMetric(kItemHeight);
    iconColumn_ = ScaledMetric(kIconColumn);
    for (TMenuItem* item : visible_) {
        if (item->IsLine() || !item->HasBitmap()) continue;
        itemHeight_ = std::max(itemHeight_, item->GetBitmap()->GetHeight() + ScaledMetric(kBitmapRoomY));
        iconColumn_ = std::max(iconColumn_, item->GetBitmap()->GetWidth() + ScaledMetric(kBitmapRoomX));
    }
    int width = ScaledMetric(80), height = 2 * ScaledMetric(2);
    for (TMenuItem* item : visible_) {
        if (item->IsLine()) {
            height += ScaledMetric(kLineHeight);
            continue;
        }
        TRect r;
        DrawText(canvas, item->GetCaption(), r, DT_CALCRECT | DT_SINGLELINE);
        int w = iconColumn_ + r.Width() + ScaledMetric(kArrowColumn);
        std::string shortcut = ShortCutToText(item->GetShortCut());
        if (!shortcut.empty()) w += ScaledMetric(24) + canvas->TextWidth(shortcut);
        width = std::max(width, w);
        height += itemHeight_;
    }
    SetBounds(GetLeft(), GetTop(), width + 2 * ScaledMetric(2), height);
}

TRect TMenuWindow::ItemRect(int Index) const {
    const int margin = ScaledMetric(2);
    int y = margin;
    for (int i = 0; i < int(visible_.size()); ++i) {
        int h = visible_[std::size_t(i)]->IsLine() ? ScaledMetric(kLineHeight) : itemHeight_;
        if (i == Index) return Rect(margin, y, GetClientWidth() - margin, y + h);
        y += h;
    }
    return TRect();
}

int TMenuWindow::ItemAt(TPoint P) const {
    for (int i = 0; i < int(visible_.size()); ++i)
        if (ItemRect(i).Contains(P)) return i;
    return -1;
}

void TMenuWindow::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    look::Fill(canvas, client, look::MenuFace());
    look::Frame(canvas, client, look::MenuBorder(), ScaledLineWidth(1));
    canvas->GetFont()->Assign(GetFont());
    auto m = [this](int v) { return ScaledMetric(v); };
    for (int i = 0; i < int(visible_.size()); ++i) {
        TMenuItem* item = visible_[std::size_t(i)];
        TRect r = ItemRect(i);
        if (item->IsLine()) {
            // A line through the middle of the separator's row, after the icon column.
            const int top = r.Top + m(4);
            look::Fill(canvas, Rect(r.Left + iconColumn_, top, r.Right - m(2), top + ScaledLineWidth(1)),
                       ThemeColor(trMenuSeparator));
            continue;
        }
        bool enabled = item->GetEnabled();
        if (i == hot_) look::Fill(canvas, r, enabled ? look::MenuHot() : ThemeColor(trMenuHotDisabled));
        if (item->HasBitmap()) {
            TBitmap* bmp = item->GetBitmap();
            bmp->SetTransparent(true);
            canvas->Draw(r.Left + (iconColumn_ - bmp->GetWidth()) / 2, r.Top + (r.Height() - bmp->GetHeight()) / 2, bmp);
        } else if (item->GetChecked()) {
            TPen* pen = canvas->GetPen();
            pen->SetColor(enabled ? ThemeColor(trMenuGlyph) : look::DisabledText());
            // A tick two pixels thick at 96 dpi.
            int cx = r.Left + m(9), cy = r.Top + m(10);
            for (int d = 0; d < m(2); ++d) {
                canvas->MoveTo(cx, cy + d);
                canvas->LineTo(cx + m(3), cy + m(3) + d);
                canvas->LineTo(cx + m(9), cy - m(3) + d);
            }
        }
        canvas->GetFont()->SetColor(!enabled ? look::DisabledText() : i == hot_ ? look::MenuHotText() : clMenuText);
        canvas->GetBrush()->SetStyle(bsClear);
        TRect text = Rect(r.Left + iconColumn_, r.Top, r.Right - m(kArrowColumn), r.Bottom);
        DrawText(canvas, item->GetCaption(), text, DT_SINGLELINE | DT_VCENTER);
        std::string shortcut = ShortCutToText(item->GetShortCut());
        if (!shortcut.empty()) DrawText(canvas, shortcut, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        if (item->GetCount() > 0) {
            // A small arrow pointing right: the item opens a sub-menu.
            canvas->GetBrush()->SetStyle(bsSolid);
            canvas->GetBrush()->SetColor(enabled ? ThemeColor(trMenuGlyph) : look::DisabledText());
            canvas->GetPen()->SetColor(canvas->GetBrush()->GetColor());
            int ax = r.Right - m(14), ay = r.Top + r.Height() / 2;
            canvas->Polygon({TPoint(ax, ay - m(4)), TPoint(ax + m(4), ay), TPoint(ax, ay + m(4))});
        }
    }
}

void TMenuWindow::MoveHot(int Direction) {
    int n = int(visible_.size());
    if (n == 0) return;
    int i = hot_;
    for (int step = 0; step < n; ++step) {
        i = i < 0 ? (Direction > 0 ? 0 : n - 1) : (i + Direction + n) % n;
        if (!visible_[std::size_t(i)]->IsLine()) break;
    }
    SetHot(i);
}

void TMenuWindow::SetHot(int Index) {
    hot_ = Index;
    Invalidate();
    NotifyAccessible(this, aeSelection, asSelected);
    if (accessibility::Listening() && hot_ >= 0 && HasAccessible())
        if (TAccessiblePtr item = GetAccessible()->GetChild(hot_)) accessibility::Raise({aeFocus, item, asFocused});
}

void TMenuWindow::MouseMove(TShiftState Shift, int X, int Y) {
    TForm::MouseMove(Shift, X, Y);
    int i = ItemAt({X, Y});
    if (i != hot_ && (i < 0 || !visible_[std::size_t(i)]->IsLine())) SetHot(i);
}

TMenuItem* TMenuWindow::GetItem(int Index) const {
    return Index >= 0 && Index < int(visible_.size()) ? visible_[std::size_t(Index)] : nullptr;
}

bool TMenuWindow::ChooseLater(int Index) {
    TMenuItem* item = GetItem(Index);
    if (item == nullptr || item->IsLine() || !item->GetEnabled() || done_) return false;
    if (hot_ != Index) SetHot(Index);
    if (item->GetCount() == 0) Finish(item);
    else chooseLater_ = Index;
    return true;
}

void TMenuWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TForm::MouseUp(Button, Shift, X, Y);
    int i = ItemAt({X, Y});
    if (i >= 0) Choose(i);
}

void TMenuWindow::KeyDown(WORD& Key, TShiftState Shift) {
    TForm::KeyDown(Key, Shift);
    switch (Key) {
    case VK_UP: MoveHot(-1); break;
    case VK_DOWN: MoveHot(1); break;
    case VK_RETURN:
    case VK_RIGHT:
        if (hot_ >= 0 && (Key == VK_RETURN || visible_[std::size_t(hot_)]->GetCount() > 0)) Choose(hot_);
        break;
    case VK_ESCAPE:
    case VK_LEFT:
        if (Key == VK_ESCAPE || parentWindow_ != nullptr) Finish(nullptr);
        break;
    default: break;
    }
}

void TMenuWindow::Choose(int Index) {
    TMenuItem* item = visible_[std::size_t(Index)];
    if (item->IsLine() || !item->GetEnabled()) return;
    if (item->GetCount() > 0) {
        TRect r = ItemRect(Index);
        TPoint at = ClientToScreen({r.Right, r.Top - ScaledMetric(2)});
        TMenuWindow sub(item, this);
        TMenuItem* chosen = sub.Run(at.X, at.Y);
        if (chosen != nullptr) Finish(chosen);
        return;
    }
    Finish(item);
}

void TMenuWindow::Finish(TMenuItem* Result) {
    result_ = Result;
    done_ = true;
}

void TMenuWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        return;
    case CM_CANCELMODE:   // a press outside the menu
        Finish(nullptr);
        if (parentWindow_ != nullptr) parentWindow_->Finish(nullptr);
        Message.Result = 1;
        return;
    default:
        TForm::WndProc(Message);
        return;
    }
}

TMenuItem* TMenuWindow::Run(int X, int Y) {
    int w = GetWidth(), h = GetHeight();
    X = std::clamp(X, 0, std::max(0, Screen->GetWidth() - w));
    Y = std::clamp(Y, 0, std::max(0, Screen->GetHeight() - h));
    SetBounds(X, Y, w, h);
    done_ = false;
    result_ = nullptr;
    Show();
    input::PushModal(this);
    try {
        while (!done_ && !Application->GetTerminated()) {
            Application->HandleMessage();
            if (chooseLater_ >= 0 && !done_) {
                const int i = chooseLater_;
                chooseLater_ = -1;
                Choose(i);
            }
        }
    } catch (...) {
        input::PopModal(this);
        Hide();
        throw;
    }
    input::PopModal(this);
    Hide();
    return result_;
}

TMenuItem* RunPopupWindow(TPopupMenu* Menu, int X, int Y) {
    if (Menu->GetItems()->GetCount() == 0) return nullptr;
    // The menu takes the density of what opened it: the control it is the context menu
    // of, else the control that owns it, else the screen's.
    int ppi = 0;
    if (auto* opener = dynamic_cast<TControl*>(Menu->GetPopupComponent())) ppi = opener->GetCurrentPPI();
    else if (auto* owner = dynamic_cast<TControl*>(Menu->GetOwner())) ppi = owner->GetCurrentPPI();
    TMenuWindow window(Menu->GetItems(), nullptr, ppi);
    if (Menu->GetAlignment() == paRight) X -= window.GetWidth();
    else if (Menu->GetAlignment() == paCenter) X -= window.GetWidth() / 2;
    return window.Run(X, Y);
}

}  // namespace vcl
