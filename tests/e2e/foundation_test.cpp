// Start-up, single instance, paste, conversions and exit of the real program.
#include "driver.h"
#include "res/resource.h"
#include <shellapi.h>
#include <gtest/gtest.h>

namespace {

const char kTooBig[] =
    "ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been pasted/saved.";
const char kNoText[] = "ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably "
                       "not formatted as text ].";

} // namespace

class Foundation : public QuilletTest {};

TEST_F(Foundation, SecondStartEndsAtOnceAndTheFirstRunsOn) {
    Quillet first(FreshFolder("single-a"));
    ASSERT_NE(first.WaitForNoteWindow(), nullptr);
    Quillet second(FreshFolder("single-b"));
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_TRUE(second.TopWindows().empty());
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(first.noteWindow()));
    first.Command(IDM_EXIT);
    EXPECT_EQ(first.WaitForExit(), 1u);
}

TEST_F(Foundation, StartsHiddenWithTheMainTitle) {
    Quillet &q = Start(FreshFolder("hidden"));
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(IsWindowVisible(note));
    // Framed as "Main" at (100000, 100000): pushed into the work area's bottom-right corner.
    // The title is set just before the window is placed.
    RECT work = WorkArea(), rect = {};
    WaitFor(3000, [&] {
        rect = WindowRect(note);
        return rect.right == work.right && rect.bottom == work.bottom;
    });
    EXPECT_EQ(rect.right, work.right);
    EXPECT_EQ(rect.bottom, work.bottom);
    EXPECT_TRUE(q.NoBoxFor(300));
    for (HWND window : q.TopWindows())
        EXPECT_FALSE(IsWindowVisible(window)) << WindowText(window);
}

TEST_F(Foundation, ProgramFolderLengthLimit) {
    std::string fits = FolderOfLength(241);
    ASSERT_EQ(fits.size(), 241u);
    {
        Quillet &q = Start(fits);
        ASSERT_NE(q.noteWindow(), nullptr);
        q.Command(IDM_EXIT);
        EXPECT_EQ(q.WaitForExit(), 1u);
    }
    std::string tooLong = FolderOfLength(242);
    ASSERT_EQ(tooLong.size(), 242u);
    Quillet q(tooLong);
    ASSERT_TRUE(q.started());
    EXPECT_EQ(q.WaitForExit(), 0u);
    EXPECT_TRUE(q.TopWindows().empty());
}

TEST_F(Foundation, PasteKeepsLineBreaksExactly) {
    Quillet &q = Start(FreshFolder("paste"));
    ASSERT_NE(q.noteWindow(), nullptr);
    const std::string text = "first line\r\nsecond\tline";
    SetClipboardText(text);
    q.Command(IDM_PASTE_NOTE);
    HWND list = q.WaitForWindow(std::string(kVersion) + " - Copy Note - VANTLER");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ReadFileBytes(q.folder() + "QuilletSlot0.txt"), "first line\r\r\nsecond\tline");
    HWND rows = GetDlgItem(q.noteWindow(), IDC_NOTE_LIST);
    ASSERT_TRUE(WaitFor(5000, [&] { return IsWindowEnabled(rows) != FALSE; }));
    EXPECT_EQ(ListRows(rows), std::vector<std::string>({"first line__second_line"}));
    // Choosing the row puts the note back exactly as it was pasted.
    SetClipboardText("something else");
    SendMessageA(rows, LB_SETCURSEL, 0, 0);
    PostMessageA(q.noteWindow(), WM_COMMAND, MAKEWPARAM(IDC_NOTE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(rows));
    EXPECT_EQ(WaitForClipboardChange("something else"), text);
}

TEST_F(Foundation, PasteRefusesOversizeAndNonText) {
    Quillet &q = Start(FreshFolder("paste-refused"));
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardBlock(std::string(4096, 'x'), 4097);
    q.Command(IDM_PASTE_NOTE);
    BoxInfo box = q.AnswerNext(IDOK);
    EXPECT_EQ(box.text, kTooBig);
    EXPECT_EQ(box.caption, kVersion);
    SetClipboardNonText();
    q.Command(IDM_PASTE_NOTE);
    EXPECT_EQ(q.AnswerNext(IDOK).text, kNoText);
    q.Command(IDM_TO_UPPER);
    EXPECT_EQ(q.AnswerNext(IDOK).text, kNoText);
    // A 4096-byte block is within the limit.
    SetClipboardBlock(std::string(4095, 'y'), 4096);
    q.Command(IDM_PASTE_NOTE);
    EXPECT_TRUE(WaitFor(5000, [&] { return Exists(q.folder() + "QuilletSlot0.txt"); }));
    EXPECT_TRUE(q.NoBoxFor(300));
    std::vector<std::string> files = FilesIn(q.folder());
    EXPECT_EQ(files.size(), 3u); // exe, acceptance and the one note
}

TEST_F(Foundation, ConversionsRewriteTheClipboard) {
    Quillet &q = Start(FreshFolder("convert"));
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardText("Hello World 123\xE4");
    q.Command(IDM_TO_UPPER);
    EXPECT_EQ(WaitForClipboardChange("Hello World 123\xE4"), "HELLO WORLD 123\xE4");
    q.Command(IDM_TO_LOWER);
    EXPECT_EQ(WaitForClipboardChange("HELLO WORLD 123\xE4"), "hello world 123\xE4");
    SetClipboardText("aBc \xC4");
    q.Command(IDM_INVERT_CASE);
    EXPECT_EQ(WaitForClipboardChange("aBc \xC4"), "AbC \xC4");
}

TEST_F(Foundation, TrayCallbacksForOtherIconsOrMovesDoNothing) {
    Quillet &q = Start(FreshFolder("tray-ignored"));
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP, 0x01010102);
    q.Tray(WM_MOUSEMOVE);
    q.Tray(WM_LBUTTONDOWN);
    q.Tray(WM_RBUTTONDOWN);
    Sleep(500);
    for (HWND window : q.TopWindows())
        EXPECT_FALSE(IsWindowVisible(window)) << WindowText(window);
}

TEST_F(Foundation, ExitRemovesTheTrayIcon) {
    Quillet &q = Start(FreshFolder("exit"));
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    // The icon is added just after the window is created.
    EXPECT_TRUE(WaitFor(5000, [&] { return TrayIconPresent(note); }))
        << "the icon is there while it runs";
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);
    EXPECT_FALSE(TrayIconPresent(note)) << "the icon is gone after Exit";
}

TEST_F(Foundation, TrayIconComesBackWhenTheShellRestarts) {
    Quillet &q = Start(FreshFolder("taskbar-created"));
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(WaitFor(5000, [&] { return TrayIconPresent(note); }));
    // What a restarting shell does: the icons are gone, then it says so.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = note;
    icon.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    EXPECT_FALSE(TrayIconPresent(note));
    PostMessageA(note, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor(5000, [&] { return TrayIconPresent(note); }));
}

TEST_F(Foundation, ExploreOpensTheProgramsFolder) {
    std::string elsewhere = FreshFolder("explore-cwd");
    Quillet &q = Start(FreshFolder("explore-here"), true, elsewhere);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Command(IDM_EXPLORE_FOLDER);
    // Explorer titles its window with the folder's name, whatever the current directory.
    HWND explorer = nullptr;
    EXPECT_TRUE(WaitFor(10000, [&] {
        explorer = FindWindowA(nullptr, "explore-here");
        return explorer && IsWindowVisible(explorer);
    }));
    if (explorer) PostMessageA(explorer, WM_CLOSE, 0, 0);
}
