// The Copy Note list, the Manage Notes window, the slide and deleting notes.
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

RECT ClientRectOf(HWND control, HWND parent) {
    RECT rect = WindowRect(control);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

void ExpectRect(HWND control, HWND parent, int x, int y, int w, int h, const char *what) {
    RECT rect = ClientRectOf(control, parent);
    EXPECT_EQ(rect.left, x) << what;
    EXPECT_EQ(rect.top, y) << what;
    if (w >= 0) {
        EXPECT_EQ(rect.right - rect.left, w) << what;
    }
    if (h >= 0) {
        EXPECT_EQ(rect.bottom - rect.top, h) << what;
    }
}

} // namespace

class NoteWindows : public QuilletTest {};

TEST_F(NoteWindows, CopyListSlidesUpSizedToItsNotesAndCopiesTheChosenNote) {
    std::string folder = FreshFolder("copy-list");
    WriteNote(folder, 2, "beta");
    WriteNote(folder, 5, "alpha\r\nx\ty");
    WriteNote(folder, 9, "");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({"alpha__x_y", "beta"}));
    EXPECT_EQ(ListRows(GetDlgItem(q.noteWindow(), IDC_INDEX_LIST)),
              std::vector<std::string>({"alpha__x_y#05", "beta#02"}));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(q.noteWindow(), IDC_COPY)));

    RECT work = WorkArea(), rect = WindowRect(q.noteWindow());
    int itemHeight = static_cast<int>(SendMessageA(List(q), LB_GETITEMHEIGHT, 0, 0));
    int expectedHeight = 2 * itemHeight + GetSystemMetrics(SM_CYHSCROLL) + 40;
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right - rect.left, work.right - work.left);
    EXPECT_EQ(rect.bottom, work.bottom);
    EXPECT_EQ(rect.bottom - rect.top, expectedHeight);

    SetClipboardText("before");
    ChooseRow(q, 0);
    EXPECT_EQ(WaitForClipboardChange("before"), "alpha\r\nx\ty");
    EXPECT_TRUE(WaitHidden(q));
}

TEST_F(NoteWindows, EachRowCopiesTheNoteItShows) {
    // "ab" and "ab!" sort one way as rows and the other way with "#NN"
    // appended; equal texts and a "#12" inside a note must not confuse rows.
    std::string folder = FreshFolder("row-ties");
    WriteNote(folder, 0, "ab!");
    WriteNote(folder, 3, "ab");
    WriteNote(folder, 4, "same");
    WriteNote(folder, 6, "same");
    WriteNote(folder, 7, "note #12");
    WriteNote(folder, 12, "twelve");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    std::vector<std::string> rows = ListRows(List(q));
    ASSERT_EQ(rows.size(), 6u);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (row > 0) {
            q.Tray(WM_LBUTTONUP);
            ASSERT_TRUE(WaitShown(q, "Copy Note"));
        }
        SetClipboardText("-");
        ChooseRow(q, static_cast<int>(row));
        EXPECT_EQ(WaitForClipboardChange("-"), rows[row]) << "row " << row;
        ASSERT_TRUE(WaitHidden(q));
    }
}

TEST_F(NoteWindows, SlideRisesSteadilyToItsEnd) {
    MenuShowDelaySetting usual("400"); // whatever an earlier run left behind
    std::string folder = FreshFolder("slide");
    for (int slot = 0; slot < 6; ++slot)
        WriteNote(folder, slot, "note " + std::to_string(slot));
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    std::vector<LONG> tops;
    WaitFor(10000, [&] {
        if (IsWindowVisible(q.noteWindow())) {
            LONG top = WindowRect(q.noteWindow()).top;
            if (tops.empty() || tops.back() != top) tops.push_back(top);
        }
        return IsWindowEnabled(List(q)) && IsWindowVisible(q.noteWindow());
    });
    RECT work = WorkArea(), rect = WindowRect(q.noteWindow());
    ASSERT_GE(tops.size(), 3u) << "the window should be seen moving";
    for (size_t i = 1; i < tops.size(); ++i)
        EXPECT_LT(tops[i], tops[i - 1]) << i;
    EXPECT_EQ(tops.back(), work.bottom - (rect.bottom - rect.top));
}

TEST_F(NoteWindows, ExitDuringASlideEndsTheProgram) {
    std::string folder = FreshFolder("exit-in-slide");
    WriteNote(folder, 0, "a note");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    q.Command(IDM_EXIT); // taken by the drain between two frames of the slide
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST_F(NoteWindows, TrayClickDuringASlideStaysResponsive) {
    std::string folder = FreshFolder("nested-slide");
    WriteNote(folder, 0, "first");
    WriteNote(folder, 1, "second");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    Sleep(60);
    q.Tray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    // The inner slide ends first and the outer one then goes on: the end is
    // the window resting at the bottom of the work area for longer than any
    // pause between frames.
    RECT work = WorkArea();
    DWORD restingSince = GetTickCount();
    EXPECT_TRUE(WaitFor(10000,
                        [&] {
                            if (WindowRect(q.noteWindow()).bottom != work.bottom)
                                restingSince = GetTickCount();
                            return GetTickCount() - restingSince >= 300;
                        }))
        << "bottom " << WindowRect(q.noteWindow()).bottom << ", work area " << work.bottom;
    SetClipboardText("-");
    ChooseRow(q, 1);
    EXPECT_EQ(WaitForClipboardChange("-"), "second");
}

TEST_F(NoteWindows, ManageLayoutAndItsButtons) {
    std::string folder = FreshFolder("manage");
    WriteNote(folder, 0, "one");
    WriteNote(folder, 1, "two");
    Quillet &q = Start(folder);
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    q.Command(IDM_MANAGE_NOTES);
    ASSERT_TRUE(WaitShown(q, "Manage Notes"));
    ASSERT_TRUE(WaitFor(5000, [&] { return IsWindowEnabled(GetDlgItem(note, IDC_COPY)) != 0; }));
    RECT client = {};
    GetClientRect(note, &client);
    int w = client.right, h = client.bottom;
    ExpectRect(List(q), note, 0, 50, w, h - 50, "note list");
    ExpectRect(GetDlgItem(note, IDC_COPY), note, w - 150, 10, 130, 30, "Copy");
    ExpectRect(GetDlgItem(note, IDC_DELETE), note, w - 300, 10, 130, 30, "Delete");
    ExpectRect(GetDlgItem(note, IDC_OPEN), note, w - 450, 10, 130, 30, "Open");
    ExpectRect(GetDlgItem(note, IDC_REFRESH), note, w - 600, 10, 130, 30, "Refresh");
    ExpectRect(GetDlgItem(note, IDC_ICON), note, 10, 10, -1, -1, "icon");
    ExpectRect(GetDlgItem(note, IDC_VERSION), note, 52, 12, -1, -1, "version");
    ExpectRect(GetDlgItem(note, IDC_COPYRIGHT), note, 52, 27, -1, -1, "copyright");
    EXPECT_EQ(WindowText(GetDlgItem(note, IDC_VERSION)), kVersion);
    RECT work = WorkArea(), rect = WindowRect(note);
    int itemHeight = static_cast<int>(SendMessageA(List(q), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(rect.bottom - rect.top, 2 * itemHeight + GetSystemMetrics(SM_CYHSCROLL) + 50 + 40);
    EXPECT_EQ(rect.bottom, work.bottom);

    // Without a selection, Copy, Open and Delete only say so.
    for (int button : {IDC_COPY, IDC_OPEN, IDC_DELETE}) {
        q.Command(button);
        EXPECT_EQ(q.AnswerNext(IDOK).text, "Nothing selected.");
    }
    // A click on a row only selects it in this mode.
    ASSERT_TRUE(SelectRow(List(q), 1));
    PostMessageA(note, WM_COMMAND, MAKEWPARAM(IDC_NOTE_LIST, LBN_SELCHANGE), 0);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(note));

    // Open: the notice, then the file in its editor (our recorder here).
    size_t already = OpeningsSoFar();
    q.Command(IDC_OPEN);
    BoxInfo notice = q.AnswerNext(IDOK);
    EXPECT_EQ(notice.text, "'Refresh' to load any alterations to data.");
    std::vector<std::string> opened = OpeningsAfter(already, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("QuilletSlot1.txt"), std::string::npos) << opened[0];
    EXPECT_TRUE(IsWindowVisible(note));

    // Refresh after an outside edit: rows rebuilt, no selection, same size.
    WriteNote(folder, 1, "two, edited");
    WriteNote(folder, 2, "three");
    q.Command(IDC_REFRESH);
    ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q)).size() == 3; }));
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({"one", "three", "two, edited"}));
    EXPECT_EQ(SendMessageA(List(q), LB_GETCURSEL, 0, 0), LB_ERR);
    RECT after = WindowRect(note);
    EXPECT_EQ(after.bottom - after.top, rect.bottom - rect.top);
    WriteNote(folder, 2, "three!");
    q.Command(IDM_REFRESH_NOTES);
    ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q))[1] == "three!"; }));

    // Copy from Manage copies, slides out and hides.
    ASSERT_TRUE(SelectRow(List(q), 0));
    SetClipboardText("-");
    q.Command(IDC_COPY);
    EXPECT_EQ(WaitForClipboardChange("-"), "one");
    EXPECT_TRUE(WaitHidden(q));

    // The close button hides at once; the program runs on.
    q.Command(IDM_MANAGE_NOTES);
    ASSERT_TRUE(WaitShown(q, "Manage Notes"));
    PostMessageA(note, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitHidden(q));
    EXPECT_TRUE(q.Running());
}

TEST_F(NoteWindows, DeleteAsksTwiceAndOffersABackup) {
    std::string folder = FreshFolder("delete");
    WriteNote(folder, 0, "Meeting at 10:30\r\nRoom 4");
    WriteNote(folder, 1, "keep me");
    WriteNote(folder, 2, "no backup");
    Quillet &q = Start(folder);
    HWND note = q.noteWindow();
    ASSERT_NE(note, nullptr);
    q.Command(IDM_MANAGE_NOTES);
    ASSERT_TRUE(WaitShown(q, "Manage Notes"));
    auto select = [&](const std::string &text) { ASSERT_TRUE(SelectRowText(List(q), text)); };

    select("keep me");
    q.Command(IDC_DELETE);
    BoxInfo first = q.AnswerNext(IDNO);
    EXPECT_EQ(first.text, "Delete selected note?\n\nContinue?");
    EXPECT_TRUE(first.hasYesNo);
    EXPECT_TRUE(q.NoBoxFor(300));
    EXPECT_NE(SendMessageA(List(q), LB_GETCURSEL, 0, 0), LB_ERR) << "no reload after the first No";

    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    EXPECT_EQ(q.AnswerNext(IDNO).text, "Delete selected note?\n\nAre you sure?\n\nContinue?");
    ASSERT_TRUE(WaitFor(3000, [&] { return SendMessageA(List(q), LB_GETCURSEL, 0, 0) == LB_ERR; }));
    EXPECT_TRUE(Exists(folder + "QuilletSlot1.txt"));

    select("no backup");
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    EXPECT_EQ(q.AnswerNext(IDNO).text, "Make a backup of the Quillsheet?\n\nContinue?");
    EXPECT_TRUE(WaitFor(3000, [&] { return !Exists(folder + "QuilletSlot2.txt"); }));

    select("Meeting at 10:30__Room 4");
    std::string stored = ReadFileBytes(folder + "QuilletSlot0.txt");
    long long before = static_cast<long long>(std::time(nullptr));
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    BoxInfo name = q.AnswerNext(IDOK);
    long long after = static_cast<long long>(std::time(nullptr));
    const std::string prefix = folder + "QuilletBackup [";
    ASSERT_EQ(name.text.compare(0, prefix.size(), prefix), 0) << name.text;
    long long seconds = std::atoll(name.text.c_str() + prefix.size());
    EXPECT_GE(seconds, before);
    EXPECT_LE(seconds, after);
    EXPECT_EQ(name.text,
              prefix + std::to_string(seconds) + "] ['Meeting at 10_30__Room 4____...].txt");
    ASSERT_TRUE(WaitFor(3000, [&] { return !Exists(folder + "QuilletSlot0.txt"); }));
    EXPECT_EQ(ReadFileBytes(name.text), stored);
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({"keep me"}));
}

TEST_F(NoteWindows, ABackupNeverReplacesAnExistingFile) {
    std::string folder = FreshFolder("backup-clash");
    WriteNote(folder, 0, "same first twenty-eight bytes!");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    // Whatever second the backup is named after, a file of that name is there.
    long long now = static_cast<long long>(std::time(nullptr));
    std::vector<std::string> clashes;
    for (long long t = now - 2; t < now + 30; ++t) {
        clashes.push_back(folder + "QuilletBackup [" + std::to_string(t) +
                          "] ['same first twenty-eight byte...].txt");
        WriteFileBytes(clashes.back(), "an earlier backup");
    }
    q.Command(IDM_MANAGE_NOTES);
    ASSERT_TRUE(WaitShown(q, "Manage Notes"));
    ASSERT_TRUE(SelectRow(List(q), 0));
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    BoxInfo name = q.AnswerNext(IDOK);
    EXPECT_NE(std::find(clashes.begin(), clashes.end(), name.text), clashes.end()) << name.text;
    BoxInfo error = q.AnswerNext(IDOK);
    EXPECT_EQ(error.text.rfind("ERROR: The Backup operation failed.\n\nREASON: ", 0), 0u)
        << error.text;
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), "same first twenty-eight bytes!");
    for (const std::string &clash : clashes)
        EXPECT_EQ(ReadFileBytes(clash), "an earlier backup");
}

TEST_F(NoteWindows, ExitFromATrayMenuOpenedDuringASlide) {
    std::string folder = FreshFolder("menu-in-slide");
    for (int slot = 0; slot < 10; ++slot)
        WriteNote(folder, slot, "note " + std::to_string(slot));
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    q.Tray(WM_RBUTTONUP); // opens the menu from the slide's message drain
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor(5000, [&] {
        menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }));
    EXPECT_TRUE(q.Running());
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0); // the last item, Exit
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST_F(NoteWindows, ABackupNameTooLongForAPathEndsTheProgramAndKeepsTheNote) {
    std::string folder = FolderOfLength(241);
    ASSERT_EQ(folder.size(), 241u);
    WriteNote(folder, 0, "kept");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Command(IDM_MANAGE_NOTES);
    ASSERT_TRUE(WaitShown(q, "Manage Notes"));
    ASSERT_TRUE(SelectRow(List(q), 0));
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    BoxInfo tooLong = q.AnswerNext(IDOK);
    EXPECT_EQ(tooLong.text.rfind("ERROR: PathFileName is too long. The application will exit (data "
                                 "will not be saved or deleted).",
                                 0),
              0u)
        << tooLong.text;
    EXPECT_EQ(q.WaitForExit(), 1u);
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), "kept");
    EXPECT_EQ(FilesIn(folder).size(), 3u); // exe, acceptance, the note: no backup
}
