// A program that ends with forms still alive, as many applications and benchmarks do: one
// held in a global smart pointer (made before any of the platform's own static objects, so
// freed after them), shown, with a focused edit field and a modal loop behind it; and one
// owned by the application, which the end of the program frees. The process must exit 0
// (and, in the sanitizer build, without a report) and say that the application's form went.
#include <cstdio>
#include <memory>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/controls/base/Backend.h"

namespace {

std::unique_ptr<vcl::TForm> g_lateForm;

class TApplicationForm : public vcl::TForm {
public:
    using vcl::TForm::TForm;
    ~TApplicationForm() override { std::puts("application form freed"); }
};

}  // namespace

int main() {
    vcl::SetBackend(std::make_unique<vcl::THeadlessBackend>());
    g_lateForm = std::make_unique<vcl::TForm>(nullptr);
    auto* edit = new vcl::TEdit(g_lateForm.get());
    edit->SetParent(g_lateForm.get());
    g_lateForm->Show();
    vcl::Application->ProcessMessages();
    edit->SetFocus();
    const bool focused = edit->Focused();

    auto* owned = new TApplicationForm(vcl::Application);
    auto* button = new vcl::TButton(owned);
    button->SetParent(owned);
    owned->Show();
    vcl::Application->ProcessMessages();
    return focused ? 0 : 2;
}
