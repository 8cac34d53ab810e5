// Component references (PopupMenu = PopupMenu1) and events of sub-objects in form files.
#include <gtest/gtest.h>

#include "platform/Classes.h"

using namespace vcl;

namespace {

// Something a reference may point at.
class TTarget : public TComponent {
public:
    explicit TTarget(TComponent* AOwner) : TComponent(AOwner) {}
    std::string ClassName() const override { return "TTarget"; }
};

// A component of another class, which a TTarget reference must refuse.
class TStranger : public TComponent {
public:
    explicit TStranger(TComponent* AOwner) : TComponent(AOwner) {}
    std::string ClassName() const override { return "TStranger"; }
};

// A sub-object with an event of its own, like a needle layout.
class TLinkLayout : public TPersistent {
public:
    std::string ClassName() const override { return "TLinkLayout"; }
    int GetWidth() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    TNotifyEvent OnChange;

private:
    int width_ = 1;
};

// Holds a reference the way controls hold their popup menu: it asks to be told when the
// target goes, and records when the reader set it.
class TLinker : public TTarget {
public:
    explicit TLinker(TComponent* AOwner) : TTarget(AOwner) {}
    std::string ClassName() const override { return "TLinker"; }

    TTarget* GetTarget() const { return target_; }
    void SetTarget(TTarget* v) {
        if (v == target_) return;
        if (target_ != nullptr) target_->RemoveFreeNotification(this);
        target_ = v;
        if (v != nullptr) v->FreeNotification(this);
        if (v != nullptr) {
            setWhileLoading = GetComponentState().Contains(csLoading);
            setAfterLoaded = loadedCalls > 0;
        }
    }
    TTarget* GetSpare() const { return spare_; }   // published read-only
    TLinkLayout* GetLayout() const { return const_cast<TLinkLayout*>(&layout_); }
    int GetCount() const { return count_; }
    void SetCount(int v) {
        if (v < 0) throw Exception("Count cannot be negative");
        count_ = v;
    }

    void Loaded() override {
        ++loadedCalls;
        targetInLoaded = target_;
        TTarget::Loaded();
    }

    int loadedCalls = 0;
    TTarget* targetInLoaded = nullptr;
    bool setWhileLoading = false;
    bool setAfterLoaded = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TTarget::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == target_) target_ = nullptr;
    }

private:
    TTarget* target_ = nullptr;
    TTarget* spare_ = nullptr;
    TLinkLayout layout_;
    int count_ = 0;
};

const bool registered = [] {
    RegisterClass<TTarget, TComponent>("TTarget");
    RegisterClass<TStranger, TComponent>("TStranger");
    RegisterClass<TLinkLayout, TPersistent>("TLinkLayout", [](TPublisher<TLinkLayout>& p) {
        p.Integer("Width", &TLinkLayout::GetWidth, &TLinkLayout::SetWidth, 1);
        p.Event("OnChange", &TLinkLayout::OnChange);
    });
    RegisterClass<TLinker, TTarget>("TLinker", [](TPublisher<TLinker>& p) {
        p.Component("Target", &TLinker::GetTarget, &TLinker::SetTarget);
        p.Component("Spare", &TLinker::GetSpare);
        p.Object("Layout", &TLinker::GetLayout);
        p.Integer("Count", &TLinker::GetCount, &TLinker::SetCount, 0);
    });
    return true;
}();

TLinker* Linker(TComponent* owner, const char* name) {
    auto* l = new TLinker(owner);
    l->SetName(name);
    return l;
}

std::string ReadError(const std::string& text, TComponent* owner) {
    try {
        ReadComponentText(text, owner);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return "accepted";
}

}  // namespace

TEST(FormFileReferences, RoundTripResolvesForwardReferencesBeforeLoaded) {
    TComponent owner(nullptr);
    TLinker* form = Linker(&owner, "Form1");
    TLinker* first = Linker(form, "First");
    TLinker* unset = Linker(form, "Unset");
    auto* later = new TTarget(form);
    later->SetName("Later");
    first->SetTarget(later);   // refers to a component written after it
    later->SetTag(3);
    unset->SetCount(1);
    form->SetTarget(form);     // the root may name itself

    std::string text = WriteComponentText(form);
    EXPECT_NE(text.find("  Target = Form1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    Target = Later\n"), std::string::npos) << text;
    std::string unsetBlock = text.substr(text.find("object Unset"));
    unsetBlock = unsetBlock.substr(0, unsetBlock.find("end"));
    EXPECT_EQ(unsetBlock.find("Target"), std::string::npos) << "a null reference was written:\n" << text;
    EXPECT_EQ(text.find("Spare"), std::string::npos) << text;
    ASSERT_LT(text.find("object First"), text.find("object Later")) << text;

    TComponent other(nullptr);
    auto* copy = dynamic_cast<TLinker*>(ReadComponentText(text, &other));
    ASSERT_NE(copy, nullptr);
    auto* firstCopy = dynamic_cast<TLinker*>(copy->FindComponent("First"));
    auto* unsetCopy = dynamic_cast<TLinker*>(copy->FindComponent("Unset"));
    TComponent* laterCopy = copy->FindComponent("Later");
    ASSERT_NE(firstCopy, nullptr);
    ASSERT_NE(unsetCopy, nullptr);
    ASSERT_NE(laterCopy, nullptr);
    // The references point into the new form, not at the originals.
    EXPECT_EQ(copy->GetTarget(), copy);
    EXPECT_EQ(firstCopy->GetTarget(), laterCopy);
    EXPECT_EQ(laterCopy->GetTag(), 3);
    EXPECT_EQ(unsetCopy->GetTarget(), nullptr);
    for (TLinker* l : {copy, firstCopy}) {
        EXPECT_TRUE(l->setWhileLoading) << l->GetName();
        EXPECT_FALSE(l->setAfterLoaded) << l->GetName();
        EXPECT_EQ(l->loadedCalls, 1) << l->GetName();
        EXPECT_EQ(l->targetInLoaded, l->GetTarget()) << l->GetName();
    }
    EXPECT_EQ(WriteComponentText(copy), text);
}

TEST(FormFileReferences, HandWrittenNamesIgnoreCaseAndNilClears) {
    TLinker root(nullptr);
    root.SetName("Root");
    ReadRootText("object Root: TLinker\n"
                 "  Target = b\n"
                 "  object A: TLinker\n"
                 "    Target = ROOT\n"
                 "    Target = nil\n"
                 "  end\n"
                 "  object B: TTarget\n"
                 "  end\n"
                 "end\n",
                 &root);
    EXPECT_EQ(root.GetTarget(), root.FindComponent("B"));
    auto* a = dynamic_cast<TLinker*>(root.FindComponent("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->GetTarget(), nullptr);   // the last assignment wins

    // Set in code, then cleared by a file that only says nil.
    a->SetTarget(a);
    ReadRootText("object Root: TLinker\n  Target = nil\nend\n", &root);
    EXPECT_EQ(root.GetTarget(), nullptr);
}

TEST(FormFileReferences, BadReferencesAreRejectedWithLineAndLeaveNothingBehind) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object F: TLinker\n  object A: TLinker\n    Target = Ghost\n  end\nend\n",
         "Line 3: Unknown component Ghost for Target"},
        {"object F: TLinker\n  Target = S\n  object S: TStranger\n  end\nend\n",
         "Line 2: Property Target takes a TTarget, not S (TStranger)"},
        {"object F: TLinker\n  Target = 'F'\nend\n", "Line 2: Component name expected for Target but ''F'' found"},
        {"object F: TLinker\n  Target = 12\nend\n", "Line 2: Component name expected for Target but '12' found"},
        {"object F: TLinker\n  Spare = F\nend\n", "Line 2: Property Spare is read-only"},
        // An error found while the references are resolved still names its own line.
        {"object F: TLinker\n  Target = A\n  object A: TLinker\n    Target = F\n  end\n"
         "  object B: TLinker\n    Target = Other.A\n  end\nend\n",
         "Line 7: Unknown component Other.A for Target"},
    };
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        auto* before = new TTarget(&owner);   // something that was there before
        before->SetName("Before");
        EXPECT_EQ(ReadError(c.text, &owner), c.message);
        EXPECT_EQ(owner.GetComponentCount(), 1) << c.text;
    }
}

TEST(FormFileReferences, NamesFallBackToTheComponentsOfTheOwner) {
    TComponent owner(nullptr);
    auto* shared = new TTarget(&owner);
    shared->SetName("Shared");
    auto* twin = new TTarget(&owner);
    twin->SetName("Twin");
    auto* form = dynamic_cast<TLinker*>(ReadComponentText("object F: TLinker\n"
                                                          "  Target = Shared\n"
                                                          "  object A: TLinker\n"
                                                          "    Target = Twin\n"
                                                          "  end\n"
                                                          "  object Twin: TTarget\n"
                                                          "  end\n"
                                                          "end\n",
                                                          &owner));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetTarget(), shared);
    auto* a = dynamic_cast<TLinker*>(form->FindComponent("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a->GetTarget(), twin);   // the form's own component comes first
    EXPECT_EQ(a->GetTarget(), form->FindComponent("Twin"));

    std::string text = WriteComponentText(form);
    EXPECT_NE(text.find("\n  Target = Shared\n"), std::string::npos) << text;
    // Under an owner without it the name is unknown, and nothing is left behind.
    TComponent other(nullptr);
    EXPECT_EQ(ReadError(text, &other), "Line 2: Unknown component Shared for Target");
    EXPECT_EQ(other.GetComponentCount(), 0);

    delete shared;
    EXPECT_EQ(form->GetTarget(), nullptr);
}

TEST(FormFileReferences, FailedReadIntoRootDropsReferencesToWhatItFreed) {
    TLinker root(nullptr);
    // Root's reference to A is set first, then B's unknown name fails the read: A is freed
    // and Root must not keep pointing at it.
    EXPECT_THROW(ReadRootText("object R: TLinker\n"
                              "  Target = A\n"
                              "  object A: TTarget\n"
                              "  end\n"
                              "  object B: TLinker\n"
                              "    Target = Nobody\n"
                              "  end\n"
                              "end\n",
                              &root),
                 EReadError);
    EXPECT_EQ(root.GetComponentCount(), 0);
    EXPECT_EQ(root.GetTarget(), nullptr);
    EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
}

TEST(FormFileReferences, AHalfBadTextLeavesTheRootAsItWas) {
    TLinker root(nullptr);
    root.SetName("Before");
    root.SetCount(4);
    root.GetLayout()->SetWidth(2);
    auto* kept = Linker(&root, "Kept");
    const std::string good = "object After: TLinker\n"
                             "  Count = 9\n"
                             "  Layout.Width = 7\n"
                             "  Target = Child\n"
                             "  object Child: TLinker\n"
                             "    Count = 1\n"
                             "  end\n";
    // A syntax error at the end, a value a setter refuses, an unknown property, a missing end.
    for (const std::string& tail : {std::string("  Count = = 3\nend\n"), std::string("  Count = -1\nend\n"),
                                    std::string("  Colour = 3\nend\n"), std::string("")}) {
        SCOPED_TRACE(tail);
        EXPECT_THROW(ReadRootText(good + tail, &root), EReadError);
        EXPECT_EQ(root.GetName(), "Before");
        EXPECT_EQ(root.GetCount(), 4);
        EXPECT_EQ(root.GetLayout()->GetWidth(), 2);
        EXPECT_EQ(root.GetTarget(), nullptr);
        EXPECT_EQ(root.loadedCalls, 0);
        ASSERT_EQ(root.GetComponentCount(), 1);
        EXPECT_EQ(root.GetComponent(0), kept);
        EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
    }
    // The same text made whole is applied.
    ReadRootText(good + "end\n", &root);
    EXPECT_EQ(root.GetName(), "After");
    EXPECT_EQ(root.GetCount(), 9);
    EXPECT_EQ(root.GetLayout()->GetWidth(), 7);
    ASSERT_NE(root.GetTarget(), nullptr);
    EXPECT_EQ(root.GetTarget()->GetName(), "Child");
    EXPECT_EQ(root.loadedCalls, 1);
}

TEST(FormFileReferences, FreeingTheTargetClearsTheReference) {
    TComponent form(nullptr);
    TLinker* a = Linker(&form, "A");
    auto* t = new TTarget(&form);
    t->SetName("T");
    a->SetTarget(t);
    delete t;
    EXPECT_EQ(a->GetTarget(), nullptr);
    EXPECT_EQ(WriteComponentText(a).find("Target"), std::string::npos);

    // Freed by the owner in reverse order of creation: the target goes first, the linker
    // must not be left with a dangling pointer for its own destructor (ASan checks).
    {
        TComponent owner(nullptr);
        TLinker* l = Linker(&owner, "L");
        auto* u = new TTarget(&owner);
        l->SetTarget(u);
    }
    // Retargeting stops the notification from the old target.
    TLinker* b = Linker(&form, "B");
    auto* t1 = new TTarget(&form);
    auto* t2 = new TTarget(&form);
    b->SetTarget(t1);
    b->SetTarget(t2);
    delete t1;
    EXPECT_EQ(b->GetTarget(), t2);
}

TEST(FormFileReferences, WriterRefusesReferencesItCouldNotReadBack) {
    TComponent owner(nullptr);
    TLinker* form = Linker(&owner, "Form1");
    TLinker* a = Linker(form, "A");

    auto* unnamed = new TTarget(form);
    a->SetTarget(unnamed);
    try {
        WriteComponentText(form);
        ADD_FAILURE() << "wrote a reference to an unnamed component";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Property Target of A refers to an unnamed TTarget, which cannot be found by name from Form1");
    }

    TLinker elsewhere(nullptr);   // not owned by the form
    elsewhere.SetName("Elsewhere");
    a->SetTarget(&elsewhere);
    EXPECT_THROW(WriteComponentText(form), EWriteError);
    a->SetTarget(nullptr);
    EXPECT_NO_THROW(WriteComponentText(form));
}

TEST(FormFileReferences, PropertyTextNamesTheComponent) {
    TComponent form(nullptr);
    TLinker* a = Linker(&form, "A");
    auto* t = new TTarget(&form);
    t->SetName("Target1");
    auto* s = new TStranger(&form);
    s->SetName("S");

    const TPropInfo* prop = ClassInfoOf(a)->FindProperty("Target");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->Kind, pkComponent);
    EXPECT_TRUE(prop->IsDefault(*a));
    EXPECT_TRUE(prop->AcceptsComponent(*t));
    EXPECT_FALSE(prop->AcceptsComponent(*s));

    SetPropText(a, "Target", "target1");
    EXPECT_EQ(a->GetTarget(), t);
    EXPECT_FALSE(prop->IsDefault(*a));
    EXPECT_EQ(GetPropText(a, "Target"), "Target1");
    EXPECT_THROW(SetPropText(a, "Target", "Nobody"), EPropertyError);
    try {
        SetPropText(a, "Target", "S");
        ADD_FAILURE();
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Property Target takes a TTarget, not S (TStranger)");
    }
    EXPECT_EQ(a->GetTarget(), t);   // a refused value changes nothing
    // A value of the wrong kind is refused by the setter itself.
    EXPECT_THROW(prop->Set(*a, TPropValue(std::int64_t(1))), EPropertyError);
    SetPropText(a, "Target", "");
    EXPECT_EQ(a->GetTarget(), nullptr);
    EXPECT_EQ(GetPropText(a, "Target"), "");
}

TEST(FormFileSubObjectEvents, HandlerNamesOfSubObjectsRoundTrip) {
    int changes = 0;
    TEventHandlers handlers;
    handlers.Add("LayoutChanged", TNotifyEvent([&](TObject*) { ++changes; }));

    TComponent owner(nullptr);
    auto* form = dynamic_cast<TLinker*>(ReadComponentText("object Form1: TLinker\n"
                                                          "  Layout.Width = 4\n"
                                                          "  Layout.OnChange = LayoutChanged\n"
                                                          "  object Inner: TLinker\n"
                                                          "    Layout.OnChange = layoutchanged\n"
                                                          "  end\n"
                                                          "end\n",
                                                          &owner, handlers));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->GetLayout()->OnChange);
    form->GetLayout()->OnChange(form->GetLayout());
    EXPECT_EQ(changes, 1);

    std::string text = WriteComponentText(form);
    EXPECT_NE(text.find("  Layout.Width = 4\n  Layout.OnChange = LayoutChanged\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    Layout.OnChange = layoutchanged\n"), std::string::npos) << text;

    TComponent other(nullptr);
    auto* copy = dynamic_cast<TLinker*>(ReadComponentText(text, &other, handlers));
    ASSERT_NE(copy, nullptr);
    auto* inner = dynamic_cast<TLinker*>(copy->FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    ASSERT_TRUE(inner->GetLayout()->OnChange);
    inner->GetLayout()->OnChange(inner->GetLayout());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(WriteComponentText(copy), text);

    // A handler assigned in code has no name to write; clearing it forgets the name.
    form->GetLayout()->OnChange = nullptr;
    EXPECT_EQ(WriteComponentText(form).find("\n  Layout.OnChange"), std::string::npos);
}

