#pragma once
// A collection of items of one class, owned by the collection. An item joins a
// collection when it is created with it (or moved with SetCollection) and gets an
// ID that is unique in that collection for its lifetime; deleting an item takes
// it out of its collection. An item made by Add is announced to the collection
// (Notify, Update) only once fully built.

#include "framework/Persistent.h"

#include <functional>
#include <vector>

namespace fw {

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    FW_CLASS(TCollectionItem, TPersistent)

    // Joins collection (which then owns this heap-allocated item), if given.
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or out of any, when null); the new
    // collection owns it and gives it a new ID.
    void SetCollection(TCollection* collection);
    int ID() const { return FID; }
    // The item's place in its collection (-1 outside one); setting it moves the item.
    int Index() const;
    void SetIndex(int index);
    virtual std::string DisplayName() const;

protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    FW_CLASS(TCollection, TPersistent)

    // Makes one new item in the given collection, e.g. ItemFactory<TMyItem>().
    using TItemFactory = std::function<TCollectionItem*(TCollection* collection)>;
    template <class Item> static TItemFactory ItemFactory() {
        return [](TCollection* collection) { return new Item(collection); };
    }

    explicit TCollection(TItemFactory itemFactory, TPersistent* owner = nullptr);
    ~TCollection() override;

    // The persistent object the collection belongs to, if any.
    TPersistent* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // EListError "List index out of bounds (%d)" for a bad index.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Nested; Update(nullptr) runs once at the end of the outermost update.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items by new ones assigned from source's items.
    void Assign(const TPersistent& source) override;

protected:
    // An item (null: the whole collection) has changed.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem& item);
    // Tells the owner about an item that has joined.
    void Announce(TCollectionItem& item);
    void RemoveItem(TCollectionItem& item);
    void MoveItem(TCollectionItem& item, int index);

    TItemFactory FItemFactory;
    TPersistent* FOwner;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
    // Add is building an item: it joins now and is announced once built.
    bool FBuildingItem = false;
};

} // namespace fw
