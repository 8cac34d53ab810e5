// Object model: TObject, TPersistent, TComponent and friends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/Sets.h"

namespace vcl {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // The class name as the framework reports it ("TMeter"). Classes that take part in
    // streaming or messages override it.
    virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }
    // Copies Source into this object. The base asks Source to assign itself to us and
    // raises EConvertError "Cannot assign a <Source> to a <Self>" when neither knows how.
    virtual void Assign(TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest);
};

enum TComponentStateItem : std::uint8_t {
    csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
    csFixups, csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation : std::uint8_t { opInsert, opRemove };

// A component is owned by its Owner, which frees it (components are freed in reverse order
// of creation). Freeing an owned component yourself is also safe: it leaves its owner first.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    std::string ClassName() const override { return "TComponent"; }

    TComponent* GetOwner() const { return owner_; }
    const std::string& GetName() const { return name_; }
    virtual void SetName(const std::string& NewName);
    std::intptr_t GetTag() const { return tag_; }
    void SetTag(std::intptr_t Value) { tag_ = Value; }

    TComponentState GetComponentState() const { return state_; }
    // Lets the form reader, designers and tests mark a component as loading or designing.
    void SetComponentStateItem(TComponentStateItem Item, bool On);
    // Marks this component and everything it owns as designed (csDesigning) or not; a
    // component inserted into a designed owner later is marked when it is inserted.
    void SetDesigning(bool Value);

    int GetComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* GetComponent(int Index) const;
    const std::vector<TComponent*>& Components() const { return components_; }
    // Owned component of that name (case-insensitive, ASCII), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    // Asks to be told (Notification with opRemove) when AComponent is freed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Called once after streaming has set the published properties; clears csLoading.
    virtual void Loaded();
    // Called on the outer component of a form text once every component read has seen
    // Loaded: what needs the whole form in place and no longer loading runs here (a form
    // scaling itself to the screen).
    virtual void ReadCompleted() {}

    // ---- streaming structure (form files)
    // Whether the component sits inside a parent component (a control inside a panel or a
    // form) rather than directly under its owner. Controls override these three.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* Value) { (void)Value; }
    // Calls Proc for each component to be written as a nested block of this one. The base
    // lists, when this is Root, the owned components without a parent; controls that hold
    // children list those owned by Root.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);
    // An inner part of its owner (the edit line of a combo box, a grid's in-place editor):
    // the owner makes it itself, so it is never listed as a child to be written.
    bool IsInnerPart() const { return innerPart_; }
    void SetInnerPart(bool Value) { innerPart_ = Value; }

    // The name of the handler bound to an event property by a form file (written back by
    // the form writer); "" when none. Setting "" forgets it.
    std::string GetEventHandlerName(const std::string& EventName) const;
    void SetEventHandlerName(const std::string& EventName, const std::string& HandlerName);

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    bool innerPart_ = false;
    TComponentState state_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::vector<std::pair<std::string, std::string>> eventHandlerNames_;
};

}  // namespace vcl
