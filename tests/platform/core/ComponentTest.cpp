#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Classes.h"

using namespace vcl;

namespace {

// Records the order of destruction and what it was told about others.
struct Probe : TComponent {
    Probe(TComponent* owner, std::vector<std::string>* log, const char* name)
        : TComponent(owner), log_(log) { SetName(name); }
    ~Probe() override { log_->push_back("free " + GetName()); }
    TComponent* peer = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == opRemove && c == peer) { peer = nullptr; log_->push_back(GetName() + " lost peer"); }
    }

private:
    std::vector<std::string>* log_;
};

}  // namespace

TEST(Component, OwnerFreesOwnedInReverseOrder) {
    std::vector<std::string> log;
    auto* form = new Probe(nullptr, &log, "Form");
    new Probe(form, &log, "A");
    new Probe(form, &log, "B");
    EXPECT_EQ(form->GetComponentCount(), 2);
    EXPECT_EQ(form->FindComponent("b")->GetName(), "B");
    delete form;
    EXPECT_EQ(log, (std::vector<std::string>{"free Form", "free B", "free A"}));
}

TEST(Component, FreeNotificationInEitherOrder) {
    std::vector<std::string> log;
    {
        Probe owner(nullptr, &log, "Owner");
        auto* a = new Probe(&owner, &log, "A");
        auto* b = new Probe(&owner, &log, "B");
        a->peer = b;
        b->FreeNotification(a);
        delete b;                         // freed by hand: leaves owner, tells A
        EXPECT_EQ(a->peer, nullptr);
        EXPECT_EQ(owner.GetComponentCount(), 1);
    }
    {
        Probe owner(nullptr, &log, "Owner2");
        auto* a = new Probe(&owner, &log, "A2");
        auto* b = new Probe(&owner, &log, "B2");
        b->peer = a;
        a->FreeNotification(b);
        // The owner frees B2 first (reverse order); freeing A2 afterwards must not tell
        // the dead B2 anything (ASan reports a use after free otherwise).
    }
    EXPECT_EQ(log.back(), "free A2");
    EXPECT_EQ(std::count(log.begin(), log.end(), "B2 lost peer"), 0);
}

TEST(Component, DuplicateNameRefused) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Meter1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("meter1"), EComponentError);
}

TEST(Persistent, AssignOfUnrelatedClassRaises) {
    TPersistent a, b;
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TPersistent to a TPersistent");
    }
}

TEST(Component, MutualReferencesSurviveEitherFreeingOrder) {
    // Two components pointing at each other, freed by hand in both orders and by their
    // owner: each learns of the other's end and nothing touches freed memory (ASan).
    for (int order = 0; order < 3; ++order) {
        std::vector<std::string> log;
        auto* owner = new Probe(nullptr, &log, "Owner");
        auto* a = new Probe(owner, &log, "A");
        auto* b = new Probe(owner, &log, "B");
        a->peer = b;
        b->peer = a;
        a->FreeNotification(b);
        b->FreeNotification(a);
        if (order == 0) { delete a; EXPECT_EQ(b->peer, nullptr); delete b; }
        if (order == 1) { delete b; EXPECT_EQ(a->peer, nullptr); delete a; }
        EXPECT_EQ(owner->GetComponentCount(), order == 2 ? 2 : 0);
        delete owner;
        EXPECT_EQ(std::count(log.begin(), log.end(), "free A"), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), "free B"), 1);
    }
}

TEST(Component, OwnerChangeAndLoadedState) {
    TComponent first(nullptr), second(nullptr);
    auto* c = new TComponent(&first);
    second.InsertComponent(c);            // moves: leaves the first owner
    EXPECT_EQ(first.GetComponentCount(), 0);
    EXPECT_EQ(c->GetOwner(), &second);
    EXPECT_THROW(second.GetComponent(1), EListError);
    c->SetComponentStateItem(csLoading, true);
    c->Loaded();
    EXPECT_FALSE(c->GetComponentState().Contains(csLoading));
}
