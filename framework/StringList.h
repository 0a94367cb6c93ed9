#pragma once
// The framework's string list: strings with borrowed objects, optionally kept
// sorted (with a duplicate policy), compared with or without regard to case.

#include "framework/EnumInfo.h"
#include "framework/NotifyEvent.h"
#include "framework/Strings.h"

#include <functional>
#include <vector>

namespace fw {

enum class TDuplicates { dupIgnore, dupAccept, dupError };
FW_ENUM_NAMES(TDuplicates, "dupIgnore", "dupAccept", "dupError");

class TStringList;
using TStringListSortCompare = std::function<int(const TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
    FW_CLASS(TStringList, TStrings)

    // List errors raise EStringListError: "List index out of bounds (%d)",
    // "Operation not allowed on sorted list", "String list does not allow duplicates".
    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;

    // In a sorted list the string goes to its sorted place (duplicates as Duplicates says).
    int Add(std::string s) override;
    void Insert(int index, std::string s) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;

    int Capacity() const override { return static_cast<int>(FItems.capacity()); }
    void SetCapacity(int capacity) override;

    // Binary search in a sorted list, linear otherwise.
    int IndexOf(const std::string& s) const override;
    // In a sorted list: whether s is there, and index = its place or where it would go.
    bool Find(const std::string& s, int& index) const;
    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    // Fired around every change, except while an update is in progress, when one
    // pair fires at its end.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent handler) { FOnChanging = std::move(handler); }

    int CompareStrings(std::string_view a, std::string_view b) const override;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int index, int limit) const;
    void CheckUnsorted() const;
    void InsertItem(int index, std::string s);

    std::vector<TStringItem> FItems;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

} // namespace fw
