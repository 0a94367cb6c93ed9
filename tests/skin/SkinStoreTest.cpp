// The skin store: item naming, data handling, the stored binary property and
// copying collections into a store.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "framework/PropInfo.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinStore.h"
#include "tests/skin/support/SkinTestUtil.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace skin::test {
namespace {

struct StoreFixture : ::testing::Test {
    fw::TComponentPtr<TSkinStore> store = fw::MakeComponent<TSkinStore>();
    TSkinCollection& items = *store->Store();
};

TEST_F(StoreFixture, NamesNewItemsByTheirIdAndKeepsNamesUnique) {
    TSkinCollectionItem* first = items.Add();
    TSkinCollectionItem* second = items.Add();
    EXPECT_EQ(first->Name(), "SkinItem" + std::to_string(first->ID()));
    EXPECT_EQ(second->Name(), "SkinItem" + std::to_string(second->ID()));
    EXPECT_NE(first->Name(), second->Name());

    second->SetName(second->Name()); // its own name
    try {
        second->SetName(first->Name());
        FAIL() << "no error";
    } catch (const fw::Exception& e) {
        EXPECT_EQ(e.Message(), "The name " + first->Name() + " is already used.");
    }
    EXPECT_EQ(second->Name(), "SkinItem" + std::to_string(second->ID()));
    second->SetName("skinitem" + std::to_string(first->ID())); // other letter case
    EXPECT_EQ(second->Name(), "skinitem" + std::to_string(first->ID()));
}

TEST_F(StoreFixture, PublishesNameSkinDataAndDataSize) {
    TSkinCollectionItem* item = items.Add();
    const fw::TClassInfo& info = item->ClassType();
    for (const char* name : {"Name", "SkinData", "DataSize"})
        EXPECT_NE(info.FindProperty(name), nullptr) << name;
    EXPECT_NE(info.FindBinaryProperty("DataStream"), nullptr);
    EXPECT_NE(store->ClassType().FindProperty("Store"), nullptr);
    item->SetSkinData("ignored");
    EXPECT_EQ(item->SkinData(), "Load Skin");
}

TEST_F(StoreFixture, KeepsTheSkinFileBytes) {
    const auto path = std::filesystem::temp_directory_path() / "skin-store-test.skn";
    const Bytes file = Pack(SkinContainer(70000, 69, {{"Buttons.bmp", ToBytes("BM")}}));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    TSkinCollectionItem* item = items.Add();
    item->LoadFromFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(item->DataSize(), static_cast<std::int32_t>(file.size()));

    // CopyData writes at the target's position.
    fw::TMemoryStream target;
    Fill(target, ToBytes("head"));
    target.SetPosition(4);
    item->CopyData(target);
    Bytes expected = ToBytes("head");
    expected.insert(expected.end(), file.begin(), file.end());
    EXPECT_EQ(Contents(target), expected);

    // The stored property round-trips the bytes as they are.
    const fw::TBinaryPropInfo* data = item->ClassType().FindBinaryProperty("DataStream");
    fw::TMemoryStream stored;
    data->Write(*item, stored);
    EXPECT_EQ(Contents(stored), file);
    TSkinCollectionItem* copy = items.Add();
    stored.SetPosition(0);
    data->Read(*copy, stored);
    fw::TMemoryStream bytes;
    copy->CopyData(bytes);
    TSkinReader reader;
    bytes.SetPosition(0);
    ASSERT_TRUE(reader.Loadfromstream(bytes));
    EXPECT_EQ(reader.Dir().Strings(0), "buttons.bmp");
}

TEST_F(StoreFixture, AssigningACollectionCopiesItsItems) {
    TSkinCollection other(nullptr);
    TSkinCollectionItem* a = other.Add();
    a->SetName("Blue");
    fw::TMemoryStream payload;
    Fill(payload, ToBytes("blue skin"));
    payload.SetPosition(0);
    a->ClassType().FindBinaryProperty("DataStream")->Read(*a, payload);
    other.Add()->SetName("Green");

    items.Add();
    store->SetStore(&other);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Items(0)->Name(), "Blue");
    EXPECT_EQ(items.Items(1)->Name(), "Green");
    EXPECT_EQ(items.Items(0)->DataSize(), 9);
    store->SetStore(nullptr);
    EXPECT_EQ(items.Count(), 2);
}

} // namespace
} // namespace skin::test
