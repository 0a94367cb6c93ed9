#include "framework/Collection.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/UpdateScope.h"

#include <algorithm>
#include <iterator>

namespace fw {

const TClassInfo& TCollectionItem::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCollectionItem, TPersistent>("TCollectionItem").Build();
    return info;
}

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info = TClassBuilder<TCollection, TPersistent>("TCollection").Build();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection)
        FCollection->RemoveItem(*this);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection == FCollection)
        return;
    if (FCollection)
        FCollection->RemoveItem(*this);
    if (collection)
        collection->InsertItem(*this);
}

int TCollectionItem::Index() const {
    if (!FCollection)
        return -1;
    const auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    if (FCollection && index != Index())
        FCollection->MoveItem(*this, index);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection && FCollection->UpdateCount() == 0)
        FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TItemFactory itemFactory, TPersistent* owner)
    : FItemFactory(std::move(itemFactory)), FOwner(owner) {}

TCollection::~TCollection() {
    // Items are told nothing more: the collection is going away.
    FUpdateCount = 1;
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseFmt<EListError>("List index out of bounds (%d)", index);
    return FItems[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = nullptr;
    {
        // The item joins (and gets its ID) in its base constructor, but is
        // announced only once fully built: Notify and Update read it as its own class.
        struct TBuilding {
            bool& building;
            ~TBuilding() { building = false; }
        };
        FBuildingItem = true;
        const TBuilding building{FBuildingItem};
        item = FItemFactory(this);
    }
    // An item class whose constructor ignores the collection still lands in it.
    if (item->Collection() != this)
        item->SetCollection(this);
    else
        Announce(*item);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        RaiseFmt<EListError>("List index out of bounds (%d)", index);
    TCollectionItem* item = Add();
    MoveItem(*item, index);
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == id)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Assign(const TPersistent& source) {
    const auto* collection = dynamic_cast<const TCollection*>(&source);
    if (!collection) {
        TPersistent::Assign(source);
        return;
    }
    if (collection == this)
        return;
    WithUpdate(*this, [&] {
        Clear();
        for (const TCollectionItem* item : collection->FItems)
            Add()->Assign(*item);
    });
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::InsertItem(TCollectionItem& item) {
    FItems.push_back(&item);
    item.FCollection = this;
    item.FID = FNextID++;
    if (!FBuildingItem)
        Announce(item);
}

void TCollection::Announce(TCollectionItem& item) {
    Notify(&item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem& item) {
    Notify(&item, TCollectionNotification::cnExtracting);
    // From the back: Clear deletes the newest item first.
    const auto it = std::find(FItems.rbegin(), FItems.rend(), &item);
    if (it != FItems.rend())
        FItems.erase(std::next(it).base());
    item.FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem& item, int index) {
    const int current = item.Index();
    index = std::clamp(index, 0, Count() - 1);
    FItems.erase(FItems.begin() + current);
    FItems.insert(FItems.begin() + index, &item);
    Changed();
}

} // namespace fw
