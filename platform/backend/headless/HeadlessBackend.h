// The headless backend: forms without a display, the virtual clock, and the scripts that
// stand in for the user in modal forms, popup menus and colour dialogs.
#pragma once

#include <functional>
#include <map>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/forms/ColorDialog.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"
#include "platform/runtime/Geometry.h"

namespace vcl {
class TForm;

class THeadlessBackend final : public TBackend {
public:
    std::string Name() const override { return "headless"; }
    bool IsInteractive() const override { return false; }
    bool WantsVirtualClock() const override { return true; }

    void CreateNativeWindow(TCustomForm* Form) override { windows_[Form] = false; }
    void DestroyNativeWindow(TCustomForm* Form) override { windows_.erase(Form); }
    void ShowNativeWindow(TCustomForm* Form, bool Visible) override { windows_[Form] = Visible; }
    void UpdateNativeWindow(TCustomForm*) override {}
    void Present(TCustomForm*, const std::vector<TRect>&) override { ++presentCount_; }
    void SetCursor(TCursor Cursor) override { cursor_ = Cursor; }
    void SetCapture(TCustomForm*, bool On) override { captured_ = On; }

    void RunScriptedModal(TCustomForm* Form) override;
    TMenuItem* RunScriptedPopup(TPopupMenu* Menu, int X, int Y) override;
    std::optional<bool> RunScriptedColorDialog(TColorDialog* Dialog) override;

    int PresentCount() const { return presentCount_; }
    TCursor Cursor() const { return cursor_; }

    // The scripts (see platform/backend/headless/TestingInput.h).
    static std::function<void(TForm*)>& ModalScript();
    static std::function<TMenuItem*(TPopupMenu*, int, int)>& PopupScript();
    static std::function<bool(TColorDialog*)>& ColorDialogScript();
    // The backend in use when it is the headless one, else nullptr.
    static THeadlessBackend* Current();

private:
    std::map<TCustomForm*, bool> windows_;
    int presentCount_ = 0;
    TCursor cursor_ = crDefault;
    bool captured_ = false;
};

// Makes the headless backend available for selection (every program has it registered
// before main runs; see platform/backend/Registrars.cpp). Safe to call more than once.
void RegisterHeadlessBackend();

}  // namespace vcl
