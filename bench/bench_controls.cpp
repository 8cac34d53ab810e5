// Controls layer: full repaint of a busy form, coalesced invalidation, typing into an edit.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

using namespace vcl;

namespace {

// A 640 x 480 form with a grid of labels, edits and speed buttons (300 controls).
std::unique_ptr<TForm> BusyForm() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 640, 480);
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 5; ++col) {
            int x = col * 128, y = row * 24;
            auto* label = new TLabel(form.get());
            label->SetParent(form.get());
            label->SetBounds(x + 2, y + 4, 30, 15);
            label->SetCaption("L" + std::to_string(row * 5 + col));
            auto* edit = new TEdit(form.get());
            edit->SetParent(form.get());
            edit->SetBounds(x + 34, y + 1, 60, 21);
            edit->SetText("value " + std::to_string(col));
            auto* button = new TSpeedButton(form.get());
            button->SetParent(form.get());
            button->SetBounds(x + 96, y + 1, 28, 22);
            button->SetCaption("...");
        }
    }
    form->Show();
    Application->ProcessMessages();
    return form;
}

void BM_FullRepaintOfBusyForm(benchmark::State& state) {
    auto form = BusyForm();
    for (auto _ : state) {
        form->Invalidate();
        form->Update();
    }
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(BM_FullRepaintOfBusyForm)->Unit(benchmark::kMillisecond);

void BM_ManyInvalidationsOnePass(benchmark::State& state) {
    auto form = BusyForm();
    for (auto _ : state) {
        for (int i = 0; i < form->GetControlCount(); ++i) form->GetControls(i)->Invalidate();
        Application->ProcessMessages();
    }
}
BENCHMARK(BM_ManyInvalidationsOnePass)->Unit(benchmark::kMillisecond);

void BM_TypeIntoEdit(benchmark::State& state) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 300, 21);
    edit->SetText(std::string(std::size_t(state.range(0)), 'x'));
    edit->SetSelStart(edit->GetTextLength());
    form.Show();
    for (auto _ : state) {
        Input::KeyPress(edit, U'a');
        Input::KeyDown(edit, VK_BACK);
    }
}
BENCHMARK(BM_TypeIntoEdit)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
