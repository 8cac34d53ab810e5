// The undo history: ordering, bounds and replay of the components' steps.
#include "framework/Zyn_undo.h"

#include <utility>

namespace zyn {

std::unique_ptr<TUndoStep> TUndoGroupStep::TakeSingle() {
    if (parts_.size() != 1) return nullptr;
    std::unique_ptr<TUndoStep> single = std::move(parts_.front());
    parts_.clear();
    return single;
}

void TUndoGroupStep::Undo() {
    for (auto it = parts_.rbegin(); it != parts_.rend(); ++it) (*it)->Undo();
}

void TUndoGroupStep::Redo() {
    for (auto& part : parts_) part->Redo();
}

std::size_t TUndoGroupStep::StoredUnits() const {
    std::size_t n = 0;
    for (const auto& part : parts_) n += part->StoredUnits();
    return n;
}

void TUndoStack::Push(std::unique_ptr<TUndoStep> Step) {
    if (!Step || replaying_) return;
    if (groupDepth_ > 0) {
        group_->Add(std::move(Step));
        return;
    }
    // What was undone cannot be redone after a new change.
    while (steps_.size() > next_) {
        units_ -= steps_.back()->StoredUnits();
        steps_.pop_back();
    }
    units_ += Step->StoredUnits();
    steps_.push_back(std::move(Step));
    next_ = steps_.size();
    Trim();
}

bool TUndoStack::Undo() {
    if (!CanUndo() || replaying_) return false;
    struct TReplay {
        bool& Flag;
        ~TReplay() { Flag = false; }
    } replay{replaying_ = true};
    // The step moves to the undone side first: a step that fails half-way is not tried again
    // the same way (its document part is unknown by then), and the history forgets it.
    TUndoStep& step = *steps_[next_ - 1];
    const std::size_t before = step.StoredUnits();
    try {
        step.Undo();
    } catch (...) {
        replaying_ = false;
        Clear();
        throw;
    }
    --next_;
    units_ = units_ - before + step.StoredUnits();
    return true;
}

bool TUndoStack::Redo() {
    if (!CanRedo() || replaying_) return false;
    struct TReplay {
        bool& Flag;
        ~TReplay() { Flag = false; }
    } replay{replaying_ = true};
    TUndoStep& step = *steps_[next_];
    const std::size_t before = step.StoredUnits();
    try {
        step.Redo();
    } catch (...) {
        replaying_ = false;
        Clear();
        throw;
    }
    ++next_;
    units_ = units_ - before + step.StoredUnits();
    return true;
}

void TUndoStack::Clear() {
    steps_.clear();
    next_ = 0;
    units_ = 0;
}

bool TUndoStack::DiscardLast() {
    if (replaying_ || groupDepth_ > 0 || next_ == 0 || next_ != steps_.size()) return false;
    units_ -= steps_.back()->StoredUnits();
    steps_.pop_back();
    --next_;
    return true;
}

void TUndoStack::SetLimit(int Value) {
    limit_ = Value < 0 ? 0 : Value;
    Trim();
}

void TUndoStack::SetUnitBudget(std::size_t Value) {
    budget_ = Value;
    Trim();
}

void TUndoStack::Trim() {
    // The oldest done steps go first; undone steps go only when every done one has gone.
    std::size_t drop = 0;
    std::size_t units = units_;
    const std::size_t limit = std::size_t(limit_);
    while (drop < steps_.size() && (steps_.size() - drop > limit || (units > budget_ && steps_.size() - drop > 1))) {
        units -= steps_[drop]->StoredUnits();
        ++drop;
    }
    if (drop == 0) return;
    steps_.erase(steps_.begin(), steps_.begin() + std::ptrdiff_t(drop));
    units_ = units;
    next_ = next_ > drop ? next_ - drop : 0;
}

void TUndoStack::BeginGroup() {
    if (groupDepth_++ == 0) group_ = std::make_unique<TUndoGroupStep>();
}

void TUndoStack::EndGroup() {
    if (groupDepth_ == 0 || --groupDepth_ > 0) return;
    std::unique_ptr<TUndoGroupStep> group = std::move(group_);
    if (group->Empty()) return;
    std::unique_ptr<TUndoStep> single = group->TakeSingle();
    Push(single ? std::move(single) : std::move(group));
}

}  // namespace zyn
