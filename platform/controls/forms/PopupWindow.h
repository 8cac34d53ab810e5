// The window that shows a popup menu to a person (window backends).
#pragma once

#include "platform/controls/base/Control.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// A borderless form listing the sub-items of one menu item. It closes when an item is
// chosen (Enter or a click), on Escape, or when the user presses the mouse elsewhere.
class TMenuWindow : public TForm {
public:
    // PPI: the density the window is drawn at (its font, rows, marks and arrows); 0 takes
    // the parent window's, or the screen's for a first window.
    TMenuWindow(TMenuItem* Items, TMenuWindow* ParentWindow, int PPI = 0);
    std::string ClassName() const override { return "TMenuWindow"; }

    // Runs a nested loop until the window closes; returns the chosen item or nullptr.
    TMenuItem* Run(int X, int Y);
    int GetHotIndex() const { return hot_; }
    // Item rectangle (client coordinates) of visible item Index.
    TRect ItemRect(int Index) const;
    int ItemAt(TPoint P) const;
    void WndProc(TMessage& Message) override;
    int GetItemCount() const { return int(visible_.size()); }
    // Visible item Index, nullptr outside.
    TMenuItem* GetItem(int Index) const;
    // Chooses item Index as Enter would, from outside the window's own input (an
    // assistive tool): a sub-menu opens from the window's loop, after the caller has
    // returned. False for a line, a disabled item or an index outside.
    bool ChooseLater(int Index);

protected:
    void Paint() override;
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void Layout();
    void Choose(int Index);
    void Finish(TMenuItem* Result);
    void MoveHot(int Direction);
    void SetHot(int Index);

    TMenuItem* items_;
    TMenuWindow* parentWindow_;
    std::vector<TMenuItem*> visible_;
    int hot_ = -1;
    // Row height and icon column: 22 and 28 pixels at 96 dpi (scaled to the window's
    // density), more when an item's bitmap needs it (the larger artwork of a
    // denser screen).
    int itemHeight_ = 22;
    int iconColumn_ = 28;
    bool done_ = false;
    TMenuItem* result_ = nullptr;
    int chooseLater_ = -1;
};

// Shows Menu at the screen point and returns the chosen item (nullptr when cancelled).
TMenuItem* RunPopupWindow(TPopupMenu* Menu, int X, int Y);

}  // namespace vcl
