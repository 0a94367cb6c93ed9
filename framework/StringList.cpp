#include "framework/StringList.h"

#include "framework/ClassBuilder.h"
#include "framework/StringUtils.h"

#include <algorithm>
#include <numeric>

namespace fw {

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStringList, TStrings>("TStringList")
            .Property("Duplicates", &TStringList::Duplicates, &TStringList::SetDuplicates)
            .Property("Sorted", &TStringList::Sorted, &TStringList::SetSorted)
            .Property("CaseSensitive", &TStringList::CaseSensitive, &TStringList::SetCaseSensitive)
            .Property("OnChange", &TStringList::OnChange, &TStringList::SetOnChange)
            .Property("OnChanging", &TStringList::OnChanging, &TStringList::SetOnChanging)
            .Build();
    return info;
}

void TStringList::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        Error("List index out of bounds (%d)", index);
}

void TStringList::CheckUnsorted() const {
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<std::size_t>(index)].FString;
}

void TStringList::SetStrings(int index, const std::string& s) {
    CheckUnsorted();
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<std::size_t>(index)].FString = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<std::size_t>(index)].FObject;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<std::size_t>(index)].FObject = object;
    Changed();
}

int TStringList::Add(std::string s) {
    if (!FSorted) {
        InsertItem(Count(), std::move(s));
        return Count() - 1;
    }
    int index = 0;
    if (Find(s, index)) {
        if (FDuplicates == TDuplicates::dupIgnore)
            return index;
        if (FDuplicates == TDuplicates::dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, std::move(s));
    return index;
}

void TStringList::Insert(int index, std::string s) {
    CheckUnsorted();
    CheckIndex(index, Count() + 1);
    InsertItem(index, std::move(s));
}

void TStringList::InsertItem(int index, std::string s) {
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem{std::move(s), nullptr});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty())
        return;
    Changing();
    FItems.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    std::swap(FItems[static_cast<std::size_t>(index1)], FItems[static_cast<std::size_t>(index2)]);
    Changed();
}

void TStringList::SetCapacity(int capacity) {
    if (capacity > Count())
        FItems.reserve(static_cast<std::size_t>(capacity));
}

bool TStringList::Find(const std::string& s, int& index) const {
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), s,
                                     [this](const TStringItem& item, const std::string& key) {
                                         return CompareStrings(item.FString, key) < 0;
                                     });
    index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && CompareStrings(it->FString, s) == 0;
}

int TStringList::IndexOf(const std::string& s) const {
    int index = 0;
    if (FSorted)
        return Find(s, index) ? index : -1;
    // Straight over the items: the inherited search copies every string it reads.
    for (const TStringItem& item : FItems) {
        if (CompareStrings(item.FString, s) == 0)
            return index;
        ++index;
    }
    return -1;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.FItems[static_cast<std::size_t>(a)].FString,
                                   list.FItems[static_cast<std::size_t>(b)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FSorted || FItems.size() < 2)
        return;
    // Sort a permutation, so compare always sees the list as it was.
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FItems.size());
    for (int index : order)
        sorted.push_back(std::move(FItems[static_cast<std::size_t>(index)]));
    FItems = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (FSorted == sorted)
        return;
    if (sorted)
        Sort();
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (FCaseSensitive == caseSensitive)
        return;
    FCaseSensitive = caseSensitive;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return FCaseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && FOnChanging)
        FOnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && FOnChange)
        FOnChange(this);
}

} // namespace fw
