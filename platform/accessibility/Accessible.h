// The accessibility model: what an assistive tool (a screen reader, a test robot) reads of
// a control and of the items a control draws itself (cells, days, swatches, slides).
//
// An accessible object answers its role, name, description, states and screen bounds, its
// parent and children, and where they apply the optional interfaces: a value (meters,
// numeric fields), a text (edits, labels), actions (press, toggle, ...), a selection of
// children and a table (rows, columns, headers, cells). Objects are shared: a bridge to the
// desktop's accessibility service may keep one after the thing it stands for is gone, and
// then finds it Defunct. Items (cells, days) are made only when asked for, so a list of a
// million rows costs nothing until a tool reads a cell.
//
// Changes are told to the listeners (the bridge, tests) as events. With no listener the
// sources skip the event at the cost of one test of a global, and no accessible object is
// made at all.
#pragma once

#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"

namespace vcl {

// What an object is, in the terms screen readers announce.
enum TAccRole : std::uint8_t {
    arUnknown, arFrame, arDialog, arPanel, arPushButton, arToggleButton, arRadioButton,
    arCheckBox, arSpinButton, arSlider, arDial, arProgressBar, arLabel, arText, arComboBox,
    arTable, arTableCell, arColumnHeader, arRowHeader, arCalendar, arList, arListItem, arTree,
    arTreeItem, arMenu, arMenuItem, arImage, arFiller, arSeparator
};
// The role in words ("push button", "table cell"), for messages and tests.
std::string_view AccRoleName(TAccRole Role);

enum TAccState : std::uint8_t {
    asEnabled, asFocusable, asFocused, asVisible, asShowing, asCheckable, asChecked, asPressed,
    asSelectable, asSelected, asExpandable, asExpanded, asReadOnly, asEditable,
    asMultiSelectable,
    asActive   // a window: the one the keyboard goes to
};
using TAccStates = TSet<TAccState>;

enum TAccAction : std::uint8_t { aaPress, aaToggle, aaActivate, aaExpand, aaCollapse };
using TAccActions = TSet<TAccAction>;
// The action's name as the desktop service spells it ("press", "toggle", ...).
std::string_view AccActionName(TAccAction Action);

class TAccessible;
using TAccessiblePtr = std::shared_ptr<TAccessible>;

// A value within a range; Step 0 means any value between the ends.
struct TAccValueRange {
    double Current = 0, Minimum = 0, Maximum = 0, Step = 0;
};

class TAccValue {
public:
    virtual ~TAccValue() = default;
    virtual TAccValueRange GetValueRange() const = 0;
    // Sets the current value as the user would; false when the object refuses (read-only,
    // out of range).
    virtual bool SetCurrentValue(double) { return false; }
};

class TAccText {
public:
    virtual ~TAccText() = default;
    virtual std::string GetAccText() const = 0;
    // Caret position in code points, -1 without a caret.
    virtual int GetCaretOffset() const { return -1; }
};

// The selected children of a list-like object, by child index.
class TAccSelection {
public:
    virtual ~TAccSelection() = default;
    virtual std::vector<int> GetSelectedChildren() const = 0;
    // Selects child Index as a click would; false when it cannot be selected.
    virtual bool SelectChild(int) { return false; }
};

// A table of cells. Rows and columns count the data only; the column headers are apart.
// Cell and header objects are made when asked for.
class TAccTable {
public:
    virtual ~TAccTable() = default;
    virtual int GetRowCount() const = 0;
    virtual int GetColumnCount() const = 0;
    // nullptr outside the table.
    virtual TAccessiblePtr GetCell(int Row, int Column) = 0;
    // nullptr when the table shows no header for the column.
    virtual TAccessiblePtr GetColumnHeader(int Column) = 0;
    virtual std::string GetColumnName(int Column) const = 0;
    virtual std::vector<int> GetSelectedRows() const = 0;
    virtual bool IsCellSelected(int Row, int Column) const = 0;
};

// A cell of a table: where it stands and what it spans. Rows and columns count as the
// table's do (data only, from 0).
class TAccTableCell {
public:
    virtual ~TAccTableCell() = default;
    virtual int GetCellRow() const = 0;
    virtual int GetCellColumn() const = 0;
    virtual int GetRowSpan() const { return 1; }
    virtual int GetColumnSpan() const { return 1; }
    // The object whose table holds the cell.
    virtual TAccessiblePtr GetOwningTable() const = 0;
};

// One object of the tree. The base answers "nothing" for every optional part.
class TAccessible : public std::enable_shared_from_this<TAccessible> {
public:
    virtual ~TAccessible() = default;

    virtual TAccRole GetRole() const = 0;
    virtual std::string GetName() const = 0;
    virtual std::string GetDescription() const { return {}; }
    virtual TAccStates GetStates() const = 0;
    // In screen coordinates; empty for an object that is not on the screen.
    virtual TRect GetScreenBounds() const = 0;
    // Whether the thing the object stands for is gone (the control destroyed, the row
    // deleted): everything else then answers empty.
    virtual bool IsDefunct() const { return false; }

    virtual TAccessiblePtr GetParent() const = 0;
    virtual int GetChildCount() const { return 0; }
    // nullptr outside 0 .. ChildCount - 1.
    virtual TAccessiblePtr GetChild(int) { return nullptr; }
    // The index of this object among its parent's children; -1 without a parent.
    virtual int GetIndexInParent() const;

    virtual TAccValue* GetValue() { return nullptr; }
    virtual TAccText* GetText() { return nullptr; }
    virtual TAccSelection* GetSelection() { return nullptr; }
    virtual TAccTable* GetTable() { return nullptr; }
    virtual TAccTableCell* GetTableCell() { return nullptr; }
    virtual TAccActions GetActions() const { return {}; }
    // Runs an action as the user would; false when the object does not offer it now.
    virtual bool DoAction(TAccAction) { return false; }

    // The child shown at the screen point, nullptr when none is (the point outside this
    // object, or on no child). The base looks at the children from the top of the z-order
    // down, taking the first that is showing and holds the point; objects with very many
    // children (tables) answer from their own layout.
    virtual TAccessiblePtr GetChildAtPoint(TPoint Screen);
    // Gives the object the keyboard focus as a click would; false when it cannot take it
    // (disabled, hidden, not focusable).
    virtual bool GrabFocus() { return false; }

    bool HasState(TAccState State) const { return GetStates().Contains(State); }
};

// Item objects made on demand and shared while anyone holds them, so that asking twice
// for the same cell gives the same object and a million cells nobody asked for cost
// nothing. Key orders the items (an index, a row/column pair).
template <class Key, class Item>
class TAccItemCache {
public:
    template <class Make>
    std::shared_ptr<Item> Get(const Key& K, Make&& MakeItem) {
        auto it = items_.find(K);
        if (it != items_.end()) {
            if (auto live = it->second.lock()) return live;
        }
        if (items_.size() > 64) Prune();
        std::shared_ptr<Item> made = MakeItem();
        items_[K] = made;
        return made;
    }
    // Calls Fn on every item still held somewhere (to mark them defunct).
    template <class Fn>
    void ForEachLive(Fn&& F) {
        for (auto& [k, w] : items_)
            if (auto live = w.lock()) F(*live);
    }
    void Clear() { items_.clear(); }

private:
    void Prune() {
        for (auto it = items_.begin(); it != items_.end();)
            it = it->second.expired() ? items_.erase(it) : std::next(it);
    }
    std::map<Key, std::weak_ptr<Item>> items_;
};

// ---- events ------------------------------------------------------------------------------
enum TAccEventKind : std::uint8_t {
    aeFocus,          // Source took the keyboard focus
    aeState,          // State of Source changed (its new value: Source->HasState(State))
    aeName,           // the name changed
    aeValue,          // the value changed
    aeText,           // the text changed
    aeSelection,      // which children or cells are selected changed
    aeChildAdded,     // child Index was added (-1: several, count again)
    aeChildRemoved,   // child Index was removed (-1: several)
    aeBounds          // moved or resized
};
// The event's kind in words, for messages and tests.
std::string_view AccEventName(TAccEventKind Kind);

struct TAccEvent {
    TAccEventKind Kind = aeState;
    TAccessiblePtr Source;
    TAccState State = asEnabled;   // aeState only
    int Index = -1;                // aeChildAdded / aeChildRemoved only
    // aeChildAdded / aeChildRemoved: the child's object where the source still has it (a
    // removed child's object is defunct by then, or about to be); nullptr otherwise.
    TAccessiblePtr Child = nullptr;
};

class TAccListener {
public:
    virtual ~TAccListener() = default;
    virtual void AccessibleEvent(const TAccEvent& Event) = 0;
};

namespace accessibility {
namespace detail {
extern int listenerCount;
}
// Whether anyone listens: sources test this before they make an event.
inline bool Listening() { return detail::listenerCount != 0; }
void AddListener(TAccListener* Listener);
void RemoveListener(TAccListener* Listener);
// Gives the event to every listener, in the order they were added.
void Raise(const TAccEvent& Event);
}  // namespace accessibility

}  // namespace vcl
