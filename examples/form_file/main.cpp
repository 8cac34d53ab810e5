// The temperature converter of first_form, its layout read from a form file
// (converter.form) instead of built in code. The program only supplies the event handlers
// the file names and finds the components it needs by their names.
//
//   form_file [FORM_FILE]              opens the form in a window
//   form_file [FORM_FILE] --png FILE   draws the form without a window and saves it as PNG
#include <cstdio>
#include <cstdlib>
#include <string>

#include "numio/Zyn_NumIO.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/Classes.h"
#include "platform/Forms.h"

using namespace vcl;
using namespace zyn;

#ifndef FORM_FILE
#define FORM_FILE "converter.form"
#endif

// The component of that name and class on the form; a form file that lacks it is an error.
template <class T>
T* Find(TComponent* Form, const std::string& Name) {
    T* c = dynamic_cast<T*>(Form->FindComponent(Name));
    if (c == nullptr) throw Exception("The form file has no " + Name);
    return c;
}

int main(int argc, char** argv) {
    std::string png, formFile = FORM_FILE;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--png" && i + 1 < argc) png = argv[++i];
        else formFile = argv[i];
    }
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        // The handlers are looked up by the names the file gives them. They find their
        // components when called, once the whole file has been read.
        TForm* form = nullptr;
        auto update = [&form](TObject*) {
            if (form == nullptr) return;   // still reading
            auto* celsius = Find<TNumIO>(form, "Celsius");
            Find<TNumLab>(form, "Fahrenheit")->SetValue(celsius->GetValue() * 9 / 5 + 32);
        };
        TEventHandlers handlers;
        handlers.Add("ConvertClick", TNotifyEvent(update));
        handlers.Add("CelsiusChange", TNotifyEvent(update));
        // Makes the outer object (a TForm, owned by Application) and the components nested
        // in it (owned by the form), sets their properties, then calls Loaded on each. A
        // mistake in the file raises EReadError naming the line.
        TComponent* read = ReadFormFile(formFile, Application, handlers);
        form = dynamic_cast<TForm*>(read);
        if (form == nullptr) {
            delete read;
            throw Exception(formFile + " does not describe a TForm");
        }
        update(nullptr);

        form->Show();
        if (!png.empty()) {
            Application->ProcessMessages();
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();
        } else {
            std::fprintf(stderr, "form_file: no display here; try --png FILE\n");
        }
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "form_file: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
