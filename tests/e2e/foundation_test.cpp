// Start-up, single instance, paste, conversions and exit of the real program.
#include "driver.h"
#include <shellapi.h>
#include <gtest/gtest.h>

namespace {

const char kTooBig[] =
    "ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been pasted/saved.";
const char kNoText[] = "ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably "
                       "not formatted as text ].";

// Whether the program's tray icon is there, asked of the shell from outside.
bool TrayIconPresent(HWND note) {
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = note;
    probe.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

} // namespace

TEST(Foundation, SecondStartEndsAtOnceAndTheFirstRunsOn) {
    Quillet first(FreshFolder("single-a"));
    ASSERT_NE(first.WaitForNoteWindow(), nullptr);
    Quillet second(FreshFolder("single-b"));
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_TRUE(second.TopWindows().empty());
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(first.noteWindow()));
    first.Command(40001);
    EXPECT_EQ(first.WaitForExit(), 1u);
}

TEST(Foundation, StartsHiddenWithTheMainTitle) {
    Quillet q(FreshFolder("hidden"));
    HWND note = q.WaitForNoteWindow();
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
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, ProgramFolderLengthLimit) {
    std::string fits = FolderOfLength(241);
    ASSERT_EQ(fits.size(), 241u);
    {
        Quillet q(fits);
        ASSERT_NE(q.WaitForNoteWindow(), nullptr);
        q.Command(40001);
        EXPECT_EQ(q.WaitForExit(), 1u);
    }
    std::string tooLong = FolderOfLength(242);
    ASSERT_EQ(tooLong.size(), 242u);
    Quillet q(tooLong);
    ASSERT_TRUE(q.started());
    EXPECT_EQ(q.WaitForExit(), 0u);
    EXPECT_TRUE(q.TopWindows().empty());
}

TEST(Foundation, PasteKeepsLineBreaksExactly) {
    Quillet q(FreshFolder("paste"));
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    const std::string text = "first line\r\nsecond\tline";
    SetClipboardText(text);
    q.Command(40003);
    HWND list = q.WaitForWindow(std::string(kVersion) + " - Copy Note - VANTLER");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ReadFileBytes(q.folder() + "QuilletSlot0.txt"), "first line\r\r\nsecond\tline");
    HWND rows = GetDlgItem(q.noteWindow(), 1001);
    ASSERT_TRUE(WaitFor(5000, [&] { return IsWindowEnabled(rows) != FALSE; }));
    EXPECT_EQ(ListRows(rows), std::vector<std::string>({"first line__second_line"}));
    // Choosing the row puts the note back exactly as it was pasted.
    SetClipboardText("something else");
    SendMessageA(rows, LB_SETCURSEL, 0, 0);
    PostMessageA(q.noteWindow(), WM_COMMAND, MAKEWPARAM(1001, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(rows));
    EXPECT_EQ(WaitForClipboardChange("something else"), text);
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, PasteRefusesOversizeAndNonText) {
    Quillet q(FreshFolder("paste-refused"));
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    SetClipboardBlock(std::string(4096, 'x'), 4097);
    q.Command(40003);
    BoxInfo box = q.AnswerNext(IDOK);
    EXPECT_EQ(box.text, kTooBig);
    EXPECT_EQ(box.caption, kVersion);
    SetClipboardNonText();
    q.Command(40003);
    EXPECT_EQ(q.AnswerNext(IDOK).text, kNoText);
    q.Command(40024);
    EXPECT_EQ(q.AnswerNext(IDOK).text, kNoText);
    // A 4096-byte block is within the limit.
    SetClipboardBlock(std::string(4095, 'y'), 4096);
    q.Command(40003);
    EXPECT_TRUE(WaitFor(5000, [&] { return Exists(q.folder() + "QuilletSlot0.txt"); }));
    EXPECT_TRUE(q.NoBoxFor(300));
    std::vector<std::string> files = FilesIn(q.folder());
    EXPECT_EQ(files.size(), 3u); // exe, acceptance and the one note
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, ConversionsRewriteTheClipboard) {
    Quillet q(FreshFolder("convert"));
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    SetClipboardText("Hello World 123\xE4");
    q.Command(40024);
    EXPECT_EQ(WaitForClipboardChange("Hello World 123\xE4"), "HELLO WORLD 123\xE4");
    q.Command(40023);
    EXPECT_EQ(WaitForClipboardChange("HELLO WORLD 123\xE4"), "hello world 123\xE4");
    SetClipboardText("aBc \xC4");
    q.Command(40027);
    EXPECT_EQ(WaitForClipboardChange("aBc \xC4"), "AbC \xC4");
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, TrayCallbacksForOtherIconsOrMovesDoNothing) {
    Quillet q(FreshFolder("tray-ignored"));
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP, 0x01010102);
    q.Tray(WM_MOUSEMOVE);
    q.Tray(WM_LBUTTONDOWN);
    q.Tray(WM_RBUTTONDOWN);
    Sleep(500);
    for (HWND window : q.TopWindows())
        EXPECT_FALSE(IsWindowVisible(window)) << WindowText(window);
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, ExitRemovesTheTrayIcon) {
    Quillet q(FreshFolder("exit"));
    HWND note = q.WaitForNoteWindow();
    ASSERT_NE(note, nullptr);
    // The icon is added just after the window is created.
    EXPECT_TRUE(WaitFor(5000, [&] { return TrayIconPresent(note); }))
        << "the icon is there while it runs";
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
    EXPECT_FALSE(TrayIconPresent(note)) << "the icon is gone after Exit";
}

TEST(Foundation, TrayIconComesBackWhenTheShellRestarts) {
    Quillet q(FreshFolder("taskbar-created"));
    HWND note = q.WaitForNoteWindow();
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
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST(Foundation, ExploreOpensTheProgramsFolder) {
    std::string elsewhere = FreshFolder("explore-cwd");
    Quillet q(FreshFolder("explore-here"), true, elsewhere);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    q.Command(40008);
    // Explorer titles its window with the folder's name, whatever the current directory.
    HWND explorer = nullptr;
    EXPECT_TRUE(WaitFor(10000, [&] {
        explorer = FindWindowA(nullptr, "explore-here");
        return explorer && IsWindowVisible(explorer);
    }));
    if (explorer) PostMessageA(explorer, WM_CLOSE, 0, 0);
    q.Command(40001);
    EXPECT_EQ(q.WaitForExit(), 1u);
}
