// The colour selector's model: construction, the colour table and its palettes, selection
// by colour, and the colour dialog on the colour bar.
#include "colsel/Zyn_Colsel.h"

#include <memory>

#include "platform/Dialogs.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

TColSel::TColSel(TComponent* AOwner) : TCustomComboBox(AOwner) {
    SetSorted(false);
    SetStyle(csOwnerDrawFixed);
    // Every entry starts with its predefined colour under that colour's name; the list
    // stays empty until Loaded, NumColors or a palette fills it.
    for (int i = 1; i <= MaxSelColors; ++i) {
        Entry(i).Color = PredefinedColors[i];
        Entry(i).Name = ColorToString(Entry(i).Color);
    }
}

TColSel::~TColSel() = default;

void TColSel::Loaded() {
    TCustomComboBox::Loaded();
    RebuildItems();
}

// =========================================================================================
// properties

void TColSel::SetColorBarWidth(int Value) {
    if (Value < 0 || Value == FColorBarWidth) return;
    FColorBarWidth = Value;
    Refresh();
}

void TColSel::SetNumColors(int Value) {
    if (Value < 1 || Value > MaxSelColors) return;
    FNumColors = Value;
    FSelIx = 1;
    RebuildItems();
}

TColor TColSel::GetSelColor() const { return Entry(FSelIx).Color; }

void TColSel::SetSelColor(TColor Value) {
    const int k = FindColorEntry(FEntries, FNumColors, Value);
    if (k > 0) {
        FSelIx = k;
        StoreName(k, ColorToString(Entry(k).Color));
        SetItemIndex(k - 1);
    } else {
        Entry(FSelIx).Color = Value;
        StoreName(FSelIx, ColorToString(ColorToRGB(Value)));
    }
    Refresh();
}

void TColSel::SetSelIx(int Value) {
    if (!ValidIndex(Value) || Value == FSelIx) return;
    FSelIx = Value;
    // While a form file is read the list is empty; Loaded builds it with this choice.
    if (Value <= GetItems()->Count()) TCustomComboBox::SetItemIndex(Value - 1);
    Refresh();
}

void TColSel::SetItemIndex(int Value) {
    TCustomComboBox::SetItemIndex(Value);
    if (GetItemIndex() >= 0) FSelIx = GetItemIndex() + 1;
}

void TColSel::SetEnabled(bool Value) {
    TCustomComboBox::SetEnabled(Value);
    Refresh();
}

// =========================================================================================
// the table

TColor TColSel::GetArrayColor(int Index) const { return ValidIndex(Index) ? Entry(Index).Color : TColor(0); }

void TColSel::SetArrayColor(int Index, TColor Value) {
    if (!ValidIndex(Index)) return;
    Entry(Index).Color = Value;
    StoreName(Index, ColorToString(Value));
    Refresh();
}

std::string TColSel::GetArrayColorName(int Index) const {
    return ValidIndex(Index) ? Entry(Index).Name : std::string();
}

void TColSel::SetArrayColorName(int Index, const std::string& Value) {
    if (!ValidIndex(Index)) return;
    StoreName(Index, Value);
    Refresh();
}

bool TColSel::GetArrayAllowEdit(int Index) const { return ValidIndex(Index) && Entry(Index).AllowEdit; }

void TColSel::SetArrayAllowEdit(int Index, bool Value) {
    if (!ValidIndex(Index)) return;
    Entry(Index).AllowEdit = Value;
    Refresh();
}

void TColSel::SetAllColorEditFlags() {
    for (TColSelEntry& e : FEntries) e.AllowEdit = true;
    Refresh();
}

void TColSel::ResetAllColorEditFlags() {
    for (TColSelEntry& e : FEntries) e.AllowEdit = false;
    Refresh();
}

std::string TColSel::GetSelColorID() const { return GetItemIndex() < 0 ? std::string() : Entry(FSelIx).Name; }

void TColSel::StoreName(int Index, std::string Proposed) {
    if (FOnColorNameChange) FOnColorNameChange(this, Proposed);
    Entry(Index).Name = Proposed;
    TStrings* items = GetItems();
    if (Index <= items->Count() && items->Get(Index - 1) != Proposed) items->Put(Index - 1, Proposed);
}

void TColSel::RebuildItems() {
    TStrings* items = GetItems();
    items->BeginUpdate();
    try {
        items->Clear();
        for (int i = 1; i <= FNumColors; ++i) items->Add(Entry(i).Name);
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
    SetItemIndex(FSelIx - 1);
}

void TColSel::LoadPalette(TColSelPalette Palette) {
    FSelIx = 1;
    FNumColors = Palette.Count;
    for (int i = 1; i <= Palette.Count; ++i) {
        Entry(i).Color = PredefinedColors[Palette.First + i - 1];
        StoreName(i, ColorToString(Entry(i).Color));
    }
    RebuildItems();
}

void TColSel::LoadBasicVGAPalette() { LoadPalette(BasicVGAPalette); }
void TColSel::LoadExtendedPalette() { LoadPalette(ExtendedPalette); }
void TColSel::LoadStandardPalette() { LoadPalette(StandardPalette); }
void TColSel::LoadWindowsSystemPalette() { LoadPalette(WindowsSystemPalette); }

// =========================================================================================
// input

void TColSel::MouseMove(TShiftState Shift, int X, int Y) {
    FOverColorBar = X < FColorBarWidth;
    TCustomComboBox::MouseMove(Shift, X, Y);
}

void TColSel::CMMouseLeave(TMessage& Message) {
    FOverColorBar = false;
    TCustomComboBox::CMMouseLeave(Message);
}

void TColSel::KeyDown(WORD& Key, TShiftState Shift) {
    FSpaceChose = false;
    if (Key == VK_SPACE && GetDroppedDown() && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) {
        TCustomControl::KeyDown(Key, Shift);   // OnKeyDown sees the Space first
        if (Key == 0) return;
        TDropDownList* list = GetListControl();
        const int chosen = list != nullptr ? list->GetItemIndex() : -1;
        SetDroppedDown(false);
        if (chosen >= 0 && chosen != GetItemIndex()) {
            SetItemIndex(chosen);
            Click();
            Select();
        }
        FSpaceChose = true;
        Key = 0;
        return;
    }
    TCustomComboBox::KeyDown(Key, Shift);
}

void TColSel::KeyPress(char32_t& Key) {
    if (FSpaceChose && Key == U' ') {
        FSpaceChose = false;
        Key = 0;
        return;
    }
    FSpaceChose = false;
    TCustomComboBox::KeyPress(Key);
}

void TColSel::WatchDroppedList() {
    TDropDownList* list = GetListControl();
    if (list == nullptr || list == FWatchedList) return;
    FWatchedList = list;
    list->SetOnMouseLeave([this](TObject* Sender) {
        auto* l = dynamic_cast<TDropDownList*>(Sender);
        if (l != nullptr && l == GetListControl() && l->GetItemIndex() != GetItemIndex())
            l->SetItemIndex(GetItemIndex());
    });
}

void TColSel::Click() {
    if (GetItemIndex() >= 0) FSelIx = GetItemIndex() + 1;
    TCustomComboBox::Click();
}

void TColSel::DropDown() {
    if (FOverColorBar && ValidIndex(FSelIx) && Entry(FSelIx).AllowEdit) EditSelectedColor();
    TCustomComboBox::DropDown();
}

void TColSel::EditSelectedColor() {
    auto dialog = std::make_unique<TColorDialog>(this);
    dialog->SetColor(Entry(FSelIx).Color);
    if (dialog->Execute()) {
        const TColor c = dialog->GetColor();
        Entry(FSelIx).Color = c;
        StoreName(FSelIx, ColorToString(ColorToRGB(c)));
    }
    dialog.reset();
    Refresh();
}

void TColSel::ChangeScale(int M, int D) {
    TCustomComboBox::ChangeScale(M, D);
    SetColorBarWidth(MulDiv(FColorBarWidth, M, D));
}

}  // namespace zyn
