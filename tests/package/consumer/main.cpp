// An application outside the source tree: it finds the installed package, places a
// component on a form and paints it, and reads a form file naming framework classes it
// never mentions itself, with no set-up call of its own.
#include <cstdio>

#include "meter/Zyn_Meter.h"
#include "platform/Classes.h"
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

    // The statically linked framework still knows every class a form file may name.
    vcl::TComponent* read = vcl::ReadComponentText(
        "object Shade: TBevel\n  Shape = bsFrame\nend\n", form);
    std::printf("read=%s\n", read->ClassName().c_str());
    delete form;
    return 0;
}
