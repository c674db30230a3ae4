// A user's day with real mouse input: clicks on the tray icon, the menus, the
// list and the buttons of the Wine virtual desktop (taskbar at the bottom,
// this program's icon the first from the right). Every click is placed by
// asking the windows where they are: Wines differ in where a menu opens.
#include "base/product.h"
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// An item of a menu: where it is from the menu's top left when the menu is
// `height` pixels tall. Wines draw items a pixel or two taller or shorter, so
// the point is scaled to the menu's height as shown.
struct MenuSpot {
    int x, y, height;
};
POINT SpotIn(const RECT &menu, MenuSpot spot) {
    return {menu.left + spot.x, menu.top + spot.y * (menu.bottom - menu.top) / spot.height};
}
constexpr MenuSpot InTrayMenu(int y) {
    return {73, y, 236};
}
const MenuSpot kCommon = InTrayMenu(45), kDonate = InTrayMenu(61), kConvert = InTrayMenu(86),
               kPlain = InTrayMenu(143), kManage = InTrayMenu(168), kPaste = InTrayMenu(184),
               kExit = InTrayMenu(225);
const MenuSpot kUpperCase = {36, 52, 97}, kTimeStamp = {50, 84, 95}, kCreateLinks = {67, 36, 111};

// The tray icon, in the middle of the taskbar's last 20 pixels.
POINT TrayIcon() {
    return {GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 10};
}

// Real input through the X server, as a user's mouse gives it: xdotool is a
// Unix program, which Wine starts like any other.
void Xdotool(const std::string &arguments) {
    if (!RunUnixProgram("/usr/bin/xdotool " + arguments)) ADD_FAILURE() << "cannot run xdotool";
}

void MoveTo(POINT at) {
    Xdotool("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y));
    Sleep(150);
}

void Click(POINT at, bool right = false) {
    Xdotool("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click " +
            (right ? "3" : "1"));
    Sleep(250);
}

void ClickControl(HWND control) {
    RECT rect = WindowRect(control);
    Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// The shown menu's rectangle other than `other`'s (empty for none).
RECT ShownMenuBesides(const RECT &other) {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        RECT rect = WindowRect(menu);
        if (IsWindowVisible(menu) && !EqualRect(&rect, &other)) return rect;
    }
    return RECT{};
}

// Opens the tray menu and says where its item is.
POINT OpenTrayMenu(MenuSpot item) {
    Click(TrayIcon(), true);
    EXPECT_TRUE(WaitFor(5000, [] { return MenusShowing() >= 1; })) << "no tray menu";
    return SpotIn(ShownMenuBesides(RECT{}), item);
}

// Opens a submenu by resting on its row, then slides along that row into it.
void ChooseFromSubmenu(MenuSpot parentItem, MenuSpot item) {
    POINT parent = OpenTrayMenu(parentItem);
    RECT tray = ShownMenuBesides(RECT{});
    MoveTo(parent);
    EXPECT_TRUE(WaitFor(5000, [] { return MenusShowing() >= 2; })) << "no submenu";
    POINT at = SpotIn(ShownMenuBesides(tray), item);
    MoveTo({at.x, parent.y});
    Click(at);
}

} // namespace

class Journey : public QuilletTest {};

TEST_F(Journey, ADayWithRealClicks) {
    std::string folder = FreshFolder("journey");
    WriteFileBytes(folder + "QuilletSlot0.txt", "first note");
    WriteFileBytes(folder + "QuilletSlot1.txt", "second note");
    Quillet &q = Start(folder);
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    HWND list = GetDlgItem(note, IDC_NOTE_LIST);
    auto shown = [&](const char *part) {
        return WaitFor(10000, [&] {
            return IsWindowVisible(note) && IsWindowEnabled(list) &&
                   WindowText(note) == std::string(kVersion) + " - " + part + " - VANTLER";
        });
    };
    auto firstRow = [&] {
        RECT rect = WindowRect(list);
        int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return POINT{rect.left + 60, rect.top + 2 + item / 2};
    };

    // A left click on the icon slides the list up; a click on a row copies it.
    ASSERT_TRUE(WaitFor(5000, [&] { return TrayIconPresent(note); }));
    Click(TrayIcon());
    ASSERT_TRUE(shown("Copy Note"));
    SetClipboardText("-");
    Click(firstRow());
    EXPECT_EQ(WaitForClipboardChange("-"), "first note");
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(note); }));

    // Paste New Note from the menu: saved, then listed.
    SetClipboardText("pasted by a click");
    Click(OpenTrayMenu(kPaste));
    ASSERT_TRUE(shown("Copy Note"));
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot2.txt"), "pasted by a click");
    EXPECT_EQ(ListRows(list).size(), 3u);
    // Closed with its title-bar button: where the work area takes in the
    // taskbar, the list covers the tray icon.
    RECT listFrame = WindowRect(note);
    Click({listFrame.right - 12, listFrame.top + 11});
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(note); }));

    // Manage Notes: Refresh, choose a row, Copy.
    Click(OpenTrayMenu(kManage));
    ASSERT_TRUE(shown("Manage Notes"));
    ClickControl(GetDlgItem(note, IDC_REFRESH));
    Click(firstRow());
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(note)) << "a click only selects in Manage Notes";
    SetClipboardText("-");
    ClickControl(GetDlgItem(note, IDC_COPY));
    EXPECT_EQ(WaitForClipboardChange("-"), "first note");
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(note); }));

    // A conversion and a stamp from their submenus.
    SetClipboardText("Mixed Case");
    ChooseFromSubmenu(kConvert, kUpperCase);
    EXPECT_EQ(WaitForClipboardChange("Mixed Case"), "MIXED CASE");
    ChooseFromSubmenu(kPlain, kTimeStamp);
    std::string stamp = WaitForClipboardChange("MIXED CASE");
    EXPECT_EQ(stamp.front(), '\'');
    EXPECT_EQ(stamp.substr(stamp.size() - 4), "]'\r\n");

    // The Links dialog, closed with OK.
    ChooseFromSubmenu(kCommon, kCreateLinks);
    HWND links = q.WaitForWindow(std::string(kVersion) + " - Links - VANTLER");
    ASSERT_NE(links, nullptr);
    ASSERT_TRUE(
        WaitFor(3000, [&] { return ControlText(GetDlgItem(links, IDC_VERSION)) == kVersion; }));
    ClickControl(GetDlgItem(links, IDOK));
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindow(links); }));

    // The donation dialog, closed with its title-bar button.
    Click(OpenTrayMenu(kDonate));
    HWND donate = q.WaitForWindow(std::string(kVersion) + " - Donate - VANTLER");
    ASSERT_NE(donate, nullptr);
    EXPECT_TRUE(WaitFor(
        3000, [&] { return ControlText(GetDlgItem(donate, 1016)) == QUILLET_DONATION_URL; }));
    RECT frame = WindowRect(donate);
    Click({frame.right - 12, frame.top + 11});
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindow(donate); }));

    // Exit from the menu.
    Click(OpenTrayMenu(kExit));
    EXPECT_EQ(q.WaitForExit(), 1u);
}
