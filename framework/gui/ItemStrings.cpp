#include "framework/gui/ItemStrings.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/WinControl.h"

namespace fw {

const TClassInfo& TItemStrings::StaticClass() {
    static const TClassInfo info = TClassBuilder<TItemStrings, TStrings>("TItemStrings").Build();
    return info;
}

TItemStrings::TItemStrings(TWinControl& control, const TItemMessages& messages)
    : FControl(control), FMessages(messages) {}

win::HWND TItemStrings::Window() const {
    return FControl.HandleAllocated() ? FControl.Handle() : nullptr;
}

void TItemStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count)
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
}

int TItemStrings::Count() const {
    if (win::HWND hwnd = Window())
        return static_cast<int>(win::SendMessage(hwnd, FMessages.getCount, 0, 0));
    return static_cast<int>(FKept.size());
}

std::string TItemStrings::Strings(int index) const {
    CheckIndex(index, Count());
    win::HWND hwnd = Window();
    if (!hwnd)
        return FKept[static_cast<std::size_t>(index)];
    const auto length = win::SendMessage(hwnd, FMessages.getTextLength, index, 0);
    std::string text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
    const auto copied = win::SendMessage(hwnd, FMessages.getText, index,
                                         reinterpret_cast<win::LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

int TItemStrings::Add(std::string s) {
    if (win::HWND hwnd = Window())
        return static_cast<int>(
            win::SendMessage(hwnd, FMessages.add, 0, reinterpret_cast<win::LPARAM>(s.c_str())));
    FKept.push_back(std::move(s));
    return static_cast<int>(FKept.size()) - 1;
}

void TItemStrings::Insert(int index, std::string s) {
    if (index < 0 || index > Count())
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
    if (win::HWND hwnd = Window()) {
        win::SendMessage(hwnd, FMessages.insert, index, reinterpret_cast<win::LPARAM>(s.c_str()));
        return;
    }
    FKept.insert(FKept.begin() + index, std::move(s));
}

void TItemStrings::Delete(int index) {
    CheckIndex(index, Count());
    if (win::HWND hwnd = Window())
        win::SendMessage(hwnd, FMessages.remove, index, 0);
    else
        FKept.erase(FKept.begin() + index);
}

void TItemStrings::Clear() {
    if (win::HWND hwnd = Window())
        win::SendMessage(hwnd, FMessages.reset, 0, 0);
    FKept.clear();
}

void TItemStrings::SetUpdateState(bool updating) {
    if (win::HWND hwnd = Window()) {
        win::SendMessage(hwnd, win::WM_SETREDRAW, !updating, 0);
        if (!updating)
            FControl.Invalidate();
    }
}

void TItemStrings::WindowCreated() {
    win::HWND hwnd = Window();
    for (const std::string& item : FKept)
        win::SendMessage(hwnd, FMessages.add, 0, reinterpret_cast<win::LPARAM>(item.c_str()));
    FKept.clear();
}

void TItemStrings::WindowDestroying() {
    std::vector<std::string> items;
    const int count = Count();
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(Strings(i));
    FKept = std::move(items);
}

} // namespace fw
