#pragma once
// TSkinStore: a component that keeps several skin files inside a form, so the
// program can switch between them. Each TSkinCollectionItem holds one skin
// file's bytes under a name unique in its collection.

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/MemoryStream.h"

#include <cstdint>
#include <memory>
#include <string>

namespace skin {

class TSkinCollectionItem : public fw::TCollectionItem {
    FW_CLASS(TSkinCollectionItem, fw::TCollectionItem)

    // Named "SkinItem" followed by the item's collection ID.
    explicit TSkinCollectionItem(fw::TCollection* collection);

    const std::string& Name() const { return FName; }
    // Raises fw::Exception "The name X is already used." when another item of the
    // collection has exactly that name (letter case counts).
    void SetName(const std::string& value);
    // A design-time handle for a file-choosing editor: always "Load Skin".
    std::string SkinData() const { return "Load Skin"; }
    void SetSkinData(const std::string&) {}
    std::int32_t DataSize() const { return static_cast<std::int32_t>(FData->Size()); }

    void LoadFromFile(const std::string& value);
    // Writes all of the skin file at AStream's position; the item's own position
    // stays where it was.
    void CopyData(fw::TStream& AStream) const;
    void Assign(const fw::TPersistent& ASource) override;

private:
    // The "DataStream" binary property: the skin file's bytes as they are.
    void ReadData(fw::TStream& stream);
    void WriteData(fw::TStream& stream) const;

    std::string FName;
    std::unique_ptr<fw::TMemoryStream> FData = std::make_unique<fw::TMemoryStream>();
};

class TSkinCollection : public fw::TCollection {
    FW_CLASS(TSkinCollection, fw::TCollection)

    explicit TSkinCollection(fw::TPersistent* AOwner);

    TSkinCollectionItem* Add() { return static_cast<TSkinCollectionItem*>(fw::TCollection::Add()); }
    TSkinCollectionItem* Items(int index) const {
        return static_cast<TSkinCollectionItem*>(fw::TCollection::Items(index));
    }
};

class TSkinStore : public fw::TComponent {
    FW_CLASS(TSkinStore, fw::TComponent)

    explicit TSkinStore(fw::TComponent* AOwner);

    TSkinCollection* Store() const { return FStore.get(); }
    // Copies value's items into the store's own collection; null is ignored.
    void SetStore(TSkinCollection* value);

private:
    std::unique_ptr<TSkinCollection> FStore;
};

} // namespace skin
