// A first form built in code: a temperature converter. A numeric edit field takes degrees
// Celsius, a button converts them, and a numeric label shows degrees Fahrenheit. Typing
// converts at once as well, so the two event handlers below share one function.
//
//   first_form              opens the form in a window
//   first_form --png FILE   draws the form without a window and saves it as PNG
#include <cstdio>
#include <cstdlib>
#include <string>

#include "numio/Zyn_NumIO.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

using namespace vcl;
using namespace zyn;

int main(int argc, char** argv) {
    std::string png;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--png") png = argv[i + 1];
    // Pictures are drawn without a window; the backend is chosen when the first form is made.
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        // The form belongs to Application, every control to the form: freeing the form
        // frees them all.
        auto* form = new TForm(Application);
        form->SetCaption("Temperature converter");
        form->SetPosition(poScreenCenter);
        form->SetClientWidth(380);
        form->SetClientHeight(130);

        auto* label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(16, 22, 80, 20);
        label->SetCaption("Celsius:");

        auto* celsius = new TNumIO(form);
        celsius->SetParent(form);
        celsius->SetBounds(100, 18, 150, 24);
        celsius->SetInputFormat(itFixPoint);   // digits with at most one decimal
        celsius->SetFixPointDecPlaces(1);
        celsius->SetRangeLow(-273.15);   // nothing is colder
        celsius->SetRangeHigh(10000);
        celsius->SetValue(21.5);

        auto* convert = new TButton(form);
        convert->SetParent(form);
        convert->SetBounds(264, 17, 100, 26);
        convert->SetCaption("Convert");
        convert->SetDefault(true);   // Enter presses it

        auto* fahrenheit = new TNumLab(form);
        fahrenheit->SetParent(form);
        fahrenheit->SetBounds(16, 70, 348, 28);
        fahrenheit->SetLeftText("Fahrenheit");
        fahrenheit->SetLeftSpace(84);
        fahrenheit->SetRightText("\u00B0F");
        fahrenheit->SetDisplayType(dtFixP);
        fahrenheit->SetPrecision(1);
        fahrenheit->SetFrameStyle(frSunken);

        // Event handlers are std::function values; the first argument is the sender.
        auto update = [celsius, fahrenheit](TObject*) {
            fahrenheit->SetValue(celsius->GetValue() * 9 / 5 + 32);
        };
        convert->SetOnClick(update);
        celsius->SetOnChange(update);
        update(nullptr);

        form->Show();
        if (!png.empty()) {
            Application->ProcessMessages();   // lets the form paint once
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();               // until the window is closed
        } else {
            std::fprintf(stderr, "first_form: no display here; try --png FILE\n");
        }
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "first_form: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
