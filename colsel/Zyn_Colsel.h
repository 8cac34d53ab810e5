// TColSel: a drop-down list of colours. Each item shows a colour bar and the colour's name.
// The selector holds up to 47 colours taken from the base library's palettes; entries may be
// marked editable, and dropping the list down from the colour bar of such an entry first
// lets the user redefine its colour in the colour dialog.
//
// The palettes, the colour search and the edit mark's contrast rule live in
// ColSelPalette.cpp (no canvas), the drawing of an item in ColSelPaint.cpp.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace zyn {

using vcl::TColor;

// Called whenever an entry's name is about to be stored, with the proposed name; the
// handler may change it.
using TOnColorNameChangeEvent = std::function<void(vcl::TObject* Sender, std::string& ColorName)>;

// ---- colour table -----------------------------------------------------------------------

inline constexpr int MaxSelColors = TPredefinedColors::Count;   // 47

/// One entry of the colour table: its colour, the name the list shows and whether the user
/// may redefine it.
struct TColSelEntry {
    /// The entry's colour.
    TColor Color = vcl::clBlack;
    /// The name the list shows for the entry.
    std::string Name;
    /// Whether a click on the entry's colour bar opens the colour dialog.
    bool AllowEdit = false;
};
using TColSelTable = std::array<TColSelEntry, MaxSelColors>;   // entry n at index n - 1

/// The slice of PredefinedColors a palette takes: entries First .. First + Count - 1.
struct TColSelPalette {
    /// The first entry of PredefinedColors in the palette (1-based).
    int First;
    /// How many entries the palette has.
    int Count;
};
inline constexpr TColSelPalette BasicVGAPalette{1, 16};
inline constexpr TColSelPalette ExtendedPalette{1, 20};
inline constexpr TColSelPalette StandardPalette{1, 47};
inline constexpr TColSelPalette WindowsSystemPalette{21, 27};

// The first of entries 1..NumColors whose colour shows as Color (both resolved with
// ColorToRGB, so a system colour finds the fixed colour it currently is); 0 when none does.
int FindColorEntry(const TColSelTable& Table, int NumColors, TColor Color);

// The pen of the edit mark on a colour bar: black on light colours, white on dark ones.
// With r, g, b the bytes of ColorToRGB(Color), black when sqrt(r^2 + b^2 + 2 g^2) / 2 > 180.
TColor EditMarkPenColor(TColor Color);

// ---- the control ------------------------------------------------------------------------
/// TColSel: a drop-down list of colours. Each item shows a colour bar and the colour's name.
/// The selector holds up to 47 colours taken from the base library's palettes; entries may be
/// marked editable, and dropping the list down from the colour bar of such an entry first
/// lets the user redefine its colour in the colour dialog.
class TColSel : public vcl::TCustomComboBox {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TColSel(vcl::TComponent* AOwner);
    ~TColSel() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TColSel"; }

    // ---- properties
    /// Width of the colour bar in front of each name (0: no bar).
    int GetColorBarWidth() const { return FColorBarWidth; }
    /// Sets the colour bar width in pixels (default 30); negative or unchanged values are ignored.
    /// Refreshes.
    void SetColorBarWidth(int Value);         // negative values are ignored
    /// How many entries the list shows, always the first ones (1..47).
    int GetNumColors() const { return FNumColors; }
    /// Outside 1..47 ignored; otherwise stores (also the current value), selects entry 1 and
    /// rebuilds the list.
    void SetNumColors(int Value);
    /// The colour of the selected entry. Setting a colour that an entry shows selects that
    /// entry (and renames it after its stored colour); a colour no entry shows replaces the
    /// selected entry's colour and name. Refreshes in both cases.
    TColor GetSelColor() const;
    /// Selects the entry showing Value, or recolours the selected entry; see GetSelColor.
    void SetSelColor(TColor Value);
    /// The selected entry (1-based). Setting it chooses that entry's item; a number outside
    /// 1..NumColors is ignored. Stored in form files before SelColor, so that a colour of the
    /// selector's own (one no entry shows) comes back into the entry that held it.
    int GetSelIx() const { return FSelIx; }
    /// Selects entry Value and shows its item; a number outside 1..NumColors is ignored.
    void SetSelIx(int Value);
    /// The item shown in the field; choosing an item (-1: none) also makes its entry the
    /// selected one, so that SelColor, the colour dialog and the field agree.
    void SetItemIndex(int Value);
    /// Passes the value on and refreshes, also when it does not change.
    void SetEnabled(bool Value) override;

    // ---- public methods
    /// Entry Index (1..NumColors); outside that range the getters answer 0, false or "" and
    /// the setters do nothing.
    TColor GetArrayColor(int Index) const;
    /// Also renames the entry after the colour (through OnColorNameChange).
    void SetArrayColor(int Index, TColor Value);
    /// Name of entry Index as the list shows it; "" out of range.
    std::string GetArrayColorName(int Index) const;
    /// Stores the name through OnColorNameChange and refreshes the list.
    void SetArrayColorName(int Index, const std::string& Value);
    /// Whether entry Index may be redefined by the user (a click on its colour bar opens the
    /// colour dialog); false out of range.
    bool GetArrayAllowEdit(int Index) const;
    /// Allows or forbids redefining entry Index (editable entries show an edit mark on their bar);
    /// refreshes.
    void SetArrayAllowEdit(int Index, bool Value);
    /// Makes all 47 entries editable and refreshes.
    void SetAllColorEditFlags();
    /// Makes all 47 entries fixed (not editable) and refreshes.
    void ResetAllColorEditFlags();
    /// The name of the selected entry; "" while no item is selected.
    std::string GetSelColorID() const;
    /// Each selects entry 1, shows the palette's colours in entries 1.. (named after their
    /// colours through OnColorNameChange) and rebuilds the list.
    void LoadBasicVGAPalette();               // 16 colours
    /// Shows the 20 colours of the extended palette; see LoadBasicVGAPalette.
    void LoadExtendedPalette();               // 20
    /// Shows all 47 colours of the standard palette; see LoadBasicVGAPalette.
    void LoadStandardPalette();               // 47
    /// Shows the 27 system colours in entries 1..27; see LoadBasicVGAPalette.
    void LoadWindowsSystemPalette();          // 27: the system colours

    // ---- events
    /// Called with the proposed name whenever an entry's name is about to be stored (a colour
    /// set, a palette loaded, a colour chosen); the handler may change the name. Empty: none.
    const TOnColorNameChangeEvent& GetOnColorNameChange() const { return FOnColorNameChange; }
    /// Installs the handler that may rename entries as their names are stored; an empty function
    /// removes it.
    void SetOnColorNameChange(TOnColorNameChangeEvent Value) { FOnColorNameChange = std::move(Value); }

protected:
    /// ScaleBy at M/D: the colour bar width scales with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler that may change an entry's proposed name; empty: none.
    TOnColorNameChangeEvent FOnColorNameChange;

    /// Rebuilds the list once the form file has been read.
    void Loaded() override;
    /// Draws one item: the colour bar (with an edit mark on editable entries) and the name.
    void DrawItem(int Index, const vcl::TRect& Rect, vcl::TOwnerDrawState State) override;
    /// The chosen item becomes the selected entry, then OnClick.
    void Click() override;
    /// Opens the colour dialog first when the pointer was last over the colour bar and the
    /// selected entry is editable.
    void DropDown() override;
    /// Records whether the pointer is over the colour bar (X < ColorBarWidth).
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// The pointer has left: it is over the colour bar no more, so a key that opens the
    /// list (F4, Alt+Down) opens the list only.
    void CMMouseLeave(vcl::TMessage& Message) override;
    /// Space in the open list chooses the highlighted colour, as Enter does (the arrows,
    /// Enter and F4 are the combo box's own).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// The blank of a Space that chose a colour types nothing.
    void KeyPress(char32_t& Key) override;

private:
    bool ValidIndex(int Index) const { return Index >= 1 && Index <= FNumColors; }
    TColSelEntry& Entry(int Index) { return FEntries[std::size_t(Index - 1)]; }
    const TColSelEntry& Entry(int Index) const { return FEntries[std::size_t(Index - 1)]; }
    // Offers Proposed to OnColorNameChange and stores what comes back as the name of
    // entry Index, also as its item's text.
    void StoreName(int Index, std::string Proposed);
    // One item per shown entry, entry 1 first; the selected entry's item chosen.
    void RebuildItems();
    void LoadPalette(TColSelPalette Palette);
    void EditSelectedColor();
    // While the list is open, the item the pointer hovers is highlighted; when the pointer
    // leaves the list, the highlight goes back to the chosen item.
    void WatchDroppedList();

    // painting (ColSelPaint.cpp)
    void PaintColorBar(vcl::TCanvas* C, const vcl::TRect& R, const TColSelEntry& E, bool Enabled);
    void PaintEditMark(vcl::TCanvas* C, const vcl::TRect& R, const TColSelEntry& E);
    void PaintName(vcl::TCanvas* C, const vcl::TRect& R, const TColSelEntry& E, bool Enabled);

    int FColorBarWidth = 30;
    int FNumColors = 20;
    int FSelIx = 1;
    bool FOverColorBar = false;
    bool FSpaceChose = false;   // the Space key just chose from the open list
    vcl::TControl* FWatchedList = nullptr;   // the open list whose leaving is handled
    TColSelTable FEntries;
};

}  // namespace zyn
