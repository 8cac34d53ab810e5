// TSizeConstraints: the smallest and largest size a control may take (0 = no limit), kept
// by SetBounds, by alignment and by form resizing.
#pragma once

#include <functional>

#include "platform/core/Component.h"

namespace vcl {

class TSizeConstraints : public TPersistent {
public:
    std::string ClassName() const override { return "TSizeConstraints"; }
    void Assign(TPersistent* Source) override;

    int GetMinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int GetMinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    int GetMaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int GetMaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value);

    // Clamps a size to the limits; a maximum below the minimum yields to the minimum.
    static void Clamp(int MinW, int MinH, int MaxW, int MaxH, int& Width, int& Height);

    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    void Change();
    TNotifyEvent FOnChange;

private:
    void Set(int& Field, int Value);
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

}  // namespace vcl
