#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Testing.h"
#include "platform/Win32.h"

using namespace vcl;

namespace {

// A component timer built the way the components build theirs: a hidden window, timer 1,
// a window procedure that guards the handler and reports through HandleException.
class Ticker {
public:
    Ticker() { wnd_ = AllocateHWnd([this](TMessage& m) { WndProc(m); }); }
    ~Ticker() { DeallocateHWnd(wnd_); }

    bool Start(UINT interval) {
        KillTimer(wnd_, 1);
        return SetTimer(wnd_, 1, interval, nullptr) != 0;
    }
    void Stop() { KillTimer(wnd_, 1); }
    HWND Handle() const { return wnd_; }

    std::vector<std::int64_t> ticks;
    std::function<void()> onTick;

private:
    void WndProc(TMessage& m) {
        if (m.Msg != WM_TIMER) {
            m.Result = DefWindowProc(wnd_, m.Msg, m.WParam, m.LParam);
            return;
        }
        try {
            ticks.push_back(Application->GetClockMs());
            if (onTick) onTick();
        } catch (...) {
            Application->HandleException(nullptr);
        }
    }
    HWND wnd_;
};

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->SetVirtualClock(true);
        Application->ProcessMessages();
        start = Application->GetClockMs();
        Application->SetOnException(nullptr);
    }
    void TearDown() override {
        Application->SetOnException(nullptr);
        Testing::FailNextTimers(0);
    }
    std::vector<std::int64_t> Relative(const std::vector<std::int64_t>& v) const {
        std::vector<std::int64_t> r;
        for (auto t : v) r.push_back(t - start);
        return r;
    }
    std::int64_t start = 0;
};

}  // namespace

TEST_F(TimerTest, RestartWithNewIntervalTicksAFullIntervalAfterTheChange) {
    Ticker t;
    ASSERT_TRUE(t.Start(500));
    Application->AdvanceTime(499);
    EXPECT_TRUE(t.ticks.empty());
    Application->AdvanceTime(1);                 // 500
    Application->AdvanceTime(700);               // 1000 and not yet 1500
    EXPECT_EQ(Relative(t.ticks), (std::vector<std::int64_t>{500, 1000}));
    ASSERT_TRUE(t.Start(200));                   // at 1200: next ticks 1400, 1600, ...
    Application->AdvanceTime(650);
    EXPECT_EQ(Relative(t.ticks), (std::vector<std::int64_t>{500, 1000, 1400, 1600, 1800}));
    t.Stop();
    Application->AdvanceTime(5000);
    EXPECT_EQ(t.ticks.size(), 5u);
}

TEST_F(TimerTest, TimersInterleaveInTimeOrderAndShortIntervalsAreRaised) {
    Ticker a, b;
    std::vector<std::string> order;
    a.onTick = [&] { order.push_back("a"); };
    b.onTick = [&] { order.push_back("b"); };
    ASSERT_TRUE(a.Start(30));
    ASSERT_TRUE(b.Start(1));                     // raised to 10 ms
    Application->AdvanceTime(60);
    EXPECT_EQ(Relative(b.ticks), (std::vector<std::int64_t>{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(Relative(a.ticks), (std::vector<std::int64_t>{30, 60}));
    // At 30 and 60 both fall due: the timer started first goes first.
    EXPECT_EQ(order, (std::vector<std::string>{"b", "b", "a", "b", "b", "b", "a", "b"}));
}

TEST_F(TimerTest, PostedMessagesRunBetweenTicks) {
    Ticker t;
    std::vector<std::string> log;
    HWND sink = AllocateHWnd([&](TMessage& m) { log.push_back("msg" + std::to_string(m.WParam)); });
    t.onTick = [&] {
        log.push_back("tick");
        PostMessage(sink, WM_USER, t.ticks.size(), 0);
    };
    ASSERT_TRUE(t.Start(100));
    Application->AdvanceTime(250);
    EXPECT_EQ(log, (std::vector<std::string>{"tick", "msg1", "tick", "msg2"}));
    DeallocateHWnd(sink);
}

TEST_F(TimerTest, ExceptionInHandlerIsReportedAndTimerKeepsTicking) {
    Ticker t;
    int reports = 0;
    std::string message;
    TObject* sender = reinterpret_cast<TObject*>(1);
    Application->SetOnException([&](TObject* s, Exception& e) {
        ++reports;
        message = e.Message();
        sender = s;
    });
    t.onTick = [&] { if (t.ticks.size() == 2) throw EConvertError("bad tick"); };
    ASSERT_TRUE(t.Start(100));
    Application->AdvanceTime(400);
    EXPECT_EQ(t.ticks.size(), 4u);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(message, "bad tick");
    EXPECT_EQ(sender, nullptr);
}

TEST_F(TimerTest, LoopSurvivesAnUnguardedWindowProcedure) {
    int reports = 0;
    int ticks = 0;
    Application->SetOnException([&](TObject* s, Exception& e) {
        ++reports;
        EXPECT_EQ(s, Application);
        EXPECT_EQ(e.Message(), "plain failure");   // a std::exception arrives wrapped
    });
    HWND wnd = AllocateHWnd([&](TMessage& m) {
        if (m.Msg == WM_TIMER) { ++ticks; throw std::runtime_error("plain failure"); }
    });
    ASSERT_NE(SetTimer(wnd, 7, 50, nullptr), 0u);
    Application->AdvanceTime(200);
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(reports, 4);
    DeallocateHWnd(wnd);
}

TEST_F(TimerTest, WithoutOnExceptionTheMessageGoesToStandardError) {
    Ticker t;
    t.onTick = [] { throw EInOutError("disk gone"); };
    ASSERT_TRUE(t.Start(100));
    ::testing::internal::CaptureStderr();
    Application->AdvanceTime(100);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "disk gone\n");
}

TEST_F(TimerTest, FailNextTimersMakesSetTimerFail) {
    Ticker t;
    Testing::FailNextTimers(2);
    EXPECT_FALSE(t.Start(100));
    EXPECT_FALSE(t.Start(100));
    EXPECT_TRUE(t.Start(100));
    Application->AdvanceTime(100);
    EXPECT_EQ(t.ticks.size(), 1u);
}

TEST_F(TimerTest, TimersDieWithTheirWindowAndStaleHandlesAreRefused) {
    HWND wnd;
    {
        Ticker t;
        wnd = t.Handle();
        ASSERT_TRUE(t.Start(10));
        PostMessage(wnd, WM_USER, 0, 0);
    }   // destroyed with a timer running and a message queued
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(Application->PendingMessageCount(), 0);
    Application->AdvanceTime(100);               // nothing may reach the dead window
    EXPECT_EQ(SetTimer(wnd, 1, 10, nullptr), 0u);
    EXPECT_EQ(PostMessage(wnd, WM_USER, 0, 0), FALSE);
    EXPECT_EQ(KillTimer(wnd, 1), FALSE);
}

TEST_F(TimerTest, HandlerMayKillItsTimerOrFreeItsWindow) {
    auto* t = new Ticker;
    Ticker** slot = &t;
    t->onTick = [slot] {
        Ticker** s = slot;                // the closure dies with its ticker: copy first
        if ((*s)->ticks.size() == 2) {
            Ticker* victim = *s;
            *s = nullptr;
            delete victim;
        }
    };
    ASSERT_TRUE(t->Start(100));
    Application->AdvanceTime(1000);
    EXPECT_EQ(t, nullptr);
}

TEST_F(TimerTest, CoalescedTickOnTheRealClock) {
    Application->SetVirtualClock(false);
    std::int64_t before = Application->GetClockMs();
    Ticker t;
    ASSERT_TRUE(t.Start(10));
    // Busy for a few intervals without the loop running: only one tick is owed.
    while (Application->GetClockMs() - before < 45) {
    }
    Application->ProcessMessages();
    EXPECT_EQ(t.ticks.size(), 1u);
    Application->SetVirtualClock(true);
    EXPECT_GE(Application->GetClockMs(), before + 45);   // switching keeps the reading
}

TEST_F(TimerTest, TimerProcAndThreadTimers) {
    static int calls = 0;
    static UINT_PTR seenId = 0;
    calls = 0;
    TIMERPROC proc = [](HWND, UINT msg, UINT_PTR id, DWORD) { if (msg == WM_TIMER) { ++calls; seenId = id; } };
    UINT_PTR id = SetTimer(nullptr, 0, 25, proc);
    ASSERT_NE(id, 0u);
    Application->AdvanceTime(100);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(seenId, id);
    EXPECT_EQ(KillTimer(nullptr, id), TRUE);
    EXPECT_EQ(SetTimer(nullptr, 0, 25, nullptr), 0u);   // a thread timer needs a callback
}

TEST_F(TimerTest, SendMessageAnswersAtOnceAndBeepsAreCounted) {
    HWND wnd = AllocateHWnd([](TMessage& m) { m.Result = LRESULT(m.WParam * 2); });
    EXPECT_EQ(SendMessage(wnd, WM_USER, 21, 0), 42);
    DeallocateHWnd(wnd);
    EXPECT_EQ(SendMessage(wnd, WM_USER, 21, 0), 0);
    Testing::ResetBeepCount();
    MessageBeep(0);
    MessageBeep(MB_ICONERROR);
    EXPECT_EQ(Testing::BeepCount(), 2);
}

TEST_F(TimerTest, RunEndsOnTerminateOrWhenNothingCanHappen) {
    Ticker t;
    t.onTick = [&] { if (t.ticks.size() == 3) Application->Terminate(); };
    ASSERT_TRUE(t.Start(100));
    Application->ResetTerminated();
    Application->Run();                          // virtual time jumps from tick to tick
    EXPECT_EQ(Relative(t.ticks), (std::vector<std::int64_t>{100, 200, 300}));
    t.Stop();
    Application->ResetTerminated();
    Application->Run();                          // no timers, no messages: returns
    EXPECT_FALSE(Application->GetTerminated());
}

// Under ZYN_BACKEND=headless the clock needs no switching on: AdvanceTime drives timers even
// when nothing has chosen the backend yet.
TEST_F(TimerTest, HeadlessBackendDrivesTimersWithoutSwitchingTheClockOn) {
    const char* was = std::getenv("ZYN_BACKEND");
    std::string saved = was != nullptr ? was : "";
    Application->SetVirtualClock(false);
    unsetenv("ZYN_BACKEND");
    EXPECT_THROW(Application->AdvanceTime(10), EInvalidOperation);   // a real clock stays real

    setenv("ZYN_BACKEND", "headless", 1);
    {
        TApplication fresh(nullptr);
        EXPECT_TRUE(fresh.GetVirtualClock());
    }
    Ticker t;
    ASSERT_TRUE(t.Start(100));
    std::int64_t t0 = Application->GetClockMs();
    Application->AdvanceTime(250);
    EXPECT_TRUE(Application->GetVirtualClock());
    ASSERT_EQ(t.ticks.size(), 2u);
    EXPECT_EQ(t.ticks[0], t0 + 100);
    EXPECT_EQ(t.ticks[1], t0 + 200);

    if (was != nullptr) setenv("ZYN_BACKEND", saved.c_str(), 1);
    else unsetenv("ZYN_BACKEND");
}
