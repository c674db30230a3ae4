// A user's day with real mouse input: clicks on the tray icon, the menus, the
// list and the buttons of the Wine virtual desktop (1280 x 800, taskbar at the
// bottom, this program's icon the first from the right).
#include "base/product.h"
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Where Wine draws the tray menu opened from the icon, and its submenus.
const POINT kTrayIcon = {1270, 790};
const int kMenuX = 1150;
const int kCommonY = 589, kDonateY = 605, kConvertY = 630, kPlainY = 687, kManageY = 712,
          kPasteY = 728, kExitY = 769;
const POINT kUpperCase = {990, 671}, kTimeStamp = {840, 760}, kCreateLinks = {960, 614};

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

void OpenTrayMenu() {
    Click(kTrayIcon, true);
    EXPECT_TRUE(WaitFor(5000, [] { return MenusShowing() >= 1; })) << "no tray menu";
}

// Opens a submenu by resting on its row, then slides along that row into it.
void ChooseFromSubmenu(int parentY, POINT item) {
    OpenTrayMenu();
    MoveTo({kMenuX, parentY});
    EXPECT_TRUE(WaitFor(5000, [] { return MenusShowing() >= 2; })) << "no submenu";
    MoveTo({item.x, parentY});
    Click(item);
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
    Click(kTrayIcon);
    ASSERT_TRUE(shown("Copy Note"));
    SetClipboardText("-");
    Click(firstRow());
    EXPECT_EQ(WaitForClipboardChange("-"), "first note");
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(note); }));

    // Paste New Note from the menu: saved, then listed.
    SetClipboardText("pasted by a click");
    OpenTrayMenu();
    Click({kMenuX, kPasteY});
    ASSERT_TRUE(shown("Copy Note"));
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot2.txt"), "pasted by a click");
    EXPECT_EQ(ListRows(list).size(), 3u);

    // Manage Notes: Refresh, choose a row, Copy.
    OpenTrayMenu();
    Click({kMenuX, kManageY});
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
    ChooseFromSubmenu(kConvertY, kUpperCase);
    EXPECT_EQ(WaitForClipboardChange("Mixed Case"), "MIXED CASE");
    ChooseFromSubmenu(kPlainY, kTimeStamp);
    std::string stamp = WaitForClipboardChange("MIXED CASE");
    EXPECT_EQ(stamp.front(), '\'');
    EXPECT_EQ(stamp.substr(stamp.size() - 4), "]'\r\n");

    // The Links dialog, closed with OK.
    ChooseFromSubmenu(kCommonY, kCreateLinks);
    HWND links = q.WaitForWindow(std::string(kVersion) + " - Links - VANTLER");
    ASSERT_NE(links, nullptr);
    ASSERT_TRUE(
        WaitFor(3000, [&] { return ControlText(GetDlgItem(links, IDC_VERSION)) == kVersion; }));
    ClickControl(GetDlgItem(links, IDOK));
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindow(links); }));

    // The donation dialog, closed with its title-bar button.
    OpenTrayMenu();
    Click({kMenuX, kDonateY});
    HWND donate = q.WaitForWindow(std::string(kVersion) + " - Donate - VANTLER");
    ASSERT_NE(donate, nullptr);
    EXPECT_TRUE(WaitFor(
        3000, [&] { return ControlText(GetDlgItem(donate, 1016)) == QUILLET_DONATION_URL; }));
    RECT frame = WindowRect(donate);
    Click({frame.right - 12, frame.top + 11});
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindow(donate); }));

    // Exit from the menu.
    OpenTrayMenu();
    Click({kMenuX, kExitY});
    EXPECT_EQ(q.WaitForExit(), 1u);
}
