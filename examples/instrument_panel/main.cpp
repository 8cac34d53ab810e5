// An instrument panel driven by a timer: a pump's pressure on an analog meter, its running
// time on a seven-segment display, the tank level on a progress bar and the flow on a
// numeric label. Twice a second the timer moves the simulated values on.
//
//   instrument_panel              opens the panel in a window
//   instrument_panel --png FILE   runs ten seconds of virtual time, then saves the panel
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "meter/Zyn_Meter.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "progbar/Zyn_ProgBar.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace vcl;
using namespace zyn;

int main(int argc, char** argv) {
    std::string png;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--png") png = argv[i + 1];
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        auto* form = new TForm(Application);
        form->SetCaption("Pump station 3");
        form->SetClientWidth(560);
        form->SetClientHeight(224);

        auto* pressure = new TMeter(form);
        pressure->SetParent(form);
        pressure->SetBounds(12, 12, 280, 200);
        // The range first: a value outside it would be clipped.
        pressure->SetMeterMaxValue(10);
        pressure->SetMeterMinValue(0);
        pressure->SetThresholdHigh(8);
        pressure->SetMeterNrTicks(6);   // labelled ticks: 0, 2, 4, ... 10
        pressure->SetMeterDecPlaces(0);
        pressure->SetCaption("bar");
        pressure->SetFrameStyle(frSunken);

        auto* clock = new TSevenSeg(form);
        clock->SetParent(form);
        clock->SetBounds(310, 12, 236, 74);
        clock->SetNumDigits(5);
        clock->SetMargin(7);
        clock->SetColorText(TColor(0x40FF40));
        clock->SetColorBackGnd(TColor(0x102010));
        clock->SetFrameStyle(frSunkenDouble);

        auto* level = new TProgBar(form);
        level->SetParent(form);
        level->SetBounds(310, 100, 236, 28);
        level->SetRange(0, 100);
        level->SetShowColorGradient(true);
        level->SetColorMin(TColor(0x30B030));
        level->SetColorMax(TColor(0x2020E0));
        level->SetTextDecPlaces(0);
        level->SetTextPosX(118);   // the text's centre, from the bar's left edge
        level->SetOnShowValue([](TObject*, std::string& Text) { Text = "Tank " + Text + " %"; });

        auto* flow = new TNumLab(form);
        flow->SetParent(form);
        flow->SetBounds(310, 144, 236, 28);
        flow->SetLeftText("Flow");
        flow->SetLeftSpace(60);
        flow->SetRightText("m\u00B3/h");
        flow->SetDisplayType(dtFixP);
        flow->SetPrecision(1);
        flow->SetFrameStyle(frSunkenDouble);

        // The timer belongs to the form like the controls; its ticks arrive through the
        // message loop, on the program's only thread.
        int ticks = 0;
        auto* timer = new TTimer(form);
        timer->SetInterval(500);
        timer->SetOnTimer([&](TObject*) {
            ++ticks;
            const double t = ticks * 0.5;
            pressure->SetValue(5.5 + 3 * std::sin(t / 4) + 0.3 * std::sin(t * 3));
            const int seconds = ticks / 2;
            clock->SetCaption(Format("%.2d:%.2d", {seconds / 60 % 100, seconds % 60}));
            level->SetValue(std::clamp(80 - t * 1.5, 0.0, 100.0));
            flow->SetValue(42 + 6 * std::sin(t / 3));
        });

        form->Show();
        if (!png.empty()) {
            // Headless, the clock is virtual: ten seconds pass at once, twenty ticks.
            Application->AdvanceTime(10000);
            Application->ProcessMessages();
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();
        } else {
            std::fprintf(stderr, "instrument_panel: no display here; try --png FILE\n");
        }
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "instrument_panel: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
