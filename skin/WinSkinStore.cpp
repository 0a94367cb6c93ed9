#include "skin/WinSkinStore.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/StringUtils.h"

namespace skin {

const fw::TClassInfo& TSkinCollectionItem::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TSkinCollectionItem, fw::TCollectionItem>("TSkinCollectionItem")
            .Property("Name", &TSkinCollectionItem::Name, &TSkinCollectionItem::SetName)
            .Property("SkinData", &TSkinCollectionItem::SkinData, &TSkinCollectionItem::SetSkinData)
            .Property("DataSize", &TSkinCollectionItem::DataSize)
            .Binary("DataStream", &TSkinCollectionItem::ReadData, &TSkinCollectionItem::WriteData)
            .Build();
    return info;
}

const fw::TClassInfo& TSkinCollection::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TSkinCollection, fw::TCollection>("TSkinCollection").Build();
    return info;
}

const fw::TClassInfo& TSkinStore::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TSkinStore, fw::TComponent>("TSkinStore")
            .Property("Store", &TSkinStore::Store, &TSkinStore::SetStore)
            .Build();
    return info;
}

TSkinCollectionItem::TSkinCollectionItem(fw::TCollection* collection)
    : fw::TCollectionItem(collection), FName("SkinItem" + fw::IntToStr(ID())) {}

void TSkinCollectionItem::SetName(const std::string& value) {
    if (value == FName)
        return;
    if (fw::TCollection* collection = Collection()) {
        for (int i = 0; i < collection->Count(); ++i) {
            const auto* other = static_cast<const TSkinCollectionItem*>(collection->Items(i));
            if (other != this && other->FName == value)
                throw fw::Exception("The name " + value + " is already used.");
        }
    }
    FName = value;
}

void TSkinCollectionItem::LoadFromFile(const std::string& value) {
    FData->Clear();
    FData->LoadFromFile(value);
}

void TSkinCollectionItem::CopyData(fw::TStream& AStream) const {
    FData->SaveToStream(AStream);
}

void TSkinCollectionItem::Assign(const fw::TPersistent& ASource) {
    const auto* source = dynamic_cast<const TSkinCollectionItem*>(&ASource);
    if (source == nullptr) {
        fw::TCollectionItem::Assign(ASource);
        return;
    }
    if (source == this)
        return;
    SetName(source->FName);
    FData->Clear();
    source->CopyData(*FData);
    FData->SetPosition(0);
}

void TSkinCollectionItem::ReadData(fw::TStream& stream) {
    FData->Clear();
    const std::int64_t remaining = stream.Size() - stream.Position();
    if (remaining > 0)
        FData->CopyFrom(stream, remaining);
    FData->SetPosition(0);
}

void TSkinCollectionItem::WriteData(fw::TStream& stream) const {
    CopyData(stream);
}

TSkinCollection::TSkinCollection(fw::TPersistent* AOwner)
    : fw::TCollection(ItemFactory<TSkinCollectionItem>(), AOwner) {}

TSkinStore::TSkinStore(fw::TComponent* AOwner)
    : fw::TComponent(AOwner), FStore(std::make_unique<TSkinCollection>(this)) {}

void TSkinStore::SetStore(TSkinCollection* value) {
    if (value != nullptr)
        FStore->Assign(*value);
}

} // namespace skin
