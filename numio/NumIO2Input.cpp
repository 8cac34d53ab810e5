// TNumIO2: keyboard editing with the online check, the clipboard, the mouse on the text, the
// buttons and the gauge, and the focus.
#include <algorithm>
#include <string>

#include "numio/Zyn_NumIO2.h"
#include "platform/Clipbrd.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

// =========================================================================================
// keys

void TNumIO2::KeyDown(WORD& Key, TShiftState Shift) {
    HandleKey(Key, Shift);
    TCustomControl::KeyDown(Key, Shift);
}

void TNumIO2::KeyUp(WORD& Key, TShiftState Shift) {
    if (Key == VK_SHIFT) FKeyShifted = false;
    if (Key == VK_CONTROL) FKeyCntrl = false;
    TCustomControl::KeyUp(Key, Shift);
}

void TNumIO2::HandleKey(WORD Key, TShiftState Shift) {
    // The held modifiers are taken from each key message as well, so that a release the
    // control never saw (it lost the focus meanwhile) cannot leave one set.
    FKeyShifted = Shift.Contains(ssShift) || Key == VK_SHIFT;
    FKeyCntrl = Shift.Contains(ssCtrl) || Key == VK_CONTROL;
    if (Key == VK_SHIFT || Key == VK_CONTROL) return;
    if (FReadOnly) {
        if (FKeyCntrl && Key == 'C') HandleCtrlKey(Key);
        return;
    }
    const std::string savedBuffer = FInBuffer;
    const int savedCaret = FCaretPos;
    if (FKeyCntrl) HandleCtrlKey(Key);
    else HandlePlainKey(Key, FKeyShifted);

    bool changed = FInBuffer != savedBuffer;
    if (changed && FOnlineCheck) {
        // A lone sign, and in the dynamic notation a lone prefix, stand for a number being
        // typed and pass although they are none yet.
        const bool started = FInBuffer.empty() || FInBuffer == "-" || FInBuffer == "+" ||
                             (FInputFormat == itDynamic && (FInBuffer == "$" || FInBuffer == "%" || FInBuffer == "&"));
        if (!started && !CheckValidity(FInBuffer)) {
            FInBuffer = savedBuffer;
            FCaretPos = savedCaret;
            changed = false;
            Beeper();
        }
    }
    ApplyCaretRule();
    FCaretVisib = true;
    if (changed) Changed();
    Invalidate();
}

void TNumIO2::HandleCtrlKey(WORD Key) {
    const std::string selected = Copy(FInBuffer, FSelBegin + 1, FSelEnd - FSelBegin);
    switch (Key) {
        case 'C':
            // Copying nothing leaves the clipboard as it was.
            if (!selected.empty()) Clipboard()->SetAsText(selected);
            break;
        case 'X':
            if (!selected.empty()) Clipboard()->SetAsText(selected);
            DeleteSelection();
            break;
        case 'V':
            if (Clipboard()->HasFormat(CF_TEXT)) InsertText(Clipboard()->GetAsText());
            break;
        default: Beeper(); break;
    }
}

void TNumIO2::HandlePlainKey(WORD Key, bool Shift) {
    const int length = Length(FInBuffer);
    switch (Key) {
        case VK_BACK:
            if (FSelBegin < FSelEnd) {
                DeleteSelection();
            } else if (FCaretPos > 0) {
                vcl::Delete(FInBuffer, FCaretPos, 1);
                --FCaretPos;
            }
            return;
        case VK_TAB:
            // The dialog moves the focus on (back with Shift).
            if (GetParent() != nullptr) GetParent()->Perform(WM_NEXTDLGCTL, Shift ? 1 : 0, 0);
            return;
        case VK_END: FCaretPos = length; return;
        case VK_HOME: FCaretPos = 0; return;
        case VK_LEFT:
        case VK_UP: FCaretPos = std::max(FCaretPos - 1, 0); return;
        case VK_RIGHT:
        case VK_DOWN: FCaretPos = std::min(FCaretPos + 1, length); return;
        case VK_DELETE:
            if (FSelBegin < FSelEnd) DeleteSelection();
            else if (FCaretPos < length) vcl::Delete(FInBuffer, FCaretPos + 1, 1);
            return;
        // The keys below add to the editing keys: the arrows stay the caret's, so the pages
        // step the value; Enter and Escape reach the control when the dialog takes neither.
        case VK_PRIOR:
        case VK_NEXT: StepValue(Key == VK_PRIOR, 10); return;
        case VK_RETURN: FCommitted = FInBuffer; return;
        case VK_ESCAPE:
            if (FInBuffer != FCommitted) {
                FInBuffer = FCommitted;
                FCaretPos = FSelBegin = FSelEnd = Length(FInBuffer);
            }
            return;
        default: break;
    }
    const char32_t ch = NumIO2KeyChar(Key, Shift);
    if (ch == 0) {
        Beeper();
        return;
    }
    // A typed character replaces the selection (a deletion would write 0 into an emptied
    // buffer, and the character would then land in front of that 0).
    if (FSelBegin < FSelEnd) {
        vcl::Delete(FInBuffer, FSelBegin + 1, FSelEnd - FSelBegin);
        FCaretPos = FSelEnd = FSelBegin;
    }
    InsertText(Utf8Encode(ch));
}

void TNumIO2::StepValue(bool Up, int Steps) {
    double v = GetValue();
    if (ButtonPivots.empty()) {
        v = std::clamp(v + (Up ? Steps : -Steps) * FButIncrem, FRangeLow, FRangeHigh);
    } else {
        for (int i = 0; i < Steps; ++i) v = PivotStep(ButtonPivots, v, Up, FFixPointDecPlaces);
    }
    // Written as the buttons write it, but not committed: Escape brings the text back.
    FInBuffer = NumIO2WriteText(v, FInputFormat, FFixPointDecPlaces, FSignificantDigits, FDecPlaceSep);
    FCaretPos = std::min(FCaretPos, Length(FInBuffer));
    FSelBegin = FSelEnd = FCaretPos;
}

void TNumIO2::DeleteSelection() {
    if (FSelBegin >= FSelEnd) return;
    vcl::Delete(FInBuffer, FSelBegin + 1, FSelEnd - FSelBegin);
    if (FInBuffer.empty())
        FInBuffer = NumIO2WriteText(0.0, FInputFormat, FFixPointDecPlaces, FSignificantDigits, FDecPlaceSep);
    FCaretPos = FSelEnd = FSelBegin;
}

void TNumIO2::InsertText(const std::string& S) {
    FCaretPos = std::clamp(FCaretPos, 0, Length(FInBuffer));
    vcl::Insert(S, FInBuffer, FCaretPos + 1);
    FCaretPos += Length(S);
}

void TNumIO2::ApplyCaretRule() {
    const int length = Length(FInBuffer);
    FCaretPos = std::clamp(FCaretPos, 0, length);
    if (FInputFormat == itFixPoint && FCaretPos > length - FFixPointDecPlaces - 1) {
        // Within the decimals the digit after the caret is selected, so that the next one
        // typed replaces it.
        FSelBegin = FCaretPos;
        FSelEnd = std::min(FCaretPos + 1, length);
    } else {
        FSelEnd = std::min(FSelEnd, length);
        FSelBegin = FSelEnd;
    }
}

// =========================================================================================
// mouse

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        const TNumIO2Geometry geo = Geometry();
        const int rowBottom = SatSub(GetHeight(), geo.G);
        if (!FReadOnly) FCaretVisib = true;
        if (Y > 0 && Y < rowBottom) FCaretPos = FSelBegin = FSelEnd = XCoordsToCharPos(X);
        if (FGaugeVisible && Y > rowBottom && X >= FGaugeLeftMargin && X <= SatAdd(FGaugeLeftMargin, FGaugeWidth))
            GaugeTo(X, Shift, false);
        const int butLeft = SatAdd(geo.LS + geo.TBW, FButSpace);
        if (FButVisible && X > butLeft && X < SatAdd(butLeft, FButWidth) && Y > 0 && Y < FButHeight) ButtonClick(Y);
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y) {
    // TextBoxWidth may be any int; the sums saturate as those of a click do.
    FMouseAreaCode = X > SatAdd(FLeftSpace, FTextBoxWidth) ? 2 : X > FLeftSpace ? 1 : 0;
    if (Shift.Contains(ssLeft)) {
        const int rowBottom = SatSub(GetHeight(), Geometry().G);
        if (Y > 0 && Y < rowBottom) {
            const int p = XCoordsToCharPos(X);
            if (p > FSelBegin) FSelEnd = p;
            else FSelBegin = p;
            Invalidate();
        } else if (FGaugeVisible && Y > rowBottom && X >= SatSub(FGaugeLeftMargin, 1) &&
                   X <= SatAdd(SatAdd(FGaugeLeftMargin, FGaugeWidth), 1)) {
            GaugeTo(X, Shift, true);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FValueChanged) {
        FValueChanged = false;
        Changed();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TNumIO2::GaugeTo(int X, TShiftState Shift, bool Drag) {
    const double v = GaugeValueAt(X, FGaugeLeftMargin, FGaugeWidth, FRangeLow, FRangeHigh, ButtonPivots);
    SetValue(v);
    FValueChanged = true;
    if (Drag && FOnGaugeChange) FOnGaugeChange(this, Shift, v);
}

void TNumIO2::ButtonClick(int Y) {
    const bool up = Y <= FButHeight / 2;
    double v = GetValue();
    if (ButtonPivots.empty()) {
        v = std::clamp(up ? v + FButIncrem : v - FButIncrem, FRangeLow, FRangeHigh);
    } else {
        v = PivotStep(ButtonPivots, v, up, FFixPointDecPlaces);
    }
    SetValue(v);
    Changed();
}

void TNumIO2::Click() {
    if (CanFocus()) SetFocus();
    TCustomControl::Click();
}

// =========================================================================================
// focus and dialog keys

void TNumIO2::WMSetFocus(TMessage& Message) {
    FCommitted = FInBuffer;
    TCustomControl::WMSetFocus(Message);
    if (!FReadOnly) UpdateTimer();
}

void TNumIO2::WMKillFocus(TMessage& Message) {
    FCommitted = FInBuffer;
    TCustomControl::WMKillFocus(Message);
    Invalidate();   // the focus cue goes
}

// The arrow keys move the caret; Tab, Enter and Escape stay the dialog's.
void TNumIO2::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

}  // namespace zyn
