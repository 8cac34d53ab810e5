// The property tables of TPersistent and TComponent, the roots of every registered class.
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TPersistent, void>("TPersistent");
    RegisterClass<TComponent, TPersistent>("TComponent", [](TPublisher<TComponent>& p) {
        p.String("Name", &TComponent::GetName, &TComponent::SetName).Stored(false);
        p.Integer("Tag", &TComponent::GetTag, &TComponent::SetTag);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
