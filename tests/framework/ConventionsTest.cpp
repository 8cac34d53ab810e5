// Component conventions: messages, scheme colours and the hidden-window timer.
#include <gtest/gtest.h>

#include "framework/Zyn_conventions.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "platform/Testing.h"
#include "platform/Themes.h"

using namespace zyn;

namespace {

class EZynTestError : public EZynError {
public:
    using EZynError::EZynError;
};

// Runs a test on the virtual clock with its own exception handler, and restores both.
class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        wasVirtual_ = vcl::Application->GetVirtualClock();
        vcl::Application->SetVirtualClock(true);
        savedHandler_ = vcl::Application->GetOnException();
        vcl::Application->SetOnException([this](vcl::TObject* Sender, vcl::Exception& E) {
            reportedSender = Sender;
            reportedMessages.push_back(E.Message());
        });
        owner.SetName("Blinky");
    }
    void TearDown() override {
        vcl::Testing::FailNextTimers(0);
        vcl::Application->SetOnException(savedHandler_);
        vcl::Application->SetVirtualClock(wasVirtual_);
    }

    vcl::TComponent owner{nullptr};
    vcl::TObject* reportedSender = nullptr;
    std::vector<std::string> reportedMessages;

private:
    bool wasVirtual_ = false;
    vcl::TExceptionEvent savedHandler_;
};

}  // namespace

TEST(ComponentMessages, NameInQuotesThenText) {
    vcl::TComponent c(nullptr);
    c.SetName("Meter1");
    EXPECT_EQ(ComponentMessage(&c, msgNotEnoughMemory),
              "Component \"Meter1\": not enough memory on heap");
    EXPECT_EQ(ComponentMessage(nullptr, msgIntegerOverflow), "Component \"\": integer overflow");
    try {
        RaiseComponentError<EZynTestError>(&c, msgFailedToInitializeTableEditor);
        FAIL() << "no exception";
    } catch (const EZynTestError& e) {
        EXPECT_EQ(e.Message(), "Component \"Meter1\": failed to initialize table editor (out of memory)");
    }
}

TEST(ColorSchemes, LineColoursOfTheSchemes) {
    TLineColors fixed = LineColorsOfScheme(schFixed);
    EXPECT_EQ(fixed.Black, vcl::clBlack);
    EXPECT_EQ(fixed.Gray, vcl::clGray);
    EXPECT_EQ(fixed.White, vcl::clWhite);
    TColor black = 1, gray = 1, white = 1;
    ApplyColorScheme(schSystem, black, gray, white);
    EXPECT_EQ(black, vcl::clBlack);
    EXPECT_EQ(gray, TColor(0xFF000010));
    EXPECT_EQ(white, TColor(0xFF000014));
    ApplyColorScheme(TColorScheme(7), black, gray, white);   // any other ordinal: system colours
    EXPECT_EQ(gray, vcl::clBtnShadow);
}

TEST(ColorSchemes, FixedLinesFollowTheThemeAndOtherColoursStay) {
    EXPECT_EQ(ThemedLine(vcl::clWhite), vcl::clWhite);   // light: the fixed scheme as it is
    EXPECT_EQ(ThemedLine(vcl::clGray), vcl::clGray);
    EXPECT_EQ(ThemedLine(vcl::clBlack), vcl::clBlack);
    vcl::SelectTheme(*vcl::FindTheme("dark"));
    EXPECT_EQ(ThemedLine(vcl::clWhite), vcl::ThemeColor(vcl::trLineLight));
    EXPECT_NE(ThemedLine(vcl::clWhite), vcl::clWhite);
    EXPECT_EQ(ThemedLine(vcl::clGray), vcl::ThemeColor(vcl::trLineShadow));
    EXPECT_EQ(ThemedLine(vcl::clBlack), vcl::ThemeColor(vcl::trLineDark));
    // The system scheme and colours a program chose are not the fixed scheme's.
    EXPECT_EQ(ThemedLine(vcl::clBtnHighlight), vcl::clBtnHighlight);
    EXPECT_EQ(ThemedLine(vcl::clRed), vcl::clRed);
    vcl::SelectTheme(vcl::LightTheme());
}

TEST(PackageBitmaps, LoadedByNameAndAnUnknownNameKeepsThePicture) {
    vcl::TBitmap b;
    LoadResourceBitmap(&b, "checkbox");   // names are not case-sensitive
    EXPECT_EQ(b.GetWidth(), 32);
    EXPECT_EQ(b.GetHeight(), 32);
    EXPECT_THROW(LoadResourceBitmap(&b, "NOSUCHBITMAP"), vcl::EResNotFound);
    EXPECT_EQ(b.GetWidth(), 32);
    EXPECT_EQ(b.GetPixelFormat(), vcl::pf4bit);
}

// Light-theme artwork in the themes: nothing changes in light (not even the depth); in the
// dark themes white paper becomes the window, black ink the window text, the order of the
// greys turns over, a colour keeps its hue, and the key colour stays.
TEST(PackageBitmaps, ArtworkTakesTheThemesWindowColours) {
    vcl::TBitmap box;
    LoadResourceBitmap(&box, "CHECKBOX");
    vcl::TBitmap before;
    before.Assign(&box);
    ThemeArtwork(&box, vcl::clNone);
    EXPECT_EQ(box.GetPixelFormat(), vcl::pf4bit);
    for (int y = 0; y < box.GetHeight(); ++y)
        for (int x = 0; x < box.GetWidth(); ++x)
            ASSERT_EQ(box.GetCanvas()->GetPixels(x, y), before.GetCanvas()->GetPixels(x, y)) << x << "," << y;

    const vcl::TColor key = 0xEBBEEB, blue = 0xC86E2C;   // red 0x2C, green 0x6E, blue 0xC8
    const vcl::TColor in[] = {vcl::clWhite, vcl::clBlack, 0xC0C0C0, 0x404040, blue, key};
    for (const char* theme : {"dark", "high-contrast"}) {
        SCOPED_TRACE(theme);
        vcl::SelectTheme(*vcl::FindTheme(theme));
        vcl::TBitmap b;
        b.SetSize(6, 1);
        for (int x = 0; x < 6; ++x) b.GetCanvas()->SetPixels(x, 0, in[x]);
        ThemeArtwork(&b, key);
        auto at = [&](int x) { return b.GetCanvas()->GetPixels(x, 0); };
        EXPECT_EQ(at(0), vcl::ThemeColor(vcl::trWindow));
        EXPECT_EQ(at(1), vcl::ThemeColor(vcl::trWindowText));
        EXPECT_LT(vcl::RelativeLuminance(at(2)), vcl::RelativeLuminance(at(3)));   // light grey now the darker
        EXPECT_GT(vcl::GetBValue(at(4)), vcl::GetGValue(at(4)));                   // still blue
        EXPECT_GT(vcl::GetGValue(at(4)), vcl::GetRValue(at(4)));
        EXPECT_GT(vcl::RelativeLuminance(at(4)), vcl::RelativeLuminance(blue));    // a dark blue turns light
        EXPECT_EQ(at(5), key);
    }
    vcl::SelectTheme(vcl::LightTheme());
}

TEST_F(TimerTest, TicksAtTheIntervalUntilStopped) {
    int ticks = 0;
    TComponentTimer timer(&owner, [&] { ++ticks; });
    timer.Restart<EZynTestError>(100, true);
    EXPECT_TRUE(timer.IsRunning());
    vcl::Application->AdvanceTime(99);
    EXPECT_EQ(ticks, 0);
    vcl::Application->AdvanceTime(251);
    EXPECT_EQ(ticks, 3);
    timer.Restart<EZynTestError>(0, true);     // no interval: stopped
    vcl::Application->AdvanceTime(500);
    EXPECT_EQ(ticks, 3);
    timer.Restart<EZynTestError>(50, false);   // disabled: stopped
    vcl::Application->AdvanceTime(500);
    EXPECT_EQ(ticks, 3);
    timer.Restart<EZynTestError>(50, true);    // restarting begins a full interval anew
    vcl::Application->AdvanceTime(40);
    timer.Restart<EZynTestError>(50, true);
    vcl::Application->AdvanceTime(40);
    EXPECT_EQ(ticks, 3);
    vcl::Application->AdvanceTime(10);
    EXPECT_EQ(ticks, 4);
}

TEST_F(TimerTest, HandlerThatThrowsIsReportedAndKeepsTicking) {
    int ticks = 0;
    TComponentTimer timer(&owner, [&] {
        ++ticks;
        throw EZynTestError("handler failed");
    });
    timer.Restart<EZynTestError>(20, true);
    vcl::Application->AdvanceTime(100);
    EXPECT_EQ(ticks, 5);
    ASSERT_EQ(reportedMessages.size(), 5u);
    EXPECT_EQ(reportedMessages[0], "handler failed");
    EXPECT_EQ(reportedSender, &owner);
    EXPECT_TRUE(timer.IsRunning());
}

TEST_F(TimerTest, NoTimerAvailableRaisesTheCallersErrorClass) {
    int ticks = 0;
    TComponentTimer timer(&owner, [&] { ++ticks; });
    vcl::Testing::FailNextTimers(1);
    try {
        timer.Restart<EZynTestError>(10, true);
        FAIL() << "no exception";
    } catch (const EZynTestError& e) {
        EXPECT_EQ(e.Message(), "Component \"Blinky\": no timer available");
    }
    EXPECT_FALSE(timer.IsRunning());
    vcl::Application->AdvanceTime(100);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer.TryRestart(10, true));   // the next one works again
    vcl::Application->AdvanceTime(10);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, DestroyingTheTimerEndsItsTicks) {
    int ticks = 0;
    {
        TComponentTimer timer(&owner, [&] { ++ticks; });
        timer.Restart<EZynTestError>(10, true);
        vcl::Application->AdvanceTime(10);
    }
    vcl::Application->AdvanceTime(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, OtherMessagesGoToTheDefaultProcedure) {
    int ticks = 0;
    TComponentTimer timer(&owner, [&] { ++ticks; });
    EXPECT_EQ(vcl::SendMessage(timer.Handle(), vcl::WM_USER + 5, 1, 2), 0);
    EXPECT_EQ(vcl::SendMessage(timer.Handle(), vcl::WM_TIMER, 2, 0), 0);   // another timer id
    EXPECT_EQ(ticks, 0);
    vcl::SendMessage(timer.Handle(), vcl::WM_TIMER, TComponentTimer::TimerID, 0);
    EXPECT_EQ(ticks, 1);
}
