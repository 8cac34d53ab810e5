#include "platform/controls/base/SizeConstraints.h"

#include <algorithm>

#include "platform/core/PropInfo.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

void TSizeConstraints::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TSizeConstraints*>(Source);
    if (s == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (s == this) return;
    FMinWidth = s->FMinWidth;
    FMinHeight = s->FMinHeight;
    FMaxWidth = s->FMaxWidth;
    FMaxHeight = s->FMaxHeight;
    Change();
}

void TSizeConstraints::Set(int& Field, int Value) {
    if (Value < 0) throw EInvalidOperation("A size constraint cannot be negative (" + std::to_string(Value) + ")");
    if (Field == Value) return;
    Field = Value;
    Change();
}

void TSizeConstraints::SetMinWidth(int Value) { Set(FMinWidth, Value); }
void TSizeConstraints::SetMinHeight(int Value) { Set(FMinHeight, Value); }
void TSizeConstraints::SetMaxWidth(int Value) { Set(FMaxWidth, Value); }
void TSizeConstraints::SetMaxHeight(int Value) { Set(FMaxHeight, Value); }

void TSizeConstraints::Change() {
    if (FOnChange) FOnChange(this);
}

void TSizeConstraints::Clamp(int MinW, int MinH, int MaxW, int MaxH, int& Width, int& Height) {
    if (MaxW > 0) Width = std::min(Width, MaxW);
    if (MaxH > 0) Height = std::min(Height, MaxH);
    if (MinW > 0) Width = std::max(Width, MinW);
    if (MinH > 0) Height = std::max(Height, MinH);
}

namespace {

const bool registered = [] {
    RegisterClass<TSizeConstraints, TPersistent>("TSizeConstraints", [](TPublisher<TSizeConstraints>& p) {
        p.Integer("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight, 0);
        p.Integer("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth, 0);
        p.Integer("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight, 0);
        p.Integer("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth, 0);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
