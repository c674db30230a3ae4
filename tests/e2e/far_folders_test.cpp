// The program kept, and its TEMP and Desktop, in folders whose names the ANSI
// code page cannot spell: every path is used and shown as it is.
#include "driver.h"
#include "res/resource.h"
#include "support/wide_text.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {

const wchar_t kFarName[] = L"\u0141\u03C9 ";

// A folder under `folder` named with 'Ł' and 'ω', `length` units long with its
// trailing backslash; each name within it stays short enough for any disk.
std::wstring FarFolder(std::wstring folder, size_t length) {
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring names = kFarName + std::wstring(100, L'\u03C9');
    for (size_t remaining = length - folder.size(); remaining > 0;) {
        size_t k = std::min<size_t>(remaining - 1, 100);
        if (remaining - (k + 1) == 1) --k;
        folder += names.substr(0, k) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        remaining -= k + 1;
    }
    return folder;
}

// Points the user's Desktop at `folder` under both keys (Wine's shell32
// rewrites Shell Folders from User Shell Folders) and puts both back.
struct DesktopFolder {
    explicit DesktopFolder(const std::wstring &folder) {
        for (int i = 0; i < 2; ++i) {
            RegGetValueW(HKEY_CURRENT_USER, keys[i], L"Desktop", RRF_RT_ANY | RRF_NOEXPAND,
                         &types[i], saved[i], &sizes[i]);
            RegSetKeyValueW(HKEY_CURRENT_USER, keys[i], L"Desktop", i ? REG_EXPAND_SZ : REG_SZ,
                            folder.c_str(), static_cast<DWORD>((folder.size() + 1) * 2));
        }
    }
    ~DesktopFolder() {
        for (int i = 0; i < 2; ++i)
            RegSetKeyValueW(HKEY_CURRENT_USER, keys[i], L"Desktop", types[i], saved[i], sizes[i]);
    }
    const wchar_t *keys[2] = {
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"};
    DWORD types[2] = {}, sizes[2] = {sizeof(saved[0]), sizeof(saved[1])};
    wchar_t saved[2][MAX_PATH] = {};
};

} // namespace

class FarFolders : public QuilletTest {};

TEST_F(FarFolders, NotesPagesAndLinksWorkInFoldersOfAnyLanguage) {
    std::wstring base = Wide(FreshFolder("far-folders"));
    // Its backups' names are 259 units long: the longest a path may be.
    std::wstring folder = FarFolder(base + L"program\\", 194);
    std::wstring temp = FarFolder(base + L"temp\\", base.size() + 20);
    std::wstring desktop = FarFolder(base + L"desk\\", base.size() + 20);
    desktop.pop_back();
    DesktopFolder desktopSetting(desktop);
    Quillet &q = Start(folder, temp);
    ASSERT_NE(q.noteWindow(), nullptr);

    SetClipboardText("far note");
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({"far note"}));
    ASSERT_TRUE(Exists(folder + L"QuilletSlot0.txt"));

    // Copy, then Delete with a backup.
    SetClipboardText("-");
    for (int button : {IDC_COPY, IDC_DELETE}) {
        q.Command(IDM_MANAGE_NOTES);
        ASSERT_TRUE(WaitShown(q, "Manage Notes") && SelectRow(List(q), 0));
        q.Command(button);
        if (button == IDC_COPY) {
            ASSERT_TRUE(WaitForClipboardChange("-") == "far note" && WaitHidden(q));
        }
    }
    for (int i = 0; i < 3; ++i)
        q.AnswerNext(IDYES);
    std::wstring backup = q.AnswerNext(IDOK).wideText;
    EXPECT_EQ(backup.size(), 259u);
    EXPECT_EQ(backup.rfind(folder + L"QuilletBackup [", 0), 0u);
    EXPECT_TRUE(WaitFor(5000, [&] { return !Exists(folder + L"QuilletSlot0.txt"); }));
    EXPECT_TRUE(Exists(backup));

    // The update check writes its page into TEMP and opens it there.
    size_t already = OpeningsSoFar();
    q.Command(IDM_UPDATE_CHECK);
    q.AnswerNext(IDYES);
    std::wstring page = temp + L"" QUILLET_VERSION_STRING L" - Internet Referrering Page.htm";
    std::vector<std::string> opened = OpeningsAfter(already, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(Narrow(page.c_str(), CP_UTF8)), std::string::npos) << opened[0];
    EXPECT_TRUE(Exists(page));

    // A Desktop link is made, found as the program's own when the dialog
    // opens again, and removed.
    std::wstring link = desktop + L"\\Quillet [Vantler].lnk";
    for (WPARAM check : {BST_CHECKED, BST_UNCHECKED}) {
        q.Command(IDM_LINKS);
        HWND dialog = q.WaitForWindow(std::string(kVersion) + " - Links - VANTLER");
        ASSERT_NE(dialog, nullptr);
        HWND box = GetDlgItem(dialog, IDC_LINK_USER_DESKTOP);
        ASSERT_TRUE(WaitFor(3000, [&] {
            return IsWindowEnabled(box) &&
                   (SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == Exists(link);
        }));
        SendMessageA(box, BM_SETCHECK, check, 0);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
        q.AnswerNext(IDYES);
        EXPECT_EQ(q.AnswerNext(IDOK).text, "Links Processing Complete.");
        EXPECT_EQ(Exists(link), check == BST_CHECKED);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor(3000, [&] { return !IsWindow(dialog); }));
    }
}
