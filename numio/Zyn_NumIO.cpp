// TNumIO: the edit field's construction, properties and change processing.
#include <algorithm>
#include <string>

#include "framework/Zyn_stringl.h"
#include "numio/Zyn_NumIO.h"
#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

namespace {

// 0-based character index of the first Ch in S after character From (0-based), or -1.
int FindChar(const std::u32string& S, char32_t Ch, int From = 0) {
    const auto at = S.find(Ch, std::size_t(std::max(From, 0)));
    return at == std::u32string::npos ? -1 : int(at);
}

}  // namespace

TNumIO::TNumIO(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetEditText("");
    // At run time the range stays 0..0 until the form file or the program gives one; while
    // designing the field takes every number.
    if (GetComponentState().Contains(csDesigning)) {
        FMinimum = -uc_MaxDouble;
        FMaximum = uc_MaxDouble;
    }
}

TNumIO::~TNumIO() = default;

void TNumIO::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TNumIO*>(Source)) {
        // The range is copied as it is: through the range setters, whose swap rule compares
        // each new end with the old other one, a range 5..10 would arrive as 0..10 in a
        // fresh field. The text is then checked once against the copied settings.
        FInFormat = other->FInFormat;
        FBeep = other->FBeep;
        FMinimum = other->FMinimum;
        FMaximum = other->FMaximum;
        FDecPSep = other->FDecPSep;
        if (!GetComponentState().Contains(csLoading)) Revalidate();
        return;
    }
    TCustomEdit::Assign(Source);
}

void TNumIO::AssignTo(TPersistent* Dest) {
    if (auto* other = dynamic_cast<TNumIO*>(Dest)) {
        other->Assign(this);
        return;
    }
    TCustomEdit::AssignTo(Dest);
}

void TNumIO::SetDecPlaceSep(TDecPSep Value) {
    if (Value == FDecPSep) return;
    FDecPSep = Value;
    Revalidate();
}

void TNumIO::SetFixPointDecPlaces(int Value) { FFixPDecPl = std::clamp(Value, 1, 8); }

void TNumIO::SetInputFormat(TInFormat Value) {
    if (Value == FInFormat) return;
    FInFormat = Value;
    Revalidate();
}

void TNumIO::SetRangeLow(double Value) {
    // While a form file is read the bounds arrive one by one; they are taken as written and
    // put in order by Loaded, so a stored range 5..10 does not become 0..10 on the way.
    if (GetComponentState().Contains(csLoading)) {
        FMinimum = Value;
        return;
    }
    if (Value >= FMaximum) {
        FMinimum = FMaximum;
        FMaximum = Value;
    } else {
        FMinimum = Value;
    }
    Revalidate();
}

void TNumIO::SetRangeHigh(double Value) {
    if (GetComponentState().Contains(csLoading)) {
        FMaximum = Value;
        return;
    }
    if (Value > FMinimum) {
        FMaximum = Value;
    } else {
        FMaximum = FMinimum;
        FMinimum = Value;
    }
    Revalidate();
}

void TNumIO::Loaded() {
    TCustomEdit::Loaded();
    if (FMinimum > FMaximum) std::swap(FMinimum, FMaximum);
    // The streamed text was not checked while loading; check it once now.
    FOldText.clear();
    FInternalChg = false;
    SetComponentStateItem(csLoading, false);
    Change();
    FCommittedText = GetText();
}

void TNumIO::Revalidate() {
    FOldText.clear();
    Change();
}

bool TNumIO::ConvertNumString(std::string_view S, double& Value) const {
    return ConvertNumText(S, FInFormat, SeparatorModeOf(FDecPSep), Value);
}

double TNumIO::GetValue() const {
    std::string text = GetText();
    const TSeparatorMode mode = SeparatorModeOf(FDecPSep);
    // Comma-only mode reads the comma itself; the other modes read the point.
    if (mode != smComma) {
        const auto comma = text.find(',');
        if (comma != std::string::npos) text[comma] = '.';
        if (!text.empty() && text.back() == '.') text.push_back('0');
    } else if (!text.empty() && text.back() == ',') {
        text.push_back('0');
    }
    double value = 0.0;
    return ConvertNumString(text, value) ? value : 0.0;
}

void TNumIO::SetValue(double Value) {
    SetEditText(FormatEditValue(FInFormat, FFixPDecPl, Value));
    // What the program wrote is what a refused edit, and Escape, bring back.
    FOldText = GetText();
    FCommittedText = FOldText;
}

void TNumIO::SetEditText(const std::string& S) {
    // The edit reports no change for an identical text; the flag is then left clear so that
    // the next real change is not ignored.
    if (S == GetText()) return;
    FInternalChg = true;
    SetText(S);
    FInternalChg = false;
}

bool TNumIO::ApplyFixPointRules(const std::string& Text, std::string& Replacement, int& Caret) const {
    bool replaced = false;
    const std::u32string text = Utf8ToCodePoints(Text);
    const std::u32string old = Utf8ToCodePoints(FOldText);
    // 1-based positions of the first and second point.
    int p1 = FindChar(text, U'.') + 1;
    const int p2 = NumberedPos(".", Text, p1 + 1, 1, true);
    const int oldPoint = FindChar(old, U'.') + 1;
    if (p1 == 0) {
        // The point was deleted: back to the last accepted text, caret before its point.
        Replacement = FOldText;
        replaced = true;
        int q = oldPoint;
        if (q > 1) --q;
        Caret = q;
        p1 = q;
    }
    if (p1 < p2 || p1 == 0) {
        // A second point, or no point anywhere: the last accepted text, caret after its point.
        Replacement = FOldText;
        replaced = true;
        Caret = oldPoint;
    }
    const int first = FindChar(text, U'.');
    if (first >= 0 && int(text.size()) - first - 1 > FFixPDecPl) {
        // Too many decimals: the ones beyond the last place are cut.
        Replacement = CodePointsToUtf8(text.substr(0, std::size_t(first + 1 + FFixPDecPl)));
        replaced = true;
    }
    return replaced;
}

void TNumIO::Change() {
    if (GetComponentState().Contains(csDesigning) || GetComponentState().Contains(csLoading)) return;
    if (FInternalChg) {
        FInternalChg = false;
        return;
    }
    const std::string current = GetText();
    int caret = GetSelStart();
    std::string replacement;
    bool replace = false;
    if (FInFormat == itFixPoint) replace = ApplyFixPointRules(current, replacement, caret);

    // The text as it stands is converted, whatever the fixed-point rules put aside: a
    // fixed-point value is then written with its decimals rounded (1.999 with two decimals
    // shows 2.00), and a text the rules replaced but that converts is written afresh.
    double value = 0.0;
    bool ok = ConvertNumString(current, value);
    if (ok) {
        if (FInFormat == itFixPoint) {
            replacement = FormatReal(1, FFixPDecPl, value);
            replace = true;
        }
        ok = (FMinimum <= value && value <= FMaximum) || value == 0.0;
    }
    if (!ok) {
        replacement = FOldText;
        replace = true;
        // One place left of the caret as the fixed-point rules left it.
        caret = std::max(caret - 1, 0);
    }
    if (replace) {
        SetEditText(replacement);
        SetSelStart(std::clamp(caret, 0, GetTextLength()));
    }
    if (ok) {
        FOldText = GetText();
        // Observers of OnChange see the text as it stays.
        TCustomEdit::Change();
    } else {
        Update();
        if (FBeep) MessageBeep(0);
    }
}

// =========================================================================================
// keyboard

void TNumIO::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == 0 || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return;
    switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            if (!GetReadOnly()) {
                const int steps = Key == VK_PRIOR || Key == VK_NEXT ? 10 : 1;
                StepValue(Key == VK_UP || Key == VK_PRIOR ? steps : -steps);
            }
            Key = 0;
            break;
        case VK_RETURN:
            FCommittedText = GetText();
            Key = 0;
            break;
        case VK_ESCAPE:
            if (!GetReadOnly() && GetText() != FCommittedText) {
                SetText(FCommittedText);
                SelectAll();
            }
            Key = 0;
            break;
        default: break;
    }
}

void TNumIO::StepValue(int Steps) {
    const double low = std::min(FMinimum, FMaximum), high = std::max(FMinimum, FMaximum);
    const double v = std::clamp(GetValue() + Steps, low, high);
    const std::string text = FormatEditValue(FInFormat, FFixPDecPl, v);
    if (text == GetText()) return;
    // Through the change processing, as typed text: accepted within the range, OnChange.
    SetText(text);
    SelectAll();
}

void TNumIO::DoEnter() {
    FCommittedText = GetText();
    TCustomEdit::DoEnter();
}

void TNumIO::DoExit() {
    FCommittedText = GetText();
    TCustomEdit::DoExit();
}

}  // namespace zyn
