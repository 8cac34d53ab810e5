// TCustomMaskEdit: the mask's value and edit text, its keys, clipboard and validation.
#include "platform/controls/text/MaskEdit.h"

#include <algorithm>

#include "platform/controls/text/Edit.h"
#include "platform/controls/text/EditMask.h"
#include "platform/core/Clipboard.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

// ---- mask, value and edit text -----------------------------------------------------------

void TCustomMaskEdit::SetEditMask(const std::string& Value) {
    if (FEditMask == Value) return;
    const std::string value = GetText();   // read under the old mask
    FEditMask = Value;
    FMask = TEditMaskFormat(Value);
    TCustomEdit::SetTextBuf(IsMasked() ? CodePointsToUtf8(FMask.FormatValue(Utf8ToCodePoints(value))) : value);
    Invalidate();
}

std::string TCustomMaskEdit::GetTextBuf() const {
    if (!IsMasked()) return TCustomEdit::GetTextBuf();
    return CodePointsToUtf8(FMask.ValueOf(Chars()));
}

void TCustomMaskEdit::SetTextBuf(const std::string& Value) {
    if (!IsMasked()) {
        TCustomEdit::SetTextBuf(Value);
        return;
    }
    TCustomEdit::SetTextBuf(CodePointsToUtf8(FMask.FormatValue(Utf8ToCodePoints(Value))));
}

std::string TCustomMaskEdit::GetEditText() const { return CodePointsToUtf8(Chars()); }

void TCustomMaskEdit::SetEditText(const std::string& Value) {
    if (!IsMasked()) {
        SetText(Value);
        return;
    }
    TCustomEdit::SetTextBuf(CodePointsToUtf8(FMask.Conform(Utf8ToCodePoints(Value))));
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked()) return;
    const int missing = FMask.FirstMissing(Chars());
    if (missing < 0) return;
    SetSelStart(missing);
    throw EMaskEditError("Invalid input value. Use escape key to abandon changes");
}

std::u32string TCustomMaskEdit::ApplyCharCase(std::u32string_view S) const {
    if (!IsMasked() || int(S.size()) != FMask.Length()) return TCustomEdit::ApplyCharCase(S);
    std::u32string out(S);
    for (int p = 0; p < FMask.Length(); ++p) {
        if (FMask.IsLiteral(p) || FMask.IsBlankAt(out, p)) continue;
        // The fold may give a character the position refuses (none of the mask's classes
        // changes with case, so it does not); keep the character then.
        const char32_t folded = TCustomEdit::ApplyCharCase(std::u32string_view(&out[std::size_t(p)], 1))[0];
        if (FMask.Accept(p, folded) == folded) out[std::size_t(p)] = folded;
    }
    return out;
}

// ---- editing -----------------------------------------------------------------------------

TMaskEditState TCustomMaskEdit::CurrentState() const {
    TMaskEditState s;
    s.Edit = Chars();
    s.SelStart = GetSelStart();
    s.SelLength = GetSelLength();
    return s;
}

void TCustomMaskEdit::ApplyState(const TMaskEditState& State) {
    const std::u32string& now = Chars();
    if (State.Edit != now) {
        // Only the changed span is replaced: one undo step and one change notification.
        const std::size_t n = std::min(now.size(), State.Edit.size());
        std::size_t first = 0;
        while (first < n && now[first] == State.Edit[first]) ++first;
        std::size_t tailOld = now.size(), tailNew = State.Edit.size();
        while (tailOld > first && tailNew > first && now[tailOld - 1] == State.Edit[tailNew - 1]) {
            --tailOld;
            --tailNew;
        }
        ReplaceChars(int(first), int(tailOld - first),
                     std::u32string_view(State.Edit).substr(first, tailNew - first), true);
    }
    SetSelStart(State.SelStart);
    if (State.SelLength > 0) SetSelLength(State.SelLength);
}

void TCustomMaskEdit::MaskedPaste() {
    if (GetReadOnly()) return;
    std::u32string text = Utf8ToCodePoints(Clipboard()->GetAsText());
    // A one-line field takes the clipboard text up to its first line break.
    if (auto cut = text.find_first_of(U"\r\n"); cut != std::u32string::npos) text.resize(cut);
    if (text.empty()) return;
    text = TCustomEdit::ApplyCharCase(text);
    TMaskEditState s = CurrentState();
    if (!FMask.Paste(s, text)) {
        MessageBeep(0);
        return;
    }
    ApplyState(s);
}

void TCustomMaskEdit::MaskedCut() {
    if (GetReadOnly() || GetPasswordChar() != 0 || GetSelLength() == 0) return;
    CopyToClipboard();
    MaskedClear();
}

void TCustomMaskEdit::MaskedClear() {
    if (GetReadOnly() || GetSelLength() == 0) return;
    TMaskEditState s = CurrentState();
    FMask.Delete(s);
    ApplyState(s);
}

void TCustomMaskEdit::WndProc(TMessage& Message) {
    if (IsMasked()) {
        switch (Message.Msg) {
        case WM_PASTE: MaskedPaste(); return;
        case WM_CUT: MaskedCut(); return;
        case WM_CLEAR: MaskedClear(); return;
        default: break;
        }
    }
    TCustomEdit::WndProc(Message);
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == 0 || !IsMasked()) return;
    const bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl), alt = Shift.Contains(ssAlt);
    const int len = FMask.Length();
    auto moveTo = [&](int Pos) {
        SetSelStart(Pos);
        Key = 0;
    };
    switch (Key) {
    case VK_LEFT:
        if (shift || ctrl) return;
        if (GetSelLength() > 0) moveTo(GetSelStart());
        else if (int p = FMask.PrevEditable(GetSelStart()); p >= 0) moveTo(p);
        else Key = 0;
        return;
    case VK_RIGHT:
        if (shift || ctrl) return;
        if (GetSelLength() > 0) moveTo(FMask.NextEditable(GetSelStart() + GetSelLength()));
        else moveTo(std::min(len, FMask.NextEditable(GetSelStart() + 1)));
        return;
    case VK_HOME:
        if (!shift) moveTo(std::min(len, FMask.NextEditable(0)));
        return;
    case VK_DELETE:
        Key = 0;
        if (shift) {
            MaskedCut();
        } else if (!GetReadOnly()) {
            TMaskEditState s = CurrentState();
            FMask.Delete(s);
            ApplyState(s);
        }
        return;
    case VK_INSERT:
        if (shift && !ctrl) {
            Key = 0;
            MaskedPaste();
        }
        return;
    default:
        if (ctrl && !shift && !alt && (Key == 'V' || Key == 'X')) {
            if (Key == 'V') MaskedPaste();
            else MaskedCut();
            Key = 0;
        }
        return;
    }
}

void TCustomMaskEdit::KeyPress(char32_t& Key) {
    TCustomEdit::KeyPress(Key);
    if (Key == 0 || !IsMasked() || GetReadOnly()) return;
    switch (Key) {
    case 8:     // Backspace
    case 127: { // Ctrl+Backspace
        TMaskEditState s = CurrentState();
        FMask.Backspace(s);
        ApplyState(s);
        Key = 0;
        return;
    }
    case 27:
        // Escape abandons the changes made since the field got the focus.
        if (!FEnterText.empty() && Chars() != FEnterText) {
            TMaskEditState s;
            s.Edit = FEnterText;
            s.SelStart = 0;
            s.SelLength = int(FEnterText.size());
            ApplyState(s);
            Key = 0;
        }
        return;
    default:
        if (Key < 32) return;   // Enter, Tab and other control characters type nothing
        TMaskEditState s = CurrentState();
        if (FMask.TypeChar(s, TCustomEdit::ApplyCharCase(std::u32string(1, Key))[0])) ApplyState(s);
        else MessageBeep(0);
        Key = 0;
        return;
    }
}

// ---- focus -------------------------------------------------------------------------------

void TCustomMaskEdit::DoEnter() {
    if (!FRefocusing) FEnterText = Chars();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::DoExit() {
    // A field left after a change must be complete; an untouched one may stay as it was.
    if (IsMasked() && !GetComponentState().Contains(csDesigning) && Chars() != FEnterText &&
        FMask.FirstMissing(Chars()) >= 0) {
        if (CanFocus()) {
            FRefocusing = true;
            try {
                SetFocus();
            } catch (...) {
                FRefocusing = false;
                throw;
            }
            FRefocusing = false;
        }
        ValidateEdit();
    }
    TCustomEdit::DoExit();
}

// =========================================================================================
// Sized to its font like the plain edit field.
TMaskEdit::TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) { InitAutoSize(true); }

}  // namespace vcl
