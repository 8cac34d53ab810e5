// The accessibility model without controls: listeners, events, the item cache and the
// names of roles and actions.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/accessibility/Accessible.h"

using namespace vcl;

namespace {

// An object of fixed answers whose parent may be given. The parent is held weakly, so a
// parent listing its children makes no cycle (a leak).
class TFixed : public TAccessible {
public:
    explicit TFixed(std::string Name, TAccessiblePtr Parent = nullptr) : name_(std::move(Name)), parent_(Parent) {}
    TAccRole GetRole() const override { return arLabel; }
    std::string GetName() const override { return name_; }
    TAccStates GetStates() const override { return {asEnabled, asVisible}; }
    TRect GetScreenBounds() const override { return {}; }
    TAccessiblePtr GetParent() const override { return parent_.lock(); }
    int GetChildCount() const override { return int(children_.size()); }
    TAccessiblePtr GetChild(int Index) override {
        return Index >= 0 && Index < GetChildCount() ? children_[std::size_t(Index)] : nullptr;
    }
    std::vector<TAccessiblePtr> children_;

private:
    std::string name_;
    std::weak_ptr<TAccessible> parent_;
};

class TNamesHeard : public TAccListener {
public:
    explicit TNamesHeard(std::vector<std::string>& Log, std::string Tag) : log_(Log), tag_(std::move(Tag)) {}
    void AccessibleEvent(const TAccEvent& Event) override {
        log_.push_back(tag_ + ":" + std::string(AccEventName(Event.Kind)) + ":" + Event.Source->GetName());
        if (onHear) onHear();
    }
    std::function<void()> onHear;

private:
    std::vector<std::string>& log_;
    std::string tag_;
};

}  // namespace

TEST(AccessibleEvents, ListenersHearInOrderAndOnlyWhileAdded) {
    EXPECT_FALSE(accessibility::Listening());
    std::vector<std::string> log;
    TNamesHeard a(log, "a"), b(log, "b");
    auto source = std::make_shared<TFixed>("Volume");
    accessibility::AddListener(&a);
    accessibility::AddListener(&b);
    accessibility::AddListener(&a);   // once only
    EXPECT_TRUE(accessibility::Listening());
    accessibility::Raise({aeValue, source});
    accessibility::RemoveListener(&a);
    accessibility::Raise({aeFocus, source});
    accessibility::Raise({aeFocus, nullptr});   // no source, no event
    accessibility::RemoveListener(&b);
    EXPECT_FALSE(accessibility::Listening());
    accessibility::Raise({aeText, source});
    EXPECT_EQ(log, (std::vector<std::string>{"a:value:Volume", "b:value:Volume", "b:focus:Volume"}));
}

TEST(AccessibleEvents, AListenerMayLeaveWhileItHears) {
    std::vector<std::string> log;
    TNamesHeard a(log, "a"), b(log, "b");
    a.onHear = [&] { accessibility::RemoveListener(&a); accessibility::RemoveListener(&b); };
    accessibility::AddListener(&a);
    accessibility::AddListener(&b);
    accessibility::Raise({aeState, std::make_shared<TFixed>("x")});
    // b was removed before its turn came: it hears nothing.
    EXPECT_EQ(log, (std::vector<std::string>{"a:state:x"}));
    EXPECT_FALSE(accessibility::Listening());
}

TEST(AccessibleTree, IndexInParentSearchesTheParentsChildren) {
    auto parent = std::make_shared<TFixed>("list");
    auto first = std::make_shared<TFixed>("one", parent), second = std::make_shared<TFixed>("two", parent);
    parent->children_ = {first, second};
    EXPECT_EQ(first->GetIndexInParent(), 0);
    EXPECT_EQ(second->GetIndexInParent(), 1);
    EXPECT_EQ(parent->GetIndexInParent(), -1);
    auto stray = std::make_shared<TFixed>("stray", parent);   // names a parent that does not list it
    EXPECT_EQ(stray->GetIndexInParent(), -1);
    EXPECT_TRUE(first->HasState(asEnabled));
    EXPECT_FALSE(first->HasState(asFocused));
}

TEST(AccessibleItemCache, SameObjectWhileHeldNewOnceReleased) {
    TAccItemCache<int, TFixed> cache;
    int made = 0;
    auto make = [&](int i) { return [&made, i] { ++made; return std::make_shared<TFixed>(std::to_string(i)); }; };
    auto a = cache.Get(7, make(7));
    auto again = cache.Get(7, make(7));
    EXPECT_EQ(a.get(), again.get());
    EXPECT_EQ(made, 1);
    a.reset();
    again.reset();
    auto fresh = cache.Get(7, make(7));
    EXPECT_EQ(made, 2);
    // Many items asked for and dropped do not pile up: the cache prunes expired entries,
    // and a held one survives the pruning.
    for (int i = 0; i < 1000; ++i) cache.Get(1000 + i, make(i));
    EXPECT_EQ(cache.Get(7, make(7)).get(), fresh.get());
    int live = 0;
    cache.ForEachLive([&](TFixed&) { ++live; });
    EXPECT_EQ(live, 1);
}

TEST(AccessibleNames, RolesActionsAndEventsInWords) {
    EXPECT_EQ(AccRoleName(arPushButton), "push button");
    EXPECT_EQ(AccRoleName(arTableCell), "table cell");
    EXPECT_EQ(AccRoleName(arColumnHeader), "column header");
    EXPECT_EQ(AccRoleName(arFiller), "filler");
    EXPECT_EQ(AccRoleName(TAccRole(200)), "unknown");
    EXPECT_EQ(AccActionName(aaToggle), "toggle");
    EXPECT_EQ(AccActionName(aaCollapse), "collapse");
    EXPECT_EQ(AccEventName(aeChildRemoved), "child removed");
    EXPECT_EQ(AccEventName(aeBounds), "bounds");
}
