// Menus of the test form: the main menu on the bar and the panel's popup menu,
// read from the definition, driven by injected mouse and keys while their
// modal loops run (each idle turn of a loop runs the next scripted step).

#include "GuiTestSupport.h"
#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/FormReader.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Input.h"
#include "platform/user/menus/Menus.h"

#include <cstring>
#include <deque>
#include <functional>
#include <map>

namespace fw::test {
namespace {

std::deque<std::function<void()>> steps;
bool ranOut = false;
std::map<win::HWND, win::WNDPROC> subclassed;

// Runs one scripted step per idle turn of a modal menu loop; with none left
// the menu is closed, so a test that goes wrong cannot hang.
win::LRESULT ScriptProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_ENTERIDLE) {
        if (steps.empty()) {
            ranOut = true;
            win::EndMenu();
        } else {
            auto step = std::move(steps.front());
            steps.pop_front();
            step();
        }
        return 0;
    }
    return win::CallWindowProc(subclassed.at(hwnd), hwnd, msg, wParam, lParam);
}

void KeyPress(int key) {
    win::InjectKey(key, win::KeyTransition::Down);
    win::InjectKey(key, win::KeyTransition::Up);
}

void ClickAt(win::POINT screen) {
    win::InjectMouseMove(screen);
    win::InjectMouseButton(win::MouseButton::Left, win::KeyTransition::Down, screen);
    win::InjectMouseButton(win::MouseButton::Left, win::KeyTransition::Up, screen);
}

win::POINT Centre(const win::RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The centre of item `position` of a menu that is shown (or of the bar).
win::POINT ItemCentre(win::HWND hwnd, win::HMENU menu, int position) {
    win::RECT r{};
    EXPECT_TRUE(win::GetMenuItemRect(hwnd, menu, static_cast<win::UINT>(position), &r));
    return Centre(r);
}

std::string MenuText(win::HMENU menu, int position) {
    char text[64] = {};
    win::GetMenuString(menu, static_cast<win::UINT>(position), text, sizeof text,
                       win::MF_BYPOSITION);
    return text;
}

class MenuTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ShowTestForm();
        Subclass(form->Handle());
        Subclass(PopupListWindow());
        form->events.clear();
        steps.clear();
        ranOut = false;
    }
    void TearDown() override {
        for (const auto& [hwnd, proc] : subclassed)
            if (win::IsWindow(hwnd))
                win::SetWindowLongPtr(hwnd, win::GWLP_WNDPROC,
                                      reinterpret_cast<win::LONG_PTR>(proc));
        subclassed.clear();
        GuiTest::TearDown();
    }
    static void Subclass(win::HWND hwnd) {
        subclassed[hwnd] = reinterpret_cast<win::WNDPROC>(win::SetWindowLongPtr(
            hwnd, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(ScriptProc)));
    }
    static void Script(std::vector<std::function<void()>> list) {
        steps.assign(list.begin(), list.end());
        ranOut = false;
    }
    TMenuItem& Item(const char* name) const {
        return dynamic_cast<TMenuItem&>(*form->FindComponent(name));
    }
    win::HMENU Bar() const { return win::GetMenu(form->Handle()); }
    win::POINT BarItem(int index) const { return ItemCentre(form->Handle(), Bar(), index); }
    // Opens bar menu `index` with a click; `inside` runs while it is shown.
    void WithBarMenuOpen(int index, std::function<void()> inside) {
        Script({std::move(inside)});
        display->Click(BarItem(index));
        display->Run();
    }
    std::vector<std::string> Events() const { return form->events; }
};

TEST_F(MenuTest, DefinitionBuildsTheBarAndItsMenus) {
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Bar(), form->MainMenu1->Handle());
    EXPECT_EQ(form->Menu(), form->MainMenu1);
    EXPECT_EQ(form->Panel1->PopupMenu(), form->PopupMenu1);
    EXPECT_EQ(form->List1->PopupMenu(), nullptr);
    ASSERT_EQ(win::GetMenuItemCount(Bar()), 2);
    EXPECT_EQ(MenuText(Bar(), 0), "文件(&F)");
    EXPECT_EQ(MenuText(Bar(), 1), "查看(&V)");
    const win::HMENU file = win::GetSubMenu(Bar(), 0);
    EXPECT_EQ(file, Item("File1").Handle());
    ASSERT_EQ(win::GetMenuItemCount(file), 3);
    EXPECT_EQ(MenuText(file, 0), "打开(&O)\tCtrl+O");
    EXPECT_EQ(win::GetMenuItemID(file, 0), Item("Open1").Command());
    // With an image list every item of a submenu is drawn by the framework;
    // the bar is left to the platform.
    win::MENUITEMINFO info;
    info.fMask = win::MIIM_FTYPE;
    win::GetMenuItemInfo(file, 1, win::TRUE, &info);
    EXPECT_EQ(info.fType, win::MFT_SEPARATOR | win::MFT_OWNERDRAW);
    win::GetMenuItemInfo(Bar(), 0, win::TRUE, &info);
    EXPECT_EQ(info.fType & win::MFT_OWNERDRAW, 0u);
    EXPECT_EQ(form->PopupMenu1->Items()->Count(), 2);
    EXPECT_EQ(form->Images1->Count(), 2);
}

TEST_F(MenuTest, TheBarTakesItsRowAboveTheClientArea) {
    EXPECT_EQ(form->ClientHeight(), 300);
    win::RECT window;
    win::GetWindowRect(form->Handle(), &window);
    win::POINT client{0, 0};
    win::ClientToScreen(form->Handle(), &client);
    win::RECT frame{0, 0, 0, 0};
    win::AdjustWindowRectEx(
        &frame, static_cast<win::DWORD>(win::GetWindowLong(form->Handle(), win::GWL_STYLE)),
        win::FALSE, 0);
    EXPECT_EQ(client.y - window.top, -frame.top + win::GetSystemMetrics(win::SM_CYMENU));
    // Without the bar the window keeps its size and the client area grows.
    form->SetMenu(nullptr);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(form->ClientHeight(), 300 + win::GetSystemMetrics(win::SM_CYMENU));
    form->SetMenu(form->MainMenu1);
    EXPECT_EQ(form->ClientHeight(), 300);
}

TEST_F(MenuTest, ClickOnTheBarThenOnAnItemRunsItsOnClick) {
    const struct {
        int bar;
        int item;
        std::vector<std::string> events;
    } cases[] = {
        {0, 0, {"MenuItemClick Open1"}},
        {0, 2, {"MenuItemClick Exit1"}},
        // View1's OnClick runs as its submenu opens, before anything is chosen.
        {1, 1, {"MenuItemClick View1", "MenuItemClick Small1"}},
    };
    for (const auto& c : cases) {
        form->events.clear();
        WithBarMenuOpen(
            c.bar, [&] { ClickAt(ItemCentre(nullptr, win::GetSubMenu(Bar(), c.bar), c.item)); });
        EXPECT_FALSE(ranOut) << c.bar << "/" << c.item;
        EXPECT_EQ(Events(), c.events) << c.bar << "/" << c.item;
    }
    // A click on the separator chooses nothing; the menu stays until closed.
    form->events.clear();
    WithBarMenuOpen(0, [&] { ClickAt(ItemCentre(nullptr, Item("File1").Handle(), 1)); });
    EXPECT_TRUE(ranOut);
    EXPECT_TRUE(Events().empty());
}

TEST_F(MenuTest, KeyboardReachesItemsByAcceleratorAndShortCut) {
    const struct {
        const char* name;
        int accelerator;
        std::vector<std::function<void()>> inMenu; // while the menu is open
        std::string expected;
    } cases[] = {
        {"Alt+F, X", 'F', {[] { win::InjectText("x"); }}, "MenuItemClick Exit1"},
        {"Alt+V, Down, Enter",
         'V',
         {[] { KeyPress(win::VK_DOWN); }, [] { KeyPress(win::VK_RETURN); }},
         "MenuItemClick Small1"},
    };
    for (const auto& c : cases) {
        form->events.clear();
        std::vector<std::function<void()>> script{
            [] { win::InjectKey(win::VK_MENU, win::KeyTransition::Up); }};
        script.insert(script.end(), c.inMenu.begin(), c.inMenu.end());
        Script(script);
        form->Edit1->SetFocus();
        display->KeyDown(win::VK_MENU);
        display->Key(c.accelerator);
        display->Run();
        EXPECT_FALSE(ranOut) << c.name;
        ASSERT_FALSE(Events().empty()) << c.name;
        EXPECT_EQ(Events().back(), c.expected) << c.name;
    }
    // Ctrl+O runs Open1 from any control of the form, without opening the menu.
    form->events.clear();
    form->List1->SetFocus();
    display->KeyDown(win::VK_CONTROL);
    display->Key('O');
    display->KeyUp(win::VK_CONTROL);
    EXPECT_EQ(Events(), std::vector<std::string>{"MenuItemClick Open1"});
    // Not while the item is disabled.
    form->events.clear();
    Item("Open1").SetEnabled(false);
    display->KeyDown(win::VK_CONTROL);
    display->Key('O');
    display->KeyUp(win::VK_CONTROL);
    EXPECT_TRUE(Events().empty());
}

TEST_F(MenuTest, ShortCutsComeBeforeTheDialogKeys) {
    const struct {
        const char* name;
        int key;
    } cases[] = {{"Tab", win::VK_TAB}, {"Down", win::VK_DOWN}, {"Enter", win::VK_RETURN}};
    for (const auto& c : cases) {
        Item("Open1").SetShortCut(ShortCut(c.key, {}));
        form->events.clear();
        form->Button1->SetFocus();
        KeyPress(c.key);
        Application().ProcessMessages();
        EXPECT_EQ(Events(), std::vector<std::string>{"MenuItemClick Open1"}) << c.name;
        EXPECT_TRUE(form->Button1->Focused()) << c.name;
    }
}

TEST_F(MenuTest, CheckedAndRadioItemsFollowClicksAndCode) {
    TMenuItem& large = Item("Large1");
    TMenuItem& small = Item("Small1");
    TMenuItem& status = Item("Status1");
    const win::HMENU view = Item("View1").Handle();
    auto checked = [view](const TMenuItem& item) {
        return (win::GetMenuState(view, item.Command(), win::MF_BYCOMMAND) & win::MF_CHECKED) != 0;
    };
    const struct {
        const char* name;
        std::function<void()> act;
        bool large, small, status;
    } cases[] = {
        {"as read", [] {}, true, false, true},
        {"chosen from the menu",
         [&] { WithBarMenuOpen(1, [&] { ClickAt(ItemCentre(nullptr, view, 1)); }); }, false, true,
         true},
        {"a radio item chosen again stays checked",
         [&] { WithBarMenuOpen(1, [&] { ClickAt(ItemCentre(nullptr, view, 1)); }); }, false, true,
         true},
        {"a check item toggles",
         [&] { win::SendMessage(form->Handle(), win::WM_COMMAND, status.Command(), 0); }, false,
         true, false},
        {"checked in code", [&] { large.SetChecked(true); }, true, false, false},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_EQ(large.Checked(), c.large) << c.name;
        EXPECT_EQ(small.Checked(), c.small) << c.name;
        EXPECT_EQ(status.Checked(), c.status) << c.name;
        EXPECT_EQ(checked(large), c.large) << c.name;
        EXPECT_EQ(checked(small), c.small) << c.name;
        EXPECT_EQ(checked(status), c.status) << c.name;
    }
    win::MENUITEMINFO info;
    info.fMask = win::MIIM_FTYPE;
    win::GetMenuItemInfo(view, 0, win::TRUE, &info);
    EXPECT_NE(info.fType & win::MFT_RADIOCHECK, 0u);
}

TEST_F(MenuTest, RightClickShowsThePopupOfTheControlOrItsParent) {
    const struct {
        const char* name;
        TControl* target;
        std::function<void()> open;
    } cases[] = {
        {"right click on the panel", form->Panel1,
         [&] {
             const win::POINT at = At(*form->Panel1, 150, 100);
             win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Down, at);
             win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Up, at);
         }},
        {"right click on the list, which has none", form->List1,
         [&] {
             const win::POINT at = At(*form->List1, 10, 10);
             win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Down, at);
             win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Up, at);
         }},
        {"Shift+F10 on the list", form->List1,
         [&] {
             form->List1->SetFocus();
             display->Run();
             win::InjectKey(win::VK_SHIFT, win::KeyTransition::Down);
             KeyPress(win::VK_F10);
             win::InjectKey(win::VK_SHIFT, win::KeyTransition::Up);
         }},
        {"the menu key on the list", form->List1, [&] { KeyPress(win::VK_APPS); }},
    };
    for (const auto& c : cases) {
        form->events.clear();
        const win::HMENU popup = form->PopupMenu1->Handle();
        Script({[popup] { ClickAt(ItemCentre(nullptr, popup, 1)); },
                [popup] { ClickAt(ItemCentre(nullptr, popup, 0)); }});
        c.open();
        display->Run();
        EXPECT_FALSE(ranOut) << c.name;
        // The disabled Paste1 took the first click without closing the menu.
        EXPECT_EQ(Events(),
                  (std::vector<std::string>{"MenuItemClick PopupMenu1", "MenuItemClick Copy1"}))
            << c.name;
        EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Panel1) << c.name;
    }
    // Without AutoPopup a right click shows nothing.
    form->events.clear();
    form->PopupMenu1->SetAutoPopup(false);
    Script({});
    const win::POINT at = At(*form->Panel1, 150, 100);
    win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Down, at);
    win::InjectMouseButton(win::MouseButton::Right, win::KeyTransition::Up, at);
    display->Run();
    EXPECT_FALSE(ranOut);
    EXPECT_TRUE(Events().empty());
}

TEST_F(MenuTest, ChangingItemsRebuildsTheMenuInPlace) {
    int changes = 0;
    const TWndMethod previous = form->WindowProc();
    form->SetWindowProc([&](TMessage& message) {
        changes += message.Msg == CM_MENUCHANGED;
        previous(message);
    });
    TMenuItem& file = Item("File1");
    const win::HMENU menu = file.Handle();
    auto* added = Create<TMenuItem>(*form);
    added->SetCaption("新建(&N)");
    added->OnClick = [this](TObject*) { form->events.push_back("added"); };
    file.Insert(0, added);
    EXPECT_EQ(file.Handle(), menu);
    EXPECT_EQ(win::GetSubMenu(Bar(), 0), menu);
    ASSERT_EQ(win::GetMenuItemCount(menu), 4);
    EXPECT_EQ(MenuText(menu, 0), "新建(&N)");
    EXPECT_GE(changes, 1);

    WithBarMenuOpen(0, [&] { ClickAt(ItemCentre(nullptr, menu, 0)); });
    EXPECT_EQ(Events(), std::vector<std::string>{"added"});

    changes = 0;
    Item("Exit1").SetVisible(false);
    EXPECT_EQ(win::GetMenuItemCount(menu), 3);
    file.SetCaption("档案(&F)");
    EXPECT_EQ(MenuText(Bar(), 0), "档案(&F)");
    EXPECT_EQ(changes, 2);

    const win::UINT command = added->Command();
    file.Delete(0);
    EXPECT_EQ(win::GetMenuItemCount(menu), 2);
    EXPECT_EQ(FindMenuItem(command), nullptr);
    EXPECT_EQ(form->FindComponent("Exit1"), &Item("Exit1"));

    // A new item on the bar, then a submenu for it, as code builds menus.
    auto* help = Create<TMenuItem>(*form);
    help->SetCaption("帮助(&H)");
    form->MainMenu1->Items()->Add(help);
    ASSERT_EQ(win::GetMenuItemCount(Bar()), 3);
    EXPECT_EQ(win::GetSubMenu(Bar(), 2), nullptr);
    auto* about = Create<TMenuItem>(*form);
    about->SetCaption("关于");
    help->Add(about);
    EXPECT_EQ(win::GetSubMenu(Bar(), 2), help->Handle());
    form->SetWindowProc(previous);
}

TEST_F(MenuTest, ItemErrorsAndFreeing) {
    TMenuItem& file = Item("File1");
    EXPECT_THROW(file.Items(3), EMenuError);
    EXPECT_THROW(file.Add(&Item("Open1")), EMenuError);
    EXPECT_THROW(Item("Open1").Add(&file), EMenuError);
    try {
        file.Items(-1);
        FAIL();
    } catch (const EMenuError& error) {
        EXPECT_EQ(error.Message(), "Menu index out of range");
    }
    // Freeing an item takes its children and their commands with it.
    const win::UINT open = Item("Open1").Command();
    file.Free();
    EXPECT_EQ(FindMenuItem(open), nullptr);
    EXPECT_EQ(form->FindComponent("Open1"), nullptr);
    EXPECT_EQ(win::GetMenuItemCount(Bar()), 1);

    auto root = MakeComponent<TForm>();
    try {
        ReadComponentDefinition(*root, "TForm Bad { TMenuItem Stray { Caption = \"x\" } }");
        FAIL();
    } catch (const EReadError& error) {
        EXPECT_NE(error.Message().find("Menu item Stray is not inside a menu"), std::string::npos)
            << error.Message();
    }
}

TEST_F(MenuTest, OwnerDrawEventsReplaceTheFrameworkLook) {
    TMenuItem& open = Item("Open1");
    std::vector<bool> selected;
    open.OnMeasureItem = [](TObject*, TCanvas*, int& width, int& height) {
        width = 300;
        height = 40;
    };
    open.OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, win::RECT rect,
                                  TOwnerDrawState state) {
        selected.push_back(state.Contains(TOwnerDrawStateItem::odSelected));
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect);
    };
    win::RECT item{};
    TMenuItem* hovered = nullptr;
    WithBarMenuOpen(0, [&] {
        win::GetMenuItemRect(nullptr, Item("File1").Handle(), 0, &item);
        win::InjectMouseMove(Centre(item));
        steps.push_back([&] {
            hovered = form->MainMenu1->SelectedItem();
            win::EndMenu();
        });
    });
    EXPECT_EQ(hovered, &open);
    EXPECT_EQ(form->MainMenu1->SelectedItem(), nullptr);
    EXPECT_GE(item.right - item.left, 300);
    EXPECT_EQ(item.bottom - item.top, 40);
    ASSERT_FALSE(selected.empty());
    EXPECT_FALSE(selected.front());
    EXPECT_TRUE(selected.back());
}

TEST_F(MenuTest, MenusRenderWithImagesChecksAndShortCuts) {
    const std::string dir = ::testing::TempDir();
    // The shown menu's window and the form under it; a step that injects
    // nothing must close the menu itself, or the loop would wait for input.
    auto shoot = [&](const std::string& name) {
        EXPECT_TRUE(display->WritePng(form->Handle(), dir + name + "_form.png"));
        EXPECT_TRUE(display->WritePng(win::FindWindow(win::WC_MENU, nullptr), dir + name + ".png"));
        win::EndMenu();
    };
    Item("Exit1").SetEnabled(false);
    WithBarMenuOpen(1, [&] { shoot("menu_view"); });
    WithBarMenuOpen(0, [&] {
        win::InjectMouseMove(ItemCentre(nullptr, Item("File1").Handle(), 0));
        steps.push_back([&] { shoot("menu_file"); });
    });
    Script({[&] { shoot("menu_popup"); }});
    form->PopupMenu1->Popup(300, 300);
    EXPECT_TRUE(steps.empty());
}

TEST_F(MenuTest, ImageListKeepsItsImagesThroughTheBinaryProperty) {
    TMemoryStream stream;
    form->Images1->WriteData(stream);
    EXPECT_EQ(stream.Size(), 6 + 2 * 16 * 16 * 3 + 2 * 16 * 2);
    auto copy = MakeComponent<TImageList>();
    stream.SetPosition(0);
    copy->ReadData(stream);
    TMemoryStream again;
    copy->WriteData(again);
    ASSERT_EQ(again.Size(), stream.Size());
    EXPECT_EQ(std::memcmp(again.Memory(), stream.Memory(), static_cast<std::size_t>(stream.Size())),
              0);

    // Drawn over grey: the corner is transparent, the middle of image 0 is yellow,
    // and disabled it is the shadow colour.
    TBitmap target;
    target.SetSize(40, 20);
    target.Canvas()->Brush()->SetColor(clGray);
    target.Canvas()->FillRect({0, 0, 40, 20});
    copy->Draw(*target.Canvas(), 0, 0, 0);
    copy->Draw(*target.Canvas(), 20, 0, 0, false);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), ColorToRGB(clGray));
    EXPECT_EQ(target.Canvas()->Pixels(8, 8), win::RGB(0xF0, 0xC8, 0x30));
    EXPECT_EQ(target.Canvas()->Pixels(28, 8), ColorToRGB(clBtnShadow));
    EXPECT_EQ(target.Canvas()->Pixels(20, 0), ColorToRGB(clGray));

    const std::string header("\x10\x00\x10\x00\x01\x00", 6);
    const std::string pixels(16 * 16 * 3, '\0');
    const std::string mask(32, '\0');
    const struct {
        const char* name;
        std::string bytes;
    } bad[] = {
        {"empty", ""},
        {"cut short", header + pixels},
        {"bytes left over", header + pixels + mask + "x"},
        {"zero width", std::string("\x00\x00\x10\x00\x01\x00", 6)},
        {"too large", std::string("\x00\x10\x00\x10\x01\x00", 6) + pixels},
    };
    for (const auto& c : bad) {
        TMemoryStream input;
        input.WriteBuffer(c.bytes.data(), static_cast<std::int64_t>(c.bytes.size()));
        input.SetPosition(0);
        try {
            copy->ReadData(input);
            ADD_FAILURE() << c.name;
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), "Failed to read ImageList data from stream") << c.name;
        }
        EXPECT_EQ(copy->Count(), 2) << c.name;
    }

    // Added from a strip, transparent where the mask colour is.
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect({0, 0, 32, 16});
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect({20, 4, 28, 12});
    EXPECT_EQ(copy->AddMasked(strip, clFuchsia), 2);
    EXPECT_EQ(copy->Count(), 4);
    copy->Draw(*target.Canvas(), 0, 0, 3);
    EXPECT_EQ(target.Canvas()->Pixels(8, 8), ColorToRGB(clBlue));
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), ColorToRGB(clGray));
    TBitmap wrong;
    wrong.SetSize(16, 8);
    EXPECT_THROW(copy->Add(wrong, nullptr), EInvalidOperation);
    copy->Delete(0);
    EXPECT_EQ(copy->Count(), 3);
}

} // namespace
} // namespace fw::test
