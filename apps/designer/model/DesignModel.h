// The design model: one form being designed, its selection, moving and sizing with grid
// and guides, the clipboard of controls, z-order and undo. It has no window of its own: the
// designer's surface paints the form and feeds pointer and key input here, so the model is
// driven the same way by the program and by tests. Coordinates are the form's client
// coordinates.
//
// Every design change is one undo step. A step is the form's text before the change: the
// form file is the one complete description of a design, so undo reads it back. Components
// are therefore known across steps by name; pointers held by a caller are good until the
// next change, undo or load.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Forms.h"

namespace designer {

// A line the moved or sized control lines up with: vertical (X fixed) or horizontal.
struct TGuide {
    bool Vertical = true;
    int Position = 0;
    int From = 0, To = 0;   // extent along the line, covering both controls
    bool operator==(const TGuide&) const = default;
};

// The eight sizing handles, clockwise from the top-left corner.
enum class THandle { None = -1, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

class TDesignModel {
public:
    TDesignModel();
    ~TDesignModel();

    // ---- the form
    vcl::TCustomForm* Form() const { return form_.get(); }
    // A new empty form ("Form1"); clears undo and the modified flag.
    void New();
    // Reads a whole form text; EReadError (and the design as it was) when it does not read.
    void LoadText(const std::string& Text);
    std::string SaveText() const;
    void Open(const std::string& FileName);
    void Save(const std::string& FileName);
    const std::string& FileName() const { return fileName_; }
    // Whether the design differs from what was last opened or saved.
    bool Modified() const;

    // ---- components
    // A new component of a registered class, owned by the form. A control goes into
    // Parent (the form when null, or the nearest container) at Bounds (its own size kept
    // when Bounds is empty); it becomes the selection. Returns it.
    vcl::TComponent* Drop(const std::string& ClassName, vcl::TWinControl* Parent, const vcl::TRect& Bounds);
    vcl::TComponent* Find(const std::string& Name) const;   // the form itself too
    // The deepest control of the form under P (the form itself when none).
    vcl::TControl* ControlAt(vcl::TPoint P) const;
    // The nearest container at or above Control that takes children.
    static vcl::TWinControl* ContainerOf(vcl::TControl* Control);
    // Control's bounds in form client coordinates.
    vcl::TRect FormRect(const vcl::TControl* Control) const;

    // ---- selection (the form itself may be selected alone)
    const std::vector<vcl::TComponent*>& Selection() const { return selection_; }
    bool IsSelected(const vcl::TComponent* C) const;
    void Select(vcl::TComponent* C);   // only C (nullptr: nothing)
    // A click: without Shift selects only what is under P; with Shift toggles it.
    void Click(vcl::TPoint P, bool Shift);
    // A rubber band from A to B: the controls of the container under A that the band
    // touches (added to the selection with Shift).
    void SelectRect(vcl::TPoint A, vcl::TPoint B, bool Shift);

    // ---- moving and sizing
    int GridSize() const { return grid_; }
    void SetGridSize(int Value) { grid_ = Value < 1 ? 1 : Value; }
    bool GetSnapToGrid() const { return snapToGrid_; }
    void SetSnapToGrid(bool Value) { snapToGrid_ = Value; }
    // How near (pixels) an edge must come to a sibling's edge to line up with it.
    static constexpr int GuideDistance = 4;
    static constexpr int HandleSize = 5;
    // The handle of a selected control under P (only when one control is selected).
    THandle HandleAt(vcl::TPoint P) const;
    std::vector<vcl::TRect> HandleRects(const vcl::TControl* Control) const;
    // A drag from P: on a handle it sizes, on a selected control it moves the selection.
    // Returns false when nothing there can be dragged.
    bool BeginDrag(vcl::TPoint P);
    void DragTo(vcl::TPoint P);
    void EndDrag();   // one undo step when anything moved
    bool Dragging() const { return drag_.active; }
    // The guides the current drag lines up with (empty after EndDrag).
    const std::vector<TGuide>& Guides() const { return guides_; }
    // An arrow key: moves the selection a grid step (Ctrl: one pixel); with Shift sizes it.
    void Nudge(int Dx, int Dy, bool Shift, bool Ctrl);

    // ---- editing
    std::string CopyText() const;   // the selected controls as form-file text
    void Copy();
    void Cut();
    // Pastes form-file text into the selected container (or the parent of the selected
    // control, or the form). Clashing names get the next free number; the pasted controls
    // become the selection. EReadError when the text is not form-file objects.
    void Paste(const std::string& Text);
    void Paste();   // the clipboard's text
    void Delete();
    void BringToFront();
    void SendToBack();
    // The windowed children of Container in their tab order.
    static std::vector<vcl::TWinControl*> TabOrderOf(const vcl::TWinControl* Container);
    // The container whose tab order the editor shows: the selected container, else the
    // parent of the selected control, else the form.
    vcl::TWinControl* TabOrderContainer() const;
    // Gives Container's windowed children the tab order of Names, one undo step. Names must
    // name exactly those children (EComponentError otherwise, nothing changed).
    void SetTabOrder(vcl::TWinControl* Container, const std::vector<std::string>& Names);
    // Sets a property of a component by path ("Font.Size") in form-file text, as one undo
    // step. A value the property refuses raises its own error and leaves the form as it was.
    void SetProperty(vcl::TComponent* C, const std::string& Path, const std::string& Text);
    // Names a handler for an event ("" removes it); EPropertyError for a name that is no
    // identifier.
    void SetEventHandler(vcl::TComponent* C, const std::string& Path, const std::string& Handler);
    // Runs Change as one undo step (nothing recorded when the form text did not change).
    void Change(const std::function<void()>& Change);

    // ---- undo
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Undo();
    void Redo();

    // Called after every change, undo and load (the program repaints and refreshes the
    // inspector).
    std::function<void()> OnChange;

private:
    struct Step {
        std::string text;
        std::vector<std::string> selection;
    };
    struct Drag {
        bool active = false;
        THandle handle = THandle::None;
        vcl::TPoint start;
        std::vector<vcl::TRect> startBounds;   // parent coordinates, one per selected control
        bool moved = false;
        std::string before;
    };

    void Install(std::unique_ptr<vcl::TCustomForm> Form);
    std::unique_ptr<vcl::TCustomForm> ReadForm(const std::string& Text) const;
    void Restore(const Step& S);
    Step Snapshot() const;
    void Record(Step Before);
    void Changed();
    std::vector<vcl::TControl*> SelectedControls() const;
    std::string UniqueName(const std::string& ClassName) const;
    void MoveSelection(int Dx, int Dy, bool Snap);
    void SizeControl(vcl::TControl* C, const vcl::TRect& Start, int Dx, int Dy, bool Snap);
    int Snap(int V) const;
    // Lines moving edges (of R, parent coordinates of C) up with C's siblings: returns the
    // shift that does, fills guides_.
    vcl::TPoint Align(const vcl::TControl* C, const vcl::TRect& R, bool Left, bool Right, bool Top, bool Bottom);

    std::unique_ptr<vcl::TCustomForm> form_;
    std::vector<vcl::TComponent*> selection_;
    std::vector<Step> undo_, redo_;
    std::vector<TGuide> guides_;
    Drag drag_;
    std::string fileName_;
    std::string savedText_;
    int grid_ = 8;
    bool snapToGrid_ = true;
};

// Marks C and everything it owns as being designed (csDesigning).
void MarkDesigning(vcl::TComponent* C);

}  // namespace designer
