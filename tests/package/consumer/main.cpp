// An application outside the source tree: it finds the installed package, places a
// component on a form and paints it, with no set-up call of its own.
#include <cstdio>

#include "meter/Zyn_Meter.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

int main() {
    auto* form = new vcl::TForm(vcl::Application);
    auto* meter = new zyn::TMeter(form);
    meter->SetParent(form);
    meter->SetBounds(0, 0, 297, 209);
    meter->SetValue(0.5);
    vcl::TBitmap picture;
    picture.SetSize(297, 209);
    meter->PaintTo(picture.GetCanvas(), 0, 0);
    std::printf("backend=%s value=%g\n", vcl::Backend()->Name().c_str(), meter->GetValue());
    delete form;
    return 0;
}
