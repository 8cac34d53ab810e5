// The undo history of an editing component: a bounded list of steps, each of which knows how
// to take itself back and do itself again. The components decide what a step holds (the
// cells a paste overwrote, a removed line); the history only orders, bounds and replays them.
//
// Steps are exchanges: a step holds what it changed of the document as it was before, and
// taking it back swaps that with what the document holds now, so the same step then holds
// what redoing needs. One copy per step, never two, and never the whole document.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace zyn {

/// One undoable change. Undo and Redo are called alternately, Undo first.
class TUndoStep {
public:
    virtual ~TUndoStep() = default;
    /// Takes the change back.
    virtual void Undo() = 0;
    /// Does the change again after Undo.
    virtual void Redo() = 0;
    /// How many units (cells, characters) the step keeps; the history's memory bound counts them.
    virtual std::size_t StoredUnits() const = 0;
};

/// Several steps taken back and done again as one (a paste that also resizes, an insert that
/// also names the new line).
class TUndoGroupStep : public TUndoStep {
public:
    /// Appends a part; parts are redone in order and undone in reverse order.
    void Add(std::unique_ptr<TUndoStep> Step) { parts_.push_back(std::move(Step)); }
    /// Whether the group holds no part.
    bool Empty() const { return parts_.empty(); }
    /// The single part of a group of one, taken out (nullptr otherwise).
    std::unique_ptr<TUndoStep> TakeSingle();
    void Undo() override;
    void Redo() override;
    std::size_t StoredUnits() const override;

private:
    std::vector<std::unique_ptr<TUndoStep>> parts_;
};

/// The history: at most Limit steps and at most UnitBudget stored units (the oldest steps go
/// first; the newest step always stays, however big). A new step drops what could be redone.
class TUndoStack {
public:
    /// Most stored units of all steps together: 32 Mi units (a cell of a numeric table is 9
    /// bytes, so the history of a table editor stays under 300 MB).
    static constexpr std::size_t DefaultUnitBudget = std::size_t(1) << 25;

    /// Records a step that has just been done. Ignored while a step is being undone or redone
    /// (the step's own writes are not new changes). Inside BeginGroup/EndGroup the step joins
    /// the open group.
    void Push(std::unique_ptr<TUndoStep> Step);
    /// Whether a done step can be taken back.
    bool CanUndo() const { return next_ > 0; }
    /// Whether an undone step can be done again.
    bool CanRedo() const { return next_ < steps_.size(); }
    /// Takes the newest done step back; false when there is none.
    /// While the step runs, Replaying is true and Push ignores steps.
    bool Undo();
    /// Does the most recently undone step again; false when there is none. While the step runs,
    /// Replaying is true and Push ignores steps.
    bool Redo();
    /// Forgets every step.
    void Clear();
    /// Forgets the newest done step when nothing can be redone (a change that was abandoned
    /// right after it was recorded, as an in-place edit left with Escape); false otherwise.
    bool DiscardLast();
    /// Whether a step is being undone or redone just now.
    bool Replaying() const { return replaying_; }

    /// The most steps kept, at least 0 (0 keeps none); lowering it drops the oldest steps.
    int GetLimit() const { return limit_; }
    /// Sets the most steps kept (below 0 counts as 0); the oldest steps beyond it go at once.
    void SetLimit(int Value);
    /// The most stored units kept; lowering it drops the oldest steps.
    std::size_t GetUnitBudget() const { return budget_; }
    /// Sets the most stored units kept; the oldest steps beyond it go at once (the newest stays).
    void SetUnitBudget(std::size_t Value);
    /// Units held by all steps (done and undone).
    std::size_t StoredUnits() const { return units_; }
    /// Steps held (done and undone).
    int Count() const { return int(steps_.size()); }

    /// Steps pushed between BeginGroup and the matching EndGroup become one step. Groups nest;
    /// the outermost one decides. An empty group records nothing.
    void BeginGroup();
    /// Closes the group BeginGroup opened; the outermost close records the group as one step.
    void EndGroup();

private:
    void Trim();

    std::vector<std::unique_ptr<TUndoStep>> steps_;
    std::size_t next_ = 0;        // steps_[0, next_) are done, the rest undone
    std::size_t units_ = 0;
    int limit_ = 100;
    std::size_t budget_ = DefaultUnitBudget;
    bool replaying_ = false;
    int groupDepth_ = 0;
    std::unique_ptr<TUndoGroupStep> group_;
};

/// Groups the steps pushed during its lifetime, also when an exception passes (what was done
/// before it stays undoable).
class TUndoGroup {
public:
    /// Opens a group on Stack; the destructor closes it.
    explicit TUndoGroup(TUndoStack& Stack) : stack_(Stack) { stack_.BeginGroup(); }
    ~TUndoGroup() { stack_.EndGroup(); }
    TUndoGroup(const TUndoGroup&) = delete;
    TUndoGroup& operator=(const TUndoGroup&) = delete;

private:
    TUndoStack& stack_;
};

}  // namespace zyn
