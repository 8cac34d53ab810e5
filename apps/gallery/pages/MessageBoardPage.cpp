// Page "Message board": a station's dot-matrix displays. An amber news line scrolls to the
// left without end, a departures table stands still in fixed pitch, a red notice rises
// line by line, a blue banner in a rasterised platform font runs to the right, and a small
// countdown counts to the next departure. The buttons change the news line's speed and
// direction.
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "rasterlab/Zyn_RasterLab.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

constexpr TColor Amber = 0x0000B0FF;      // red 255, green 176
constexpr TColor AmberOff = 0x00182430;
constexpr TColor Green = 0x0040FF40;
constexpr TColor GreenOff = 0x00183018;
constexpr TColor Red = 0x003030FF;
constexpr TColor RedOff = 0x00201838;
constexpr TColor Blue = 0x00FFB040;
constexpr TColor BlueOff = 0x00402818;

const char* const kNews =
    "Welcome to Central Station  +++  Platform 4: the 10:42 to Riverside leaves about 5 minutes late  +++  "
    "Today's connections: Z\xC3\xBCrich, Gen\xC3\xA8ve, K\xC3\xB6ln, M\xC3\xA1laga  +++  "
    "Please keep your luggage with you at all times  +++  ";

const char* const kNotices[] = {"Platform 2", "closed for", "repairs", "Use the", "footbridge"};

struct Departure {
    const char* line;
};

const Departure kDepartures[] = {
    {"10:42 Riverside      4  +5"},
    {"10:50 Airport Exp.   1"},
    {"11:05 Harbour        6"},
};

TRasterLab* MakeBoard(PageContext& Page, int Left, int Top, int Width, int Height) {
    auto* b = new TRasterLab(Page.Form);
    b->SetParent(Page.Host);
    b->SetBounds(Left, Top, Width, Height);
    return b;
}

class MessageBoardPage {
public:
    explicit MessageBoardPage(PageContext& Page) : page_(Page) {
        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(20, 10, 500, 20);
        heading->SetCaption("Central Station: concourse displays");
        heading->GetFont()->SetStyle({fsBold});

        // The news line: large amber dots, scrolling left and starting over.
        news_ = MakeBoard(Page, 20, 36, 760, 60);
        news_->SetColorDotOn(Amber);
        news_->SetColorDotOff(AmberOff);
        news_->SetDotSize(4);
        news_->SetAutoHeight(true);
        news_->SetPosY(2);
        news_->SetText(kNews);
        news_->SetScrollInterval(30);
        news_->SetScrollIncrement(2);
        news_->SetOnScrollLoopRestart([this](TObject*) {
            ++rounds_;
            page_.Record("news-rounds", IntToStr(rounds_));
        });
        news_->SetScrollMode(rdsmLeft);

        // The departures: three still lines in fixed pitch on a continuous dot raster, in
        // one housing.
        auto* housing = new TPanel(Page.Form);
        housing->SetParent(Page.Host);
        housing->SetBounds(20, 120, 470, 118);
        housing->SetBevelOuter(bvLowered);
        housing->SetColor(clBlack);
        housing->SetCaption("");
        for (int i = 0; i < 3; ++i) {
            auto* d = new TRasterLab(Page.Form);
            d->SetParent(housing);
            d->SetBounds(4, 4 + i * 36, 460, 36);
            d->SetColorDotOn(Green);
            d->SetColorDotOff(GreenOff);
            d->SetCharBlockMode(rdbmRaster);
            d->SetDotSize(2);
            d->SetDotSpacing(1);
            d->SetProportional(false);
            d->SetFrameStyle(frNone);
            d->SetAutoHeight(true);
            d->SetText(kDepartures[i].line);
            departures_[i] = d;
        }

        // A notice that rises line by line; each time it has gone, the next line comes.
        notice_ = MakeBoard(Page, 510, 120, 270, 60);
        notice_->SetColorDotOn(Red);
        notice_->SetColorDotOff(RedOff);
        notice_->SetDotSize(2);
        notice_->SetAutoHeight(true);
        notice_->SetAutoCenter(true);
        notice_->SetFrameStyle(frRaisedDouble);
        notice_->SetText(kNotices[0]);
        notice_->SetScrollInterval(60);
        notice_->SetOnScrollLoopRestart([this](TObject*) {
            line_ = (line_ + 1) % 5;
            notice_->SetText(kNotices[line_]);
        });
        notice_->SetScrollMode(rdsmUp);

        // A banner in a platform font, rasterised into dots, running to the right.
        banner_ = MakeBoard(Page, 20, 256, 760, 60);
        banner_->SetColorDotOn(Blue);
        banner_->SetColorDotOff(BlueOff);
        banner_->SetCharBlockMode(rdbmOff);
        banner_->SetColorLabBakG(TColor(0x00100804));
        banner_->SetDotSize(2);
        banner_->SetDotSpacing(1);
        banner_->GetFont()->SetName("DejaVu Sans");
        banner_->GetFont()->SetStyle({fsBold});
        banner_->GetFont()->SetSize(12);
        banner_->SetAutoHeight(true);
        banner_->SetPosX(120);
        banner_->SetText("Trains every 10 minutes - Harbour Line");
        banner_->SetScrollInterval(40);
        banner_->SetScrollMode(rdsmRight);

        // The countdown to the next departure, centred, without a grid.
        countdown_ = MakeBoard(Page, 510, 176, 270, 30);
        countdown_->SetColorDotOn(Green);
        countdown_->SetCharBlockMode(rdbmOff);
        countdown_->SetDotSize(1);
        countdown_->SetFrameStyle(frSingle);
        countdown_->SetAutoHeight(true);
        countdown_->SetAutoCenter(true);
        countdown_->SetPosY(2);
        ShowCountdown();
        countdownTimer_ = new TTimer(Page.Form);
        countdownTimer_->SetInterval(1000);
        countdownTimer_->SetOnTimer([this](TObject*) {
            seconds_ = seconds_ > 0 ? seconds_ - 1 : 299;
            ShowCountdown();
        });

        // Speed and direction of the news line.
        const char* captions[] = {"Slower", "Faster", "Reverse", "Stop / go"};
        for (int i = 0; i < 4; ++i) {
            auto* b = new TButton(Page.Form);
            b->SetParent(Page.Host);
            b->SetBounds(20 + i * 110, 346, 100, 28);
            b->SetCaption(captions[i]);
            b->SetOnClick([this, i](TObject*) { Press(i); });
        }
        status_ = new TLabel(Page.Form);
        status_->SetParent(Page.Host);
        status_->SetBounds(470, 352, 320, 20);
        ShowStatus();

        Page.Watch("news-offset", [this] { return IntToStr(news_->GetScrollPosX()); });
        Page.Watch("news-mode", [this] { return IntToStr(int(news_->GetScrollMode())); });
        Page.Watch("notice", [this] { return notice_->GetText(); });
    }

private:
    void Press(int Button) {
        switch (Button) {
            case 0: news_->SetScrollInterval(news_->GetScrollInterval() * 2); break;
            case 1: news_->SetScrollInterval(news_->GetScrollInterval() / 2); break;
            case 2: news_->SetScrollMode(news_->GetScrollMode() == rdsmLeft ? rdsmRight : rdsmLeft); break;
            case 3:
                if (news_->GetScrollMode() == rdsmOff) {
                    news_->SetScrollMode(lastMode_);
                } else {
                    lastMode_ = news_->GetScrollMode();
                    news_->SetScrollMode(rdsmOff);
                }
                break;
        }
        ShowStatus();
    }

    void ShowStatus() {
        const char* dir = news_->GetScrollMode() == rdsmOff    ? "stopped"
                          : news_->GetScrollMode() == rdsmLeft ? "to the left"
                                                               : "to the right";
        status_->SetCaption(std::string("News line: ") + dir + ", a step every " +
                            IntToStr(news_->GetScrollInterval()) + " ms");
    }

    void ShowCountdown() {
        countdown_->SetText("Next train in " + IntToStr(seconds_ / 60) + ":" + (seconds_ % 60 < 10 ? "0" : "") +
                            IntToStr(seconds_ % 60));
    }

    PageContext page_;
    TRasterLab* news_ = nullptr;
    TRasterLab* departures_[3] = {};
    TRasterLab* notice_ = nullptr;
    TRasterLab* banner_ = nullptr;
    TRasterLab* countdown_ = nullptr;
    TTimer* countdownTimer_ = nullptr;
    TLabel* status_ = nullptr;
    TRDScrollMode lastMode_ = rdsmLeft;
    int rounds_ = 0;
    int line_ = 0;
    int seconds_ = 222;
};

}  // namespace

void BuildMessageBoardPage(PageContext& Page) { Page.Keep(std::make_unique<MessageBoardPage>(Page)); }

}  // namespace gallery
