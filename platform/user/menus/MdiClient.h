#pragma once
// The state and behaviour of one MDI client window: its children in
// activation order, the active one, and whether children are maximised.

#include "platform/user/menus/Mdi.h"

#include <vector>

namespace win {

class MdiClient {
public:
    explicit MdiClient(HWND hwnd, const CLIENTCREATESTRUCT& create);
    static MdiClient* Of(HWND client);
    static void Register();

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    UINT FirstChildId() const { return firstChildId_; }
    bool Maximized() const { return maximized_; }
    HWND Active() const { return active_; }

    HWND Create(const MDICREATESTRUCT& create);
    void Destroy(HWND child);
    void Activate(HWND child);
    void Maximize(HWND child);
    void Restore(HWND child);
    void Next(HWND from, bool previous);
    void Tile();
    void Cascade();
    // Lines the minimised children up along the bottom edge, left to right.
    void ArrangeIcons();
    HMENU SetFrameMenu(HMENU frameMenu);
    // Where a maximised child lies: its frame just outside the client area.
    RECT MaximizedRect(HWND child) const;

private:
    HWND Frame() const { return GetParent(hwnd_); }
    void Forget(HWND child);
    void MergeButtons(bool merge);

    HWND hwnd_;
    UINT firstChildId_;
    UINT nextId_;
    std::vector<HWND> children_; // most recently active first
    HWND active_ = nullptr;
    bool maximized_ = false;
    int cascadeStep_ = 0;
};

} // namespace win
