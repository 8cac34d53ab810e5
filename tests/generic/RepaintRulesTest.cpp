// Repaint rules every registered control keeps, checked over the whole class registry:
//   - setting a published plain-value property (its own, or one of a published sub-object
//     such as Font.Size) to the value it has does not repaint (unless its table marks the
//     setter as one that always repaints);
//   - setting it to another value repaints at most once.
// Each control is placed on a shown form and painted once first; paints are counted after
// a full message cycle, so an invalidation and a direct paint of the same change both count.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "tests/generic/PropertySweep.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

namespace {

using namespace vcl;
using zyn_test::CreatableClasses;
using zyn_test::PaintCounter;

// Setters of this list repaint where they should not, and are not mended yet
// ("Class.Property" or "Class.SubObject.Property").
// Each must still break a rule, so an entry cannot outlive its fault.
const std::set<std::string> OpenFaults = {};

class RepaintRules : public zyn_test::FormFixture {
protected:
    // A fresh instance of Cls on the form (a form of its own is shown by itself), painted.
    std::unique_ptr<TControl> PlaceFresh(const TClassInfo& Cls) {
        std::unique_ptr<TComponent> made(Cls.Create(nullptr));
        auto* control = dynamic_cast<TControl*>(made.get());
        if (control == nullptr) return nullptr;
        made.release();
        std::unique_ptr<TControl> owned(control);
        if (auto* f = dynamic_cast<TCustomForm*>(control)) {
            f->SetBounds(20, 20, 240, 160);
            f->Show();
        } else {
            control->SetParent(form.get());
            control->SetBounds(10, 10, 160, 90);
        }
        Application->ProcessMessages();
        return owned;
    }

    // A property of a control class to check: Prop of the control itself (Sub empty) or of
    // its published sub-object Sub.
    struct Target {
        std::string Sub;
        const TPropInfo* Prop;
        std::string Path() const { return (Sub.empty() ? "" : Sub + ".") + Prop->Name; }
    };

    // What breaks a rule when the target property of a fresh Cls is set to its own value and
    // then to another one; empty when the rules hold or the property refuses the other value.
    std::vector<std::string> Breaches(const TClassInfo& Cls, const Target& T) {
        std::vector<std::string> out;
        std::unique_ptr<TControl> control = PlaceFresh(Cls);
        if (!control) return out;
        TPersistent* holder = control.get();
        if (!T.Sub.empty()) holder = std::get<TPersistent*>(Cls.FindProperty(T.Sub)->Get(*control));
        if (holder == nullptr) return out;
        const TPropInfo& P = *T.Prop;
        PaintCounter paints(control.get());
        if (!P.RepaintsAlways) {
            P.Set(*holder, P.Get(*holder));
            Application->ProcessMessages();
            if (const int n = paints.Take(); n != 0)
                out.push_back(T.Path() + ": the same value painted " + std::to_string(n) + " times");
        }
        paints.Reset();
        const std::string other = zyn_test::OtherValueText(P, *holder);
        try {
            P.SetAsText(*holder, other);
        } catch (const Exception&) {
            return out;   // a documented refusal
        }
        Application->ProcessMessages();
        if (const int n = paints.Take(); n > 1)
            out.push_back(T.Path() + ": a new value (" + other + ") painted " + std::to_string(n) + " times");
        return out;
    }

    // Every property of every control class the rules are checked for, with its key
    // "Class.Property" or "Class.SubObject.Property".
    template <class Fn>
    void ForEachProperty(Fn&& Visit) {
        for (const TClassInfo* cls : CreatableClasses()) {
            std::vector<Target> targets;
            {
                std::unique_ptr<TControl> probe = PlaceFresh(*cls);
                if (!probe) continue;
                for (const TPropInfo* p : cls->Properties()) {
                    if (p->Kind == pkClass && p->Get) {
                        auto* sub = std::get<TPersistent*>(p->Get(*probe));
                        const TClassInfo* subCls = sub != nullptr ? ClassInfoOf(sub) : nullptr;
                        // Owned components (a popup menu, a list's items) are objects of their own.
                        if (subCls == nullptr || dynamic_cast<TComponent*>(sub) != nullptr) continue;
                        for (const TPropInfo* sp : subCls->Properties())
                            if (zyn_test::IsWritableScalar(*sp)) targets.push_back({p->Name, sp});
                    } else if (zyn_test::IsWritableScalar(*p) && p->Name != "Name") {
                        targets.push_back({"", p});
                    }
                }
            }
            for (const Target& t : targets) Visit(*cls, t, cls->GetName() + "." + t.Path());
        }
    }
};

TEST_F(RepaintRules, SameValueDoesNotRepaintAndNewValueRepaintsAtMostOnce) {
    std::string report;
    int checked = 0;
    int subChecked = 0;
    ForEachProperty([&](const TClassInfo& Cls, const Target& T, const std::string& Key) {
        if (OpenFaults.count(Key)) return;
        ++checked;
        if (!T.Sub.empty()) ++subChecked;
        for (const std::string& b : Breaches(Cls, T)) report += "\n  " + Cls.GetName() + "." + b;
    });
    EXPECT_GT(checked, 100) << "the sweep reached too few properties to mean anything";
    EXPECT_GT(subChecked, 50) << "the sweep reached too few sub-object properties";
    EXPECT_TRUE(report.empty()) << report;
}

TEST_F(RepaintRules, OpenFaultsStillBreakARule) {
    std::set<std::string> seen;
    ForEachProperty([&](const TClassInfo& Cls, const Target& T, const std::string& Key) {
        if (!OpenFaults.count(Key)) return;
        seen.insert(Key);
        EXPECT_FALSE(Breaches(Cls, T).empty()) << Key << " keeps the rules now: take it off OpenFaults";
    });
    for (const std::string& key : OpenFaults) EXPECT_TRUE(seen.count(key)) << key << " is no property of a control";
}

TEST_F(RepaintRules, TheCountSeesADoubleRepaint) {
    // The sweep is only as good as the count: a change that invalidates and then paints at
    // once must count twice, one that does neither not at all.
    auto* edit = Place<TEdit>(10, 10, 100, 24);
    Application->ProcessMessages();
    PaintCounter paints(edit);
    edit->Invalidate();
    edit->Repaint();
    edit->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 2);
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 0);
}

}  // namespace
