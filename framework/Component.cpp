#include "framework/Component.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/StringUtils.h"

#include <algorithm>
#include <iterator>

namespace fw {

namespace {

bool IsValidIdent(std::string_view name) {
    auto isAlpha = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.empty() || !isAlpha(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); });
}

// Points the owner's published field of the component's name at the component
// (or clears it), as a form's fields follow the components it owns.
void SetReference(TComponent& component, bool enable) {
    TComponent* owner = component.Owner();
    if (!owner || component.Name().empty())
        return;
    if (const TFieldInfo* field = owner->ClassType().FindField(component.Name()))
        field->Set(*owner, enable ? &component : nullptr);
}

// A published field of the owner named like the component must be able to hold it;
// checked before anything changes.
void CheckReference(const TComponent* owner, std::string_view name, const TComponent& component) {
    if (!owner || name.empty())
        return;
    const TFieldInfo* field = owner->ClassType().FindField(name);
    if (field && !component.InheritsFrom(field->FieldClass()))
        RaiseFmt<EComponentError>("Field %s.%s cannot hold a %s", owner->ClassName(), name,
                                  component.ClassName());
}

} // namespace

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info = TClassBuilder<TComponent, TPersistent>("TComponent")
                                       .Property("Name", &TComponent::Name, &TComponent::SetName)
                                       .Property("Tag", &TComponent::Tag, &TComponent::SetTag)
                                       .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(*this);
}

TComponent::~TComponent() {
    DestroySequence();
}

void TComponent::Free() {
    DestroySequence();
    delete this;
}

void TComponent::DestroySequence() {
    if (FDestroyed)
        return;
    FDestroyed = true;
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(*this);
}

void TComponent::Destroying() {
    if (FComponentState.Contains(TComponentStateItem::csDestroying))
        return;
    FComponentState.Include(TComponentStateItem::csDestroying);
    for (TComponent* component : FComponents)
        component->Destroying();
}

void TComponent::RemoveFreeNotifications() {
    // Each one is taken off both lists before it is told, so a Notification that
    // does not call the inherited one cannot keep the loop going.
    while (!FFreeNotifies.empty()) {
        TComponent* component = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        component->RemoveNotification(*this);
        component->Notification(this, TOperation::opRemove);
    }
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        // Siblings hear about it only when someone asked to be told.
        if (component->FComponentState.Contains(TComponentStateItem::csFreeNotification))
            RemoveComponent(*component);
        else {
            SetReference(*component, false);
            Remove(*component);
        }
        component->Free();
    }
}

void TComponent::SetName(const std::string& name) {
    if (FName == name)
        return;
    if (!name.empty() && !IsValidIdent(name))
        RaiseFmt<EComponentError>("'%s' is not a valid component name", name);
    if (FOwner)
        FOwner->ValidateRename(this, FName, name);
    else
        ValidateRename(nullptr, FName, name);
    CheckReference(FOwner, name, *this);
    SetReference(*this, false);
    FName = name;
    SetReference(*this, true);
}

void TComponent::ValidateRename(TComponent* component, std::string_view currentName,
                                std::string_view newName) const {
    if (!component || SameText(currentName, newName))
        return;
    const TComponent* existing = FindComponent(newName);
    if (existing && existing != component)
        RaiseFmt<EComponentError>("A component named %s already exists", newName);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        RaiseFmt<EListError>("List index out of bounds (%d)", index);
    return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner)
        return -1;
    const auto& siblings = FOwner->FComponents;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent& component) {
    for (const TComponent* ancestor = this; ancestor; ancestor = ancestor->FOwner)
        if (ancestor == &component)
            throw EComponentError("A component cannot own itself or its owners");
    if (component.FOwner == this)
        return;
    ValidateRename(&component, "", component.FName);
    CheckReference(this, component.FName, component);
    if (component.FOwner)
        component.FOwner->RemoveComponent(component);
    Insert(component);
    SetReference(component, true);
    if (FComponentState.Contains(TComponentStateItem::csDesigning))
        component.SetDesigning(true);
    Notification(&component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent& component) {
    if (component.FOwner != this)
        return;
    Notification(&component, TOperation::opRemove);
    SetReference(component, false);
    Remove(component);
}

void TComponent::Insert(TComponent& component) {
    FComponents.push_back(&component);
    component.FOwner = this;
}

void TComponent::Remove(TComponent& component) {
    // From the back: the owner frees its components newest first.
    const auto it = std::find(FComponents.rbegin(), FComponents.rend(), &component);
    if (it != FComponents.rend())
        FComponents.erase(std::next(it).base());
    component.FOwner = nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(*component);
    // A notified component may remove itself (or others) from the list.
    for (std::size_t i = 0; i < FComponents.size();) {
        TComponent* owned = FComponents[i];
        owned->Notification(component, operation);
        if (i < FComponents.size() && FComponents[i] == owned)
            ++i;
    }
}

void TComponent::FreeNotification(TComponent& component) {
    if (&component == this)
        return;
    if (!FOwner || component.FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), &component) ==
            FFreeNotifies.end()) {
            FFreeNotifies.push_back(&component);
            component.FreeNotification(*this);
        }
    }
    FComponentState.Include(TComponentStateItem::csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent& component) {
    RemoveNotification(component);
    component.RemoveNotification(*this);
}

void TComponent::RemoveNotification(TComponent& component) {
    std::erase(FFreeNotifies, &component);
}

void TComponent::BeginLoading() {
    FComponentState.Include(TComponentStateItem::csLoading).Include(TComponentStateItem::csReading);
}

void TComponent::EndReading() {
    FComponentState.Exclude(TComponentStateItem::csReading);
}

void TComponent::Loaded() {
    FComponentState.Exclude(TComponentStateItem::csLoading);
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
    if (designing)
        FComponentState.Include(TComponentStateItem::csDesigning);
    else
        FComponentState.Exclude(TComponentStateItem::csDesigning);
    if (setChildren)
        for (TComponent* component : FComponents)
            component->SetDesigning(designing);
}

} // namespace fw
