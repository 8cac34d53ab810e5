// Shared pieces of the hostile-input sweeps: one test per registered class (so ctest runs
// the classes in parallel and a crash names its class), a fresh instance placed on a shown
// form, a paint that lets any exception through, and the verdict on an exception.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "tests/generic/PropertySweep.h"
#include "tests/support/FormFixture.h"

namespace zyn_test {

inline std::vector<std::string> CreatableClassNames() {
    std::vector<std::string> out;
    for (const vcl::TClassInfo* c : CreatableClasses()) out.push_back(c->GetName());
    return out;
}

inline std::string ParamName(const ::testing::TestParamInfo<std::string>& Info) { return Info.param; }

// A fresh instance of Cls owned by Form: controls are placed on it at 20, 20, 160 x 100
// (forms are shown on their own).
inline vcl::TComponent* PlaceInstance(const vcl::TClassInfo& Cls, vcl::TForm* Form) {
    vcl::TComponent* c = Cls.Create(Form);
    if (auto* f = dynamic_cast<vcl::TCustomForm*>(c)) {
        f->SetBounds(0, 0, 160, 100);
        f->Show();
    } else if (auto* ctl = dynamic_cast<vcl::TControl*>(c)) {
        ctl->SetParent(Form);
        ctl->SetBounds(20, 20, 160, 100);
    }
    return c;
}

// Paints a control the way the screen does (through the paint engine, into a bitmap the
// size of the form) and returns the milliseconds it took; non-controls paint nothing.
// Exceptions pass through to the caller.
inline double TimedPaint(vcl::TComponent* Obj) {
    auto* ctl = dynamic_cast<vcl::TControl*>(Obj);
    if (ctl == nullptr) return 0;
    static vcl::TBitmap* surface = [] {
        auto* b = new vcl::TBitmap();
        b->SetPixelFormat(vcl::pf32bit);
        b->SetSize(400, 300);
        return b;
    }();
    auto t0 = std::chrono::steady_clock::now();
    ctl->PaintTo(surface->GetCanvas(), 0, 0);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Runs Fn; a framework exception is a documented refusal (true: it was raised), anything
// else is a fault recorded in Faults with What for context.
template <class Fn>
bool Guarded(std::vector<std::string>& Faults, const std::string& What, Fn&& F, std::string* Message = nullptr) {
    try {
        F();
        return false;
    } catch (const vcl::Exception& e) {
        if (Message != nullptr) *Message = e.Message();
        return true;
    } catch (const std::exception& e) {
        Faults.push_back(What + ": " + typeid(e).name() + " " + e.what());
    } catch (...) {
        Faults.push_back(What + ": unknown exception");
    }
    return true;
}

inline std::string Lines(const std::vector<std::string>& L, std::size_t Max = 40) {
    std::string s;
    for (std::size_t i = 0; i < L.size() && i < Max; ++i) s += "\n  " + L[i];
    if (L.size() > Max) s += "\n  ... " + std::to_string(L.size() - Max) + " more";
    return s;
}

// A form for one registered class (the test's parameter) that records every exception
// reaching the application, so a test can tell raised from reported.
class ClassUnderFormTest : public FormFixture, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        vcl::Application->SetOnException([this](vcl::TObject*, vcl::Exception& E) { reported.push_back(E.Message()); });
    }
    void TearDown() override {
        vcl::Application->SetOnException({});
        FormFixture::TearDown();
    }

    std::vector<std::string> reported;
};

}  // namespace zyn_test
