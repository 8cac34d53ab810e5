// The colour dialog: a modal form with a colour grid, or the test's script.
#pragma once

#include <memory>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Sets.h"

namespace vcl {

enum TColorDialogOption : std::uint8_t {
    cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor
};
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;
    std::string ClassName() const override { return "TColorDialog"; }

    TColor GetColor() const { return color_; }
    void SetColor(TColor Value) { color_ = Value; }
    // Sixteen user colours as "ColorA=RRGGBB" .. "ColorP=RRGGBB" lines.
    TStrings* GetCustomColors() const { return customColors_.get(); }
    void SetCustomColors(TStrings* Value);
    TColorDialogOptions GetOptions() const { return options_; }
    void SetOptions(TColorDialogOptions Value) { options_ = Value; }

    // Lets the user pick a colour; true and Color set when confirmed. With a person at
    // the backend a small modal form with a colour grid is shown; otherwise the test's
    // OnColorDialog script answers.
    virtual bool Execute();

    TNotifyEvent GetOnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    TNotifyEvent GetOnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }

    // The 48 colours of the grid, row by row (8 per row).
    static const TColor BasicColors[48];

protected:
    TNotifyEvent FOnShow, FOnClose;

private:
    bool RunForm();

    TColor color_ = clBlack;
    std::unique_ptr<TStrings> customColors_;
    TColorDialogOptions options_;
};

}  // namespace vcl
