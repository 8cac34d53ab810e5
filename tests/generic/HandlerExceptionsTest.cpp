// Every published event of every registered class bound to a handler that raises, then the
// instance worked through everything that can reach it generically: the mouse, keys, typed
// text, time (timers) and property changes. The instance must stay usable and whole: it
// paints, its form file reads back into an instance that writes the same text, and with
// the handlers gone the same input runs without an exception. An exception raised inside
// a timer reaches Application->HandleException and the timer keeps ticking.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "platform/Win32.h"
#include "tests/generic/HostileSupport.h"
#include "tests/support/FormFixture.h"

namespace {

using namespace vcl;
using namespace zyn_test;

class HandlerExceptions : public ClassUnderFormTest {
protected:

    // Binds every event of Obj (and of its sub-objects) to Fn; an empty Fn clears them.
    void BindAll(TComponent* Obj, const TClassInfo& Cls, const std::function<void()>& Fn) {
        for (const TPropInfo* p : Cls.Properties()) {
            if (p->Kind == pkEvent && p->BindAny) {
                p->BindAny(*Obj, Fn);
                if (Fn) ++bound;
            }
        }
    }

    // One input step; what escapes it is what the message loop would catch and report.
    template <class F>
    void Step(const std::string& What, F&& Fn) {
        try {
            Fn();
        } catch (const Exception& e) {
            ++escaped;
            escapes.push_back(What + ": " + e.Message());
        } catch (const std::exception& e) {
            faults.push_back(What + ": " + e.what() + " is not a framework exception");
        } catch (...) {
            faults.push_back(What + ": unknown exception");
        }
    }

    // The mouse, keys and typed text on a control; then time and property changes.
    void Storm(TComponent* Obj, const TClassInfo& Cls) {
        if (auto* ctl = dynamic_cast<TControl*>(Obj); ctl != nullptr && !dynamic_cast<TCustomForm*>(ctl)) {
            const int x = ctl->GetWidth() / 2, y = ctl->GetHeight() / 2;
            for (auto [px, py] : {std::pair{x, y}, std::pair{3, 3}, std::pair{ctl->GetWidth() - 4, ctl->GetHeight() - 4}}) {
                Step("move", [&] { Input::MouseMove(ctl, px, py); });
                Step("click", [&] { Input::Click(ctl, px, py); });
                Step("double click", [&] { Input::DblClick(ctl, px, py); });
                Step("right click", [&] { Input::Click(ctl, px, py, {}, mbRight); });
                Step("wheel", [&] { Input::Wheel(ctl, 120, px, py); });
                Step("wheel back", [&] { Input::Wheel(ctl, -240, px, py); });
            }
            // A press held while time passes (repeating buttons, drag scrolling).
            Step("press", [&] { Input::MouseDown(ctl, mbLeft, {}, x, y); });
            Step("time while pressed", [&] { Application->AdvanceTime(1500); });
            Step("release", [&] { Input::MouseUp(ctl, mbLeft, {}, x, y); });
            for (WORD key : {WORD(VK_LEFT), WORD(VK_RIGHT), WORD(VK_UP), WORD(VK_DOWN), WORD(VK_HOME), WORD(VK_END),
                             WORD(VK_PRIOR), WORD(VK_NEXT), WORD(VK_F2), WORD(VK_RETURN), WORD(VK_ESCAPE),
                             WORD(VK_SPACE), WORD(VK_DELETE), WORD(VK_INSERT)}) {
                Step("key " + std::to_string(key), [&] { Input::KeyDown(ctl, key); });
                Step("key up " + std::to_string(key), [&] { Input::KeyUp(ctl, key); });
            }
            Step("typing", [&] { Input::TypeText(ctl, "1a,-\b"); });
            Step("escape", [&] { Input::KeyDown(ctl, VK_ESCAPE); });
        }
        // Every writable property to another value: change events fire.
        for (const TPropInfo* p : Cls.Properties()) {
            if (!IsWritableScalar(*p) || p->Name == "Name" || p->Name == "Visible") continue;
            Step("setting " + p->Name, [&] { p->SetAsText(*Obj, OtherValueText(*p, *Obj)); });
        }
        Step("time", [&] { Application->AdvanceTime(3000); });
    }

    // Paints, and goes through form files: the text of a copy read back is the text of a
    // copy of that copy (the first copy has no parent, so it may leave out TabOrder).
    void CheckWhole(TComponent* Obj, const std::string& When) {
        Step(When + ", paint", [&] { TimedPaint(Obj); });
        std::string first, second;
        try {
            std::unique_ptr<TComponent> copy(ReadComponentText(WriteComponentText(Obj), nullptr));
            first = WriteComponentText(copy.get());
            std::unique_ptr<TComponent> again(ReadComponentText(first, nullptr));
            second = WriteComponentText(again.get());
        } catch (const std::exception& e) {
            faults.push_back(When + ": form file: " + e.what());
            return;
        }
        auto body = [](const std::string& s) { return s.substr(s.find('\n')); };   // the copy has another name
        if (body(first) != body(second)) faults.push_back(When + ": the form file reads back different:\n" + first + "\n" + second);
    }

    std::vector<std::string> faults;
    std::vector<std::string> escapes;
    int escaped = 0;
    int bound = 0;
};

TEST_P(HandlerExceptions, RaisingHandlersLeaveTheInstanceUsable) {
    const TClassInfo* cls = GetClass(GetParam());
    ASSERT_NE(cls, nullptr);
    TComponent* obj = PlaceInstance(*cls, form.get());
    if (obj->GetName().empty()) obj->SetName("Probe");
    int calls = 0;
    BindAll(obj, *cls, [&calls] {
        ++calls;
        throw Exception("handler failed");
    });
    if (bound == 0) {
        delete obj;
        GTEST_SKIP() << "publishes no event";
    }
    Storm(obj, *cls);
    // Unbound first: reading a form file makes a new form active, and the old one's
    // OnDeactivate would raise from inside the reader.
    BindAll(obj, *cls, {});
    CheckWhole(obj, "after raising handlers");
    std::printf("%s: %d events bound, %d handler calls, %d escaped to the caller, %zu reported\n",
                cls->GetName().c_str(), bound, calls, escaped, reported.size());
    EXPECT_EQ(std::size_t(escaped) + reported.size() >= std::size_t(calls), true)
        << "a handler's exception was swallowed somewhere: " << calls << " calls, " << escaped << " escaped, "
        << reported.size() << " reported";

    // The same storm with the handlers gone raises nothing.
    escaped = 0;
    escapes.clear();
    reported.clear();
    Storm(obj, *cls);
    CheckWhole(obj, "after quiet input");
    // A property may refuse a value (a date past the maximum): only input must not raise.
    std::vector<std::string> inputEscapes;
    for (const std::string& e : escapes)
        if (e.rfind("setting ", 0) != 0) inputEscapes.push_back(e);
    EXPECT_TRUE(inputEscapes.empty()) << cls->GetName() << ": input raised with no handler bound:" << Lines(inputEscapes);
    EXPECT_TRUE(reported.empty()) << cls->GetName() << ":" << Lines(reported);
    EXPECT_TRUE(faults.empty()) << cls->GetName() << ":" << Lines(faults, 10);
    delete obj;
}

// The events time alone drives (timers): with raising handlers they go on firing in every
// span of time they fire in with quiet ones, so no timer stops after its handler raised,
// and each exception reaches Application->HandleException.
TEST_P(HandlerExceptions, ExceptionsInTimersReachTheApplicationAndTheTimerGoesOn) {
    const TClassInfo* cls = GetClass(GetParam());
    ASSERT_NE(cls, nullptr);
    // Calls in each of two spans of time, with handlers that raise or not.
    auto run = [&](bool Raise) {
        TComponent* obj = PlaceInstance(*cls, form.get());
        // Everything switched on that can be (a timer's Enabled, a progress bar's automatic
        // increment, a raster label's scrolling), then the handlers bound and only time passes.
        for (const TPropInfo* p : cls->Properties())
            if (p->Kind == pkBoolean && p->Set && p->Name != "Visible")
                Step("switching on " + p->Name, [&] { p->Set(*obj, std::int64_t(1)); });
        if (auto* t = cls->FindProperty("Interval"); t && t->Set) t->Set(*obj, std::int64_t(50));
        Application->ProcessMessages();
        int calls = 0;
        BindAll(obj, *cls, [&calls, Raise] {
            ++calls;
            if (Raise) throw Exception("handler failed");
        });
        escaped = 0;
        escapes.clear();
        reported.clear();
        Application->AdvanceTime(400);
        std::pair<int, int> spans{calls, 0};
        std::size_t firstReported = reported.size();
        Application->AdvanceTime(2000);
        spans.second = calls - spans.first;
        if (Raise) {
            EXPECT_EQ(firstReported, std::size_t(spans.first)) << "timer exceptions that did not reach OnException";
            EXPECT_EQ(reported.size(), std::size_t(calls)) << Lines(reported);
        }
        BindAll(obj, *cls, {});
        delete obj;
        Application->ProcessMessages();
        return spans;
    };
    const std::pair<int, int> quiet = run(false);
    const std::pair<int, int> raising = run(true);
    std::printf("%s: time alone fires %d + %d handler calls (quiet), %d + %d (raising)\n", cls->GetName().c_str(),
                quiet.first, quiet.second, raising.first, raising.second);
    // A tick may fire several events, and the first to raise ends that tick; but every span
    // of time that fires events with quiet handlers fires some with raising ones too.
    EXPECT_EQ(raising.first > 0, quiet.first > 0) << "raising handlers stopped what time fires";
    EXPECT_EQ(raising.second > 0, quiet.second > 0) << "the timer stopped after its handler raised";
    EXPECT_EQ(escaped, 0) << Lines(escapes);
    EXPECT_TRUE(faults.empty()) << Lines(faults);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, HandlerExceptions, ::testing::ValuesIn(CreatableClassNames()), ParamName);

}  // namespace
