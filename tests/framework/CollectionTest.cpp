#include "framework/Collection.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace fw {
namespace {

// An item named after its ID at creation, as the skin store's items are.
class TNamedItem : public TCollectionItem {
    FW_CLASS(TNamedItem, TCollectionItem)

    explicit TNamedItem(TCollection* collection) : TCollectionItem(collection) {
        FName = "Item" + std::to_string(ID());
    }
    std::string FName;
    void Assign(const TPersistent& source) override {
        if (const auto* item = dynamic_cast<const TNamedItem*>(&source))
            FName = item->FName;
        else
            TCollectionItem::Assign(source);
    }
};

const TClassInfo& TNamedItem::StaticClass() {
    static const TClassInfo info = TClassBuilder<TNamedItem, TCollectionItem>("TNamedItem").Build();
    return info;
}

// Counts whole-collection updates.
class TCountingCollection : public TCollection {
public:
    using TCollection::TCollection;
    int FUpdates = 0;

protected:
    void Update(TCollectionItem* item) override {
        if (!item)
            ++FUpdates;
    }
};

std::vector<std::string> Names(const TCollection& collection) {
    std::vector<std::string> names;
    for (int i = 0; i < collection.Count(); ++i)
        names.push_back(static_cast<TNamedItem*>(collection.Items(i))->FName);
    return names;
}

TEST(Collection, ItemsGetIncreasingIDsThatAreNeverReused) {
    TPersistent owner;
    TCollection collection(TCollection::ItemFactory<TNamedItem>(), &owner);
    EXPECT_EQ(collection.Owner(), &owner);
    collection.Add();
    collection.Add();
    collection.Delete(0);
    TCollectionItem* third = collection.Add();
    EXPECT_EQ(third->ID(), 2);
    EXPECT_EQ(Names(collection), (std::vector<std::string>{"Item1", "Item2"}));
    EXPECT_EQ(collection.FindItemID(2), third);
    EXPECT_EQ(collection.FindItemID(0), nullptr);
    EXPECT_EQ(third->Collection(), &collection);
    EXPECT_EQ(third->DisplayName(), "TNamedItem");
}

TEST(Collection, IndexMovesAndInsertAndDelete) {
    TCollection collection(TCollection::ItemFactory<TNamedItem>());
    for (int i = 0; i < 3; ++i)
        collection.Add();
    collection.Items(2)->SetIndex(0);
    EXPECT_EQ(Names(collection), (std::vector<std::string>{"Item2", "Item0", "Item1"}));
    collection.Insert(1);
    EXPECT_EQ(Names(collection), (std::vector<std::string>{"Item2", "Item3", "Item0", "Item1"}));
    EXPECT_EQ(collection.Items(1)->Index(), 1);
    collection.Delete(0);
    EXPECT_EQ(collection.Count(), 3);
    try {
        collection.Items(3);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_THROW(collection.Insert(5), EListError);
}

TEST(Collection, ItemsMoveBetweenCollections) {
    TCollection left(TCollection::ItemFactory<TNamedItem>());
    TCollection right(TCollection::ItemFactory<TNamedItem>());
    right.Add();
    TCollectionItem* item = left.Add();
    item->SetCollection(&right);
    EXPECT_EQ(left.Count(), 0);
    EXPECT_EQ(right.Count(), 2);
    EXPECT_EQ(item->ID(), 1);
    item->SetCollection(nullptr);
    EXPECT_EQ(item->Index(), -1);
    EXPECT_EQ(right.Count(), 1);
    const std::unique_ptr<TCollectionItem> orphan(item);
}

TEST(Collection, AssignCopiesItemsInOneUpdate) {
    TCollection source(TCollection::ItemFactory<TNamedItem>());
    source.Add();
    static_cast<TNamedItem*>(source.Add())->FName = "custom";
    TCountingCollection target(TCollection::ItemFactory<TNamedItem>());
    target.Add();
    target.FUpdates = 0;
    target.Assign(source);
    EXPECT_EQ(Names(target), (std::vector<std::string>{"Item0", "custom"}));
    EXPECT_EQ(target.FUpdates, 1);

    TPersistent stranger;
    EXPECT_THROW(target.Assign(stranger), EConvertError);
    EXPECT_THROW(target.Items(0)->Assign(stranger), EConvertError);
}

} // namespace
} // namespace fw
