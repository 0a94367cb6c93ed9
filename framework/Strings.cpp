#include "framework/Strings.h"

#include "framework/ClassBuilder.h"
#include "framework/DelimitedText.h"
#include "framework/Exception.h"
#include "framework/FileStream.h"
#include "framework/StringUtils.h"
#include "framework/UpdateScope.h"

#include <limits>
#include <vector>

namespace fw {

const TClassInfo& TStrings::StaticClass() {
    static const TClassInfo info = TClassBuilder<TStrings, TPersistent>("TStrings").Build();
    return info;
}

void TStrings::Error(std::string_view message, int index) const {
    RaiseFmt<EStringListError>(message, index);
}

void TStrings::SetStrings(int index, const std::string& s) {
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::Objects(int) const {
    return nullptr;
}

void TStrings::SetObjects(int, TObject*) {}

int TStrings::Add(std::string s) {
    const int index = Count();
    Insert(index, std::move(s));
    return index;
}

int TStrings::AddObject(std::string s, TObject* object) {
    const int index = Add(std::move(s));
    SetObjects(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    WithUpdate(*this, [&] {
        for (int i = 0; i < strings.Count(); ++i)
            AddObject(strings.Strings(i), strings.Objects(i));
    });
}

void TStrings::InsertObject(int index, std::string s, TObject* object) {
    Insert(index, std::move(s));
    SetObjects(index, object);
}

void TStrings::Exchange(int index1, int index2) {
    WithUpdate(*this, [&] {
        const std::string s = Strings(index1);
        TObject* object = Objects(index1);
        SetStrings(index1, Strings(index2));
        SetObjects(index1, Objects(index2));
        SetStrings(index2, s);
        SetObjects(index2, object);
    });
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex)
        return;
    WithUpdate(*this, [&] {
        const std::string s = Strings(curIndex);
        TObject* object = Objects(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    });
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Strings(i);
        const std::size_t separator = s.find(FNameValueSeparator);
        if (separator != std::string::npos &&
            CompareStrings(std::string_view(s).substr(0, separator), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == object)
            return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Strings(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    WithUpdate(*this, [&] {
        Clear();
        ForEachLine(text, [this](std::string_view line) { Add(std::string(line)); });
    });
}

void TStrings::SetCapacity(int) {}

void TStrings::ReplaceAll(std::vector<std::string> items) {
    WithUpdate(*this, [&] {
        Clear();
        SetCapacity(static_cast<int>(items.size()));
        for (std::string& item : items)
            Add(std::move(item));
    });
}

std::vector<std::string> TStrings::All() const {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        items.push_back(Strings(i));
    return items;
}

std::string TStrings::CommaText() const {
    return JoinDelimitedText(All(), {',', '"', false});
}

void TStrings::SetCommaText(std::string_view text) {
    ReplaceAll(SplitDelimitedText(text, {',', '"', false}));
}

std::string TStrings::DelimitedText() const {
    return JoinDelimitedText(All(), {FDelimiter, FQuoteChar, FStrictDelimiter});
}

void TStrings::SetDelimitedText(std::string_view text) {
    ReplaceAll(SplitDelimitedText(text, {FDelimiter, FQuoteChar, FStrictDelimiter}));
}

std::string TStrings::Names(int index) const {
    const std::string s = Strings(index);
    const std::size_t separator = s.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : s.substr(0, separator);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Strings(index);
    const std::size_t separator = s.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : s.substr(separator + 1);
}

std::string TStrings::Values(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const std::string pair = name + FNameValueSeparator + value;
    if (index < 0)
        Add(pair);
    else
        SetStrings(index, pair);
}

void TStrings::LoadFromStream(TStream& stream) {
    const std::int64_t size = std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
    // The framework's strings hold at most 2^31 - 1 bytes; refuse before allocating.
    if (size > std::numeric_limits<std::int32_t>::max())
        throw EOutOfMemory("Out of memory");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    std::string_view text(bytes);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TStrings::BeginUpdate() {
    // The state changes while the count is still 0, so the list's own
    // notification at the start of an update is not held back.
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent& source) {
    const auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    WithUpdate(*this, [&] {
        Clear();
        FDelimiter = strings->FDelimiter;
        FQuoteChar = strings->FQuoteChar;
        FNameValueSeparator = strings->FNameValueSeparator;
        FStrictDelimiter = strings->FStrictDelimiter;
        AddStrings(*strings);
    });
}

bool TStrings::Equals(const TStrings& strings) const {
    if (Count() != strings.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != strings.Strings(i))
            return false;
    return true;
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
    return CompareText(a, b);
}

} // namespace fw
