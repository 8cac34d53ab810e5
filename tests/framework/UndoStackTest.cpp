// The undo history: order, groups, the step limit and the memory bound, replay guards.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Zyn_undo.h"

using namespace zyn;

namespace {

// A document of one string; a step appends a text and keeps it (Units: its length).
struct TDoc {
    std::string Text;
    TUndoStack Stack;
    void Append(const std::string& S);
};

class TAppendStep : public TUndoStep {
public:
    TAppendStep(TDoc& D, std::string S) : doc_(D), s_(std::move(S)) {}
    void Undo() override {
        if (fail_) throw std::runtime_error("refused");
        doc_.Text.erase(doc_.Text.size() - s_.size());
        doc_.Stack.Push(std::make_unique<TAppendStep>(doc_, "nested"));   // ignored while replaying
    }
    void Redo() override { doc_.Text += s_; }
    std::size_t StoredUnits() const override { return s_.size(); }
    bool fail_ = false;

private:
    TDoc& doc_;
    std::string s_;
};

void TDoc::Append(const std::string& S) {
    Text += S;
    Stack.Push(std::make_unique<TAppendStep>(*this, S));
}

}  // namespace

TEST(UndoStack, OrderGroupsAndRedoDropped) {
    TDoc d;
    EXPECT_FALSE(d.Stack.Undo());
    d.Append("a");
    {
        TUndoGroup g(d.Stack);
        d.Append("bb");
        {
            TUndoGroup inner(d.Stack);
            d.Append("c");
        }
    }
    { TUndoGroup empty(d.Stack); }   // records nothing
    EXPECT_EQ(d.Stack.Count(), 2);
    EXPECT_EQ(d.Stack.StoredUnits(), 4u);
    EXPECT_TRUE(d.Stack.Undo());
    EXPECT_EQ(d.Text, "a");
    EXPECT_TRUE(d.Stack.CanRedo());
    EXPECT_TRUE(d.Stack.Redo());
    EXPECT_EQ(d.Text, "abbc");
    EXPECT_FALSE(d.Stack.Redo());
    d.Stack.Undo();
    d.Stack.Undo();
    EXPECT_EQ(d.Text, "");
    EXPECT_FALSE(d.Stack.CanUndo());
    d.Append("z");   // the undone steps cannot come back now
    EXPECT_FALSE(d.Stack.CanRedo());
    EXPECT_EQ(d.Stack.Count(), 1);
    EXPECT_EQ(d.Stack.StoredUnits(), 1u);
    EXPECT_TRUE(d.Stack.DiscardLast());
    EXPECT_EQ(d.Stack.Count(), 0);
    EXPECT_FALSE(d.Stack.DiscardLast());
}

TEST(UndoStack, LimitAndBudgetDropTheOldest) {
    TDoc d;
    d.Stack.SetLimit(3);
    for (const char* s : {"1", "22", "333", "4444"}) d.Append(s);
    EXPECT_EQ(d.Stack.Count(), 3);
    EXPECT_EQ(d.Stack.StoredUnits(), 9u);
    d.Stack.SetUnitBudget(8);   // 2 + 3 + 4 > 8: "22" goes
    EXPECT_EQ(d.Stack.Count(), 2);
    EXPECT_EQ(d.Stack.StoredUnits(), 7u);
    d.Append("999999999");      // bigger than the budget alone: kept, everything else goes
    EXPECT_EQ(d.Stack.Count(), 1);
    EXPECT_TRUE(d.Stack.Undo());
    EXPECT_EQ(d.Text, "1223334444");
    EXPECT_FALSE(d.Stack.Undo());
    d.Stack.SetLimit(-5);
    EXPECT_EQ(d.Stack.GetLimit(), 0);
    EXPECT_EQ(d.Stack.Count(), 0);
    d.Append("x");
    EXPECT_FALSE(d.Stack.CanUndo());
}

TEST(UndoStack, FailedStepIsForgotten) {
    TDoc d;
    d.Append("a");
    d.Append("b");
    auto step = std::make_unique<TAppendStep>(d, "c");
    step->fail_ = true;
    d.Text += "c";
    d.Stack.Push(std::move(step));
    EXPECT_THROW(d.Stack.Undo(), std::runtime_error);
    EXPECT_FALSE(d.Stack.Replaying());
    EXPECT_FALSE(d.Stack.CanUndo());
    EXPECT_EQ(d.Stack.StoredUnits(), 0u);
}
