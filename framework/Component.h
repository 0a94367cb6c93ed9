#pragma once
// The framework's component: a named object with an owner. The owner frees the
// components it owns when it is freed (the newest first) and tells its components
// about insertions and removals; components owned by others can ask to be told
// when a component is freed (FreeNotification).
//
// Lifetime. A component is freed with Free(), which runs the whole destruction
// sequence while the object is still complete, so overridden Notification and
// Destroying methods take part, then deletes it.
//   - With an owner: create it with Create<T>(owner, ...) (or new T(owner)); the
//     owner frees it; the creator keeps a borrowed T*. Free() before that is fine
//     and removes it from its owner.
//   - Without an owner: MakeComponent<T>(...) gives a TComponentPtr<T>, a
//     std::unique_ptr whose deleter calls Free(). Giving such a component an owner
//     later (InsertComponent) passes ownership: release() the pointer first.
// The owner is told of a new component (opInsert) from the component's
// constructor, as the framework does; by C++ rules the new component is then
// only a TComponent as far as the receivers can see.

#include "framework/EnumInfo.h"
#include "framework/Persistent.h"
#include "framework/Set.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

enum class TOperation { opInsert, opRemove };
FW_ENUM_NAMES(TOperation, "opInsert", "opRemove");

enum class TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
FW_ENUM_NAMES(TComponentStateItem, "csLoading", "csReading", "csWriting", "csDestroying",
              "csDesigning", "csAncestor", "csUpdating", "csFixups", "csFreeNotification",
              "csInline", "csDesignInstance");
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
    FW_CLASS(TComponent, TPersistent)

    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // Runs the destruction sequence and deletes the component.
    void Free();

    TComponent* Owner() const { return FOwner; }
    // Names are empty or identifiers, unique (without regard to case) among the
    // owner's components: EComponentError "'%s' is not a valid component name" or
    // "A component named %s already exists".
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t tag) { FTag = tag; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // EListError "List index out of bounds (%d)" for a bad index.
    TComponent* Components(int index) const;
    // This component's place in its owner's list, or -1 without an owner.
    int ComponentIndex() const;
    // The owned component with that name (without regard to case), or null.
    TComponent* FindComponent(std::string_view name) const;

    // Takes component over (from its current owner, if any) and notifies opInsert.
    void InsertComponent(TComponent& component);
    // Notifies opRemove and gives component up; it then has no owner.
    void RemoveComponent(TComponent& component);
    // Frees every owned component, the newest first.
    void DestroyComponents();

    // component will be told (Notification with opRemove) when this one is freed,
    // and this one when component is freed. Needless between components of one
    // owner, which the owner tells anyway.
    void FreeNotification(TComponent& component);
    void RemoveFreeNotification(TComponent& component);

    TComponentState ComponentState() const { return FComponentState; }
    // The form-definition reader brackets the reading of a component with these:
    // BeginLoading sets csLoading and csReading, EndReading clears csReading, and
    // Loaded (called once every component is read) clears csLoading.
    void BeginLoading();
    void EndReading();
    virtual void Loaded();
    // The definition reader names the component this one is nested in; controls
    // take it as their parent, menu items as the item or menu that holds them.
    virtual void SetParentComponent(TComponent*) {}
    void SetDesigning(bool designing, bool setChildren = true);

protected:
    // A component has been inserted into or removed from this one, or a component
    // this one asked about is being freed. Passes the news on to owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    // The first step of destruction: sets csDestroying here and in owned components.
    virtual void Destroying();
    virtual void ValidateRename(TComponent* component, std::string_view currentName,
                                std::string_view newName) const;

private:
    void DestroySequence();
    void RemoveFreeNotifications();
    void Insert(TComponent& component);
    void Remove(TComponent& component);
    void RemoveNotification(TComponent& component);

    TComponent* FOwner = nullptr;
    std::string FName;
    std::intptr_t FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    bool FDestroyed = false;
};

// Points field at value, moving self's free notification from the old
// component to the new one, so field is cleared (in self's Notification)
// when the component it names is freed.
template <class T> void SetComponentReference(TComponent& self, T*& field, T* value) {
    if (field)
        field->RemoveFreeNotification(self);
    field = value;
    if (field)
        field->FreeNotification(self);
}

// Frees a component through Free(); see TComponentPtr.
struct TComponentDeleter {
    void operator()(TComponent* component) const { component->Free(); }
};

// Sole ownership of a component that has no owner.
template <class T> using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

// A component owned by owner, which frees it; the result is borrowed.
template <class T, class... Args> T* Create(TComponent& owner, Args&&... args) {
    return new T(&owner, std::forward<Args>(args)...);
}

// A component without an owner, owned by the returned pointer.
template <class T, class... Args> TComponentPtr<T> MakeComponent(Args&&... args) {
    return TComponentPtr<T>(new T(nullptr, std::forward<Args>(args)...));
}

} // namespace fw
