// The property tables of TOpenDialog and TSaveDialog.
#include "platform/controls/forms/FileDialog.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TOpenDialog, TComponent>("TOpenDialog", [](TPublisher<TOpenDialog>& p) {
        p.String("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
        p.String("FileName", &TOpenDialog::GetFileName, &TOpenDialog::SetFileName);
        p.String("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
        p.Integer("FilterIndex", &TOpenDialog::GetFilterIndex, &TOpenDialog::SetFilterIndex, 1);
        p.String("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
        p.Set("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions,
              {"ofOverwritePrompt", "ofPathMustExist", "ofFileMustExist", "ofShowHidden"});
        p.String("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
        p.Event("OnShow", &TOpenDialog::GetOnShow, &TOpenDialog::SetOnShow);
        p.Event("OnClose", &TOpenDialog::GetOnClose, &TOpenDialog::SetOnClose);
    });
    RegisterClass<TSaveDialog, TOpenDialog>("TSaveDialog", [](TPublisher<TSaveDialog>&) {});
    return true;
}();

}  // namespace
}  // namespace vcl
