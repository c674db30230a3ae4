// No crawl, no wrong note, no silent failure: the paths found by review.
#include "driver.h"
#include "res/resource.h"
#include "support/browser_recorder.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::string Slot(const std::string &folder, int slot) {
    return folder + "QuilletSlot" + std::to_string(slot) + ".txt";
}

// The Manage Notes window with `row` selected.
bool ManageWithRow(Quillet &q, int row) {
    q.Command(IDM_MANAGE_NOTES);
    return WaitShown(q, "Manage Notes") && SelectRow(List(q), row);
}

// A fresh folder on the small tmpfs named by QUILLET_FULL_DISK, or "" without one.
std::string FullDiskFolder(const char *name) {
    const char *full = std::getenv("QUILLET_FULL_DISK");
    if (!full || !*full) return "";
    std::string folder = std::string("Z:") + full + "/" + name + "/";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Fills what is left of the disk, so that a new file can be made but not written.
void FillDisk(const std::string &folder) {
    HANDLE filler = CreateFileA((folder + "filler").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    std::string chunk(4096, 'f');
    DWORD wrote = 0;
    while (WriteFile(filler, chunk.data(), 4096, &wrote, nullptr) && wrote == 4096) {
    }
    CloseHandle(filler);
}

std::string CannotDelete(const std::string &file) {
    return "ERROR: Could not delete '" + file + "'. The note has not been deleted.";
}

} // namespace

class FullDisk : public QuilletTest {};
class Hardening : public QuilletTest {};
class SmallScreen : public QuilletTest {};

TEST_F(Hardening, ATinyMenuShowDelaySlidesAsTwoHundredNotForAMinute) {
    MenuShowDelaySetting tiny("1");
    std::string folder = FreshFolder("tiny-delay");
    WriteNote(folder, 0, "one");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    // At a step of delay/10000 of the height this would take 10,002 frames.
    EXPECT_TRUE(WaitShown(q, "Copy Note"));
}

TEST_F(Hardening, OpenActsOnTheNoteSelectedWhenPressed) {
    std::string folder = FreshFolder("open-slot");
    WriteNote(folder, 0, "b note");
    WriteNote(folder, 1, "c note");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    ASSERT_TRUE(ManageWithRow(q, 1));
    size_t already = OpeningsSoFar();
    q.Command(IDC_OPEN);
    BoxInfo notice = q.WaitForBox();
    ASSERT_EQ(notice.text, "'Refresh' to load any alterations to data.");
    // While the notice is up a paste reloads and re-sorts the lists.
    SetClipboardText("a note");
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitFor(10000, [&] { return Exists(Slot(folder, 2)); }));
    ASSERT_TRUE(WaitFor(10000, [&] { return ListRows(List(q)).size() == 3; }));
    q.Answer(notice, IDOK);
    std::vector<std::string> opened = OpeningsAfter(already, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("QuilletSlot1.txt"), std::string::npos) << opened[0];
}

TEST_F(Hardening, ANoteWhoseFileCannotBeDeletedIsSaidToStay) {
    std::string folder = FreshFolder("undeletable");
    WriteNote(folder, 0, "read only");
    WriteNote(folder, 1, "held open");
    SetFileAttributesA(Slot(folder, 0).c_str(), FILE_ATTRIBUTE_READONLY);
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    // A read-only note, deleted without a backup.
    ASSERT_TRUE(ManageWithRow(q, 1));
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDNO);
    EXPECT_EQ(q.AnswerNext(IDOK).text, CannotDelete(Slot(folder, 0)));
    ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q)).size() == 2; }));
    // A note held open by another program without delete sharing, with a backup.
    HANDLE held = CreateFileA(Slot(folder, 1).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SelectRowText(List(q), "held open"));
    q.Command(IDC_DELETE);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    EXPECT_NE(q.AnswerNext(IDOK).text.find("QuilletBackup ["), std::string::npos);
    EXPECT_EQ(q.AnswerNext(IDOK).text, CannotDelete(Slot(folder, 1)));
    CloseHandle(held);
    ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q)).size() == 2; }));
    EXPECT_TRUE(Exists(Slot(folder, 0)));
    EXPECT_TRUE(Exists(Slot(folder, 1)));
    int backups = 0;
    for (const std::string &name : FilesIn(folder))
        if (name.rfind("QuilletBackup [", 0) == 0) ++backups;
    EXPECT_EQ(backups, 1) << "the copy made just before stays";
}

TEST_F(Hardening, AnEmptyTextIsNotSavedAndSaysSo) {
    Quillet &q = Start(FreshFolder("empty-text"));
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardText("");
    q.Command(IDM_PASTE_NOTE);
    EXPECT_EQ(q.AnswerNext(IDOK).text, "The Clipboard text is empty: there is nothing to save.");
    EXPECT_FALSE(Exists(Slot(q.folder(), 0)));
}

TEST_F(Hardening, ASecondDonateRequestBringsTheOpenDialogForward) {
    Quillet &q = Start(FreshFolder("donate-twice"));
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Command(IDM_DONATE);
    HWND dialog = q.WaitForWindow(Title("Donate"));
    ASSERT_NE(dialog, nullptr);
    q.Command(IDM_DONATE);
    Sleep(500);
    int dialogs = 0;
    for (HWND window : q.TopWindows())
        if (WindowText(window) == Title("Donate")) ++dialogs;
    EXPECT_EQ(dialogs, 1);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor(5000, [&] { return !IsWindow(dialog); }));
    // Once closed, the next request opens a new one.
    q.Command(IDM_DONATE);
    HWND again = q.WaitForWindow(Title("Donate"));
    ASSERT_NE(again, nullptr);
    PostMessageA(again, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor(5000, [&] { return !IsWindow(again); }));
}

TEST_F(Hardening, ANoteFileWithNoProgramToOpenItIsSaidSo) {
    std::string folder = FreshFolder("no-editor");
    WriteNote(folder, 0, "note");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    ASSERT_TRUE(ManageWithRow(q, 0));
    SetTextFileHandler(false);
    q.Command(IDC_OPEN);
    q.AnswerNext(IDOK);
    BoxInfo box = q.AnswerNext(IDOK);
    SetTextFileHandler(true);
    EXPECT_EQ(box.text, "ERROR: Could not open '" + Slot(folder, 0) + "'.");
}

// Needs a work area shorter than 50 rows: its own CTest test runs it on a
// 1280x600 virtual desktop.
TEST_F(SmallScreen, FiftyNotesStayOnTheScreenAndScroll) {
    RECT work = WorkArea();
    if (work.bottom - work.top > 600) GTEST_SKIP() << "needs the 1280x600 desktop";
    std::string folder = FreshFolder("small-screen");
    for (int slot = 0; slot < 50; ++slot)
        WriteNote(folder, slot, "note " + std::to_string(slot));
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    for (int mode : {0, 1}) {
        if (mode == 0)
            q.Tray(WM_LBUTTONUP);
        else
            q.Command(IDM_MANAGE_NOTES);
        ASSERT_TRUE(WaitShown(q, mode == 0 ? "Copy Note" : "Manage Notes"));
        RECT rect = WindowRect(q.noteWindow());
        EXPECT_EQ(rect.top, work.top) << mode;
        EXPECT_EQ(rect.bottom, work.bottom) << mode;
        // Every row is reachable: the list scrolls to the last.
        SendMessageA(List(q), LB_SETTOPINDEX, 49, 0);
        EXPECT_GT(SendMessageA(List(q), LB_GETTOPINDEX, 0, 0), 0) << mode;
        if (mode == 1) {
            RECT button = WindowRect(GetDlgItem(q.noteWindow(), IDC_DELETE));
            EXPECT_GE(button.top, work.top);
        }
    }
}

// A program folder on a full disk: its own CTest test mounts a small tmpfs
// and names it in QUILLET_FULL_DISK.
TEST_F(FullDisk, AFailedWriteLeavesNoNoteAndSaysSo) {
    std::string folder = FullDiskFolder("notes");
    if (folder.empty()) GTEST_SKIP() << "needs QUILLET_FULL_DISK (a small tmpfs)";
    // The referral page goes to the same full disk.
    char temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    SetEnvironmentVariableA("TEMP", folder.c_str());
    Quillet q(folder);
    SetEnvironmentVariableA("TEMP", temp);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    FillDisk(folder);
    SetClipboardText(std::string(3000, 'x'));
    q.Command(IDM_PASTE_NOTE);
    EXPECT_EQ(q.AnswerNext(IDOK).text,
              "ERROR: Could not write '" + Slot(folder, 0) + "'. The note has not been saved.");
    EXPECT_FALSE(Exists(Slot(folder, 0)));
    // A page cut short is removed and never opened: the address goes to the browser itself.
    size_t already = OpeningsSoFar();
    q.Command(IDM_VISIT_SITE);
    q.AnswerNext(IDYES);
    std::string page = folder + "Quillet v1.0.3.2 - Internet Referrering Page.htm";
    EXPECT_EQ(q.AnswerNext(IDOK).text, "ERROR: Could not write '" + page + "'.");
    std::vector<std::string> opened = OpeningsAfter(already, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("http://www.vantler.example/software/quillet"), std::string::npos)
        << opened[0];
    EXPECT_FALSE(Exists(page));
    DeleteFileA((folder + "filler").c_str());
    q.ExitAndExpectOne();
}

TEST_F(FullDisk, AnAcceptanceThatCannotBeWrittenEndsTheStartWithZero) {
    std::string cwd = FullDiskFolder("acceptance");
    if (cwd.empty()) GTEST_SKIP() << "needs QUILLET_FULL_DISK (a small tmpfs)";
    FillDisk(cwd);
    Quillet q(FreshFolder("full-acceptance"), false, cwd);
    ASSERT_TRUE(q.started());
    EXPECT_TRUE(q.AnswerNext(IDYES).hasYesNo);
    EXPECT_EQ(q.AnswerNext(IDOK).text,
              "ERROR: Could not create 'TermsAccepted.txt' ['TermsAccepted.txt'].");
    EXPECT_EQ(q.WaitForExit(), 0u);
    EXPECT_FALSE(Exists(cwd + "TermsAccepted.txt"));
    DeleteFileA((cwd + "filler").c_str());
}
