// TPersistent and TComponent: assignment, ownership and free notification.
#include "platform/core/Component.h"

#include <algorithm>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

bool SameTextAscii(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

void Erase(std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
}

}  // namespace

void TPersistent::Assign(TPersistent* Source) {
    if (Source != nullptr) {
        Source->AssignTo(this);
        return;
    }
    throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* Dest) {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " +
                        (Dest ? Dest->ClassName() : std::string("nil")));
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_.Include(csDestroying);
    // Tell everyone who asked; they drop their references to us.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    // Owned components go in reverse order of creation.
    while (!components_.empty()) {
        TComponent* child = components_.back();
        Remove(child);
        Notification(child, opRemove);
        delete child;
    }
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& NewName) {
    if (NewName == name_) return;
    if (!NewName.empty() && owner_ != nullptr) {
        TComponent* other = owner_->FindComponent(NewName);
        if (other != nullptr && other != this)
            throw EComponentError("A component named " + NewName + " already exists");
    }
    name_ = NewName;
}

void TComponent::SetComponentStateItem(TComponentStateItem Item, bool On) {
    if (On) state_.Include(Item); else state_.Exclude(Item);
}

void TComponent::SetDesigning(bool Value) {
    SetComponentStateItem(csDesigning, Value);
    for (TComponent* owned : components_) owned->SetDesigning(Value);
}

TComponent* TComponent::GetComponent(int Index) const {
    if (Index < 0 || Index >= GetComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return components_[static_cast<size_t>(Index)];
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameTextAscii(c->name_, AName)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
    Insert(AComponent);
    // What a designed component owns is designed too, from the moment it is made: a
    // constructor or a form being read then starts no timer and takes no input.
    if (state_.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (AComponent->owner_ != this) return;
    if (!state_.Contains(csDestroying)) Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
    components_.push_back(AComponent);
    AComponent->owner_ = this;
}

void TComponent::Remove(TComponent* AComponent) {
    Erase(components_, AComponent);
    AComponent->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (AComponent == nullptr || AComponent == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
        freeNotifies_.push_back(AComponent);
        AComponent->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (AComponent == nullptr) return;
    Erase(freeNotifies_, AComponent);
    Erase(AComponent->freeNotifies_, this);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    (void)AComponent;
    (void)Operation;
}

}  // namespace vcl

namespace vcl {

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    if (Root != this) return;
    // Copy: Proc may create or free components.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (!c->HasParent() && !c->IsInnerPart()) Proc(c);
}

std::string TComponent::GetEventHandlerName(const std::string& EventName) const {
    for (const auto& [event, handler] : eventHandlerNames_)
        if (SameTextAscii(event, EventName)) return handler;
    return std::string();
}

void TComponent::SetEventHandlerName(const std::string& EventName, const std::string& HandlerName) {
    for (auto it = eventHandlerNames_.begin(); it != eventHandlerNames_.end(); ++it) {
        if (!SameTextAscii(it->first, EventName)) continue;
        if (HandlerName.empty()) eventHandlerNames_.erase(it);
        else it->second = HandlerName;
        return;
    }
    if (!HandlerName.empty()) eventHandlerNames_.emplace_back(EventName, HandlerName);
}

}  // namespace vcl
