// The mark selector's model: construction, the setters, mark visibility and the mouse.
#include "marksel/Zyn_marksel.h"

#include "platform/Win32.h"
#include "platform/Accessibility.h"

namespace zyn {

using namespace vcl;

TMarkSel::TMarkSel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FVis.fill(true);
    SetKeyboardFocusable(true);
    SetBounds(GetLeft(), GetTop(), 236, 178);
}

TMarkSel::~TMarkSel() = default;

// =========================================================================================
// properties

template <typename T>
void TMarkSel::StoreAndPaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Paint();
}

void TMarkSel::SetNrOfColumns(int Value) {
    if (Value < 1 || Value > 51) return;
    StoreAndPaint(FNrOfColumns, Value);
}

void TMarkSel::SetNrOfRows(int Value) {
    if (Value < 1 || Value > 51) return;
    StoreAndPaint(FNrOfRows, Value);
}

void TMarkSel::SetSelected(int Value) {
    if (Value < -1 || Value > 51) return;
    if (Value != FSelected) vcl::NotifyAccessible(this, vcl::aeSelection);
    StoreAndPaint(FSelected, Value);
}

void TMarkSel::SetColorBackGnd(TColor Value) { StoreAndPaint(FColorBackGnd, Value); }
void TMarkSel::SetColorMarks(TColor Value) { StoreAndPaint(FColorMarks, Value); }
void TMarkSel::SetColorSelBG(TColor Value) { StoreAndPaint(FColorSelBG, Value); }
void TMarkSel::SetColorSelFG(TColor Value) { StoreAndPaint(FColorSelFG, Value); }
void TMarkSel::SetColorHiLiteBG(TColor Value) { StoreAndPaint(FColorHiLiteBG, Value); }
void TMarkSel::SetColorHiLiteSymbol(TColor Value) { StoreAndPaint(FColorHiLiteSymbol, Value); }
void TMarkSel::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(FFrameStyle, Value); }

void TMarkSel::SetEnabled(bool Value) {
    TGraphicControl::SetEnabled(Value);
    Invalidate();
}

void TMarkSel::SetShowZeroAsCross(bool Value) {
    FShowZeroAsCross = Value;
    Invalidate();
}

bool TMarkSel::GetVis(int Index) const {
    if (Index < 0 || Index >= NumberOfMarks) Index = 0;
    return FVis[Index];
}

void TMarkSel::SetVis(int Index, bool Value) {
    if (Index < 1 || Index >= NumberOfMarks) return;
    FVis[Index] = Value;
    Paint();
}

void TMarkSel::ShowAllMarks() {
    for (int i = 1; i < NumberOfMarks; ++i) FVis[i] = true;
    Paint();
}

void TMarkSel::HideAllMarks() {
    for (int i = 1; i < NumberOfMarks; ++i) FVis[i] = false;
    Paint();
}

TPoint TMarkSel::GetMarkPos(int Index) const {
    if (Index < 0 || Index >= NumberOfMarks) return TPoint(0, 0);
    return FPos[Index];
}

void TMarkSel::Layout() {
    FGrid = MarkSelGrid(GetWidth(), GetHeight(), FNrOfColumns, FNrOfRows);
    LayoutMarks(FGrid, FNrOfColumns, FVis, FPos);
    FInView = MarksInView(FNrOfColumns, FNrOfRows, FVis);
}

// =========================================================================================
// mouse

void TMarkSel::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    // The positions of the picture on screen; they are what a paint now would compute.
    Layout();
    // Marks past the last row lie below the control: the pointer cannot be over them.
    const int h = NearestMark(FPos, FInView, X, Y);
    if (h == FLastHiLite) return;
    RestoreMark(FLastHiLite);
    HighlightMark(h);
}

void TMarkSel::MarkClicked(TMessage& Message, const TMarkClickEvent& Event) {
    const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
    if (x == -1 && y == -1) return;
    Layout();
    // Only a mark the user can see can be picked, however near the bottom edge the click.
    ChooseMark(x, y, NearestMark(FPos, FInView, x, y), Event);
}

void TMarkSel::ChooseMark(int X, int Y, int b, const TMarkClickEvent& Event) {
    FSelected = b;
    FFocusMark = b;
    if (Event) Event(this, X, Y, b);
    Paint();
    HighlightMark(b);
    MarkChosenForAccessibility(b);
}

void TMarkSel::WMLButtonUp(TMessage& Message) {
    TGraphicControl::WMLButtonUp(Message);
    MarkClicked(Message, FOnMarkClick);
}

void TMarkSel::WMLButtonDblClk(TMessage& Message) {
    TGraphicControl::WMLButtonDblClk(Message);
    MarkClicked(Message, FOnMarkDblClick);
}

// =========================================================================================
// keyboard
//
//   Left, Right       the previous, the next mark in view
//   Up, Down          the mark in view one row above, below
//   Enter, Space      choose the focused mark, as a click on it does
//
// The focused mark moves without a repaint: its old and new cells are drawn again, so the
// hover highlight stays where the pointer left it.

void TMarkSel::KeyDown(WORD& Key, TShiftState Shift) {
    TGraphicControl::KeyDown(Key, Shift);
    if (Key != 0 && KeyAction(Key, Shift)) Key = 0;
}

void TMarkSel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_WANTSPECIALKEY:
            // Enter chooses a mark instead of pressing the form's default button; Escape
            // stays the form's.
            if (Message.WParam == VK_RETURN) {
                Message.Result = 1;
                return;
            }
            break;
        case CM_ENTER:
        case CM_EXIT:
            // Only the focused cell changes: the hover highlight stays where it is.
            Layout();
            RedrawCell(GetFocusedMark());
            if (Message.Msg == CM_ENTER) DoEnter();
            else DoExit();
            return;
        default: break;
    }
    TGraphicControl::WndProc(Message);
}

bool TMarkSel::KeyAction(WORD Key, TShiftState Shift) {
    if (Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return false;
    switch (Key) {
        case VK_LEFT: MoveFocusedMark(mmLeft); return true;
        case VK_RIGHT: MoveFocusedMark(mmRight); return true;
        case VK_UP: MoveFocusedMark(mmUp); return true;
        case VK_DOWN: MoveFocusedMark(mmDown); return true;
        case VK_RETURN:
        case VK_SPACE: ChooseFocusedMark(); return true;
        default: return false;
    }
}

int TMarkSel::GetFocusedMark() const {
    const TMarkFlags inView = MarksInView(FNrOfColumns, FNrOfRows, FVis);
    if (FFocusMark >= 0 && FFocusMark < NumberOfMarks && inView[FFocusMark]) return FFocusMark;
    if (FSelected >= 0 && inView[FSelected]) return FSelected;
    return 0;
}

void TMarkSel::MoveFocusedMark(TMarkMove Move) {
    Layout();
    const int from = GetFocusedMark();
    const int to = MarkAfterMove(FInView, FNrOfColumns, from, Move);
    FFocusMark = to;
    if (to == from) return;
    RedrawCell(from);
    RedrawCell(to);
    MarkFocusedForAccessibility(to);
}

// As a click on the mark, at the mark's place.
// The framework's click comes first, as for the mouse, and may change the grid.
void TMarkSel::ChooseFocusedMark() {
    Click();
    Layout();
    const int b = GetFocusedMark();
    ChooseMark(FPos[b].X, FPos[b].Y, b, FOnMarkClick);
}

void TMarkSel::RedrawCell(int Mark) {
    if (!GetShowing()) return;   // the next paint draws it
    // The cell is drawn in the enabled colours; a disabled selector is painted whole.
    if (!GetEnabled()) {
        Invalidate();
        return;
    }
    RestoreMark(Mark);
    if (FHiLiteShown && Mark == FLastHiLite) HighlightMark(Mark);
}

}  // namespace zyn
