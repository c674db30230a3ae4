// The first-run acceptance and the Links dialog with real shell links.
#include "driver.h"
#include "base/program_path.h"
#include "res/resource.h"
#include "support/wide_text.h"
#include <objbase.h>
#include <shlobj.h>
#include <gtest/gtest.h>

namespace {

const char kAcceptance[] =
    "The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.2' have been accepted.";
const char kLinksQuestion[] = "This is the first time you have run this version of this "
                              "application.\n\nCreate links/shortcuts to Quillet v1.0.3.2?";

std::string LinksTitle() {
    return std::string(kVersion) + " - Links - VANTLER";
}

std::string ShellFolder(const char *name) {
    HKEY key;
    char value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(value), &size);
        RegCloseKey(key);
    }
    return value;
}

std::string LinkTarget(const std::string &linkPath) {
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA *link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void **>(&link)))) {
        IPersistFile *file = nullptr;
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file));
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
        char path[MAX_PATH] = {};
        if (file && SUCCEEDED(file->Load(wide, STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        if (file) file->Release();
        link->Release();
    }
    CoUninitialize();
    return target;
}

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ExpectFirstRunNote(const BoxInfo &note, const std::string &programFolder) {
    EXPECT_EQ(
        note.text.rfind("IMPORTANT NOTE: 'Quillet v1.0.3.2' is not designed to operate from a "
                        "shared location",
                        0),
        0u)
        << note.text;
    EXPECT_NE(note.text.find("'" + programFolder + "'\n\n... folder to your backup itinery."),
              std::string::npos)
        << note.text;
    EXPECT_FALSE(note.hasYesNo);
}

} // namespace

class FirstRun : public QuilletTest {};
class LinksDialog : public QuilletTest {};

TEST_F(FirstRun, RefusingTheDisclaimerEndsWithZeroAndWritesNothing) {
    std::string folder = FreshFolder("first-no");
    Quillet q(folder, false);
    BoxInfo disclaimer = q.AnswerNext(IDNO);
    EXPECT_EQ(
        disclaimer.text.rfind("LEGAL DISCLAIMER: This software [Quillet v1.0.3.2] is supplied "
                              "with no warranties",
                              0),
        0u);
    EXPECT_TRUE(disclaimer.hasYesNo);
    EXPECT_EQ(q.WaitForExit(), 0u);
    EXPECT_FALSE(Exists(folder + "TermsAccepted.txt"));
}

TEST_F(FirstRun, AcceptingRecordsTheVersionAndAsksAboutLinks) {
    std::string folder = FreshFolder("first-yes");
    Quillet q(folder, false);
    q.AnswerNext(IDYES);
    BoxInfo question = q.AnswerNext(IDNO);
    EXPECT_EQ(question.text, kLinksQuestion);
    EXPECT_EQ(ReadFileBytes(folder + "TermsAccepted.txt"), kAcceptance);
    ExpectFirstRunNote(q.AnswerNext(IDOK), folder);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);

    // Accepted once: the next start asks nothing.
    Quillet again(folder, false);
    ASSERT_NE(again.WaitForNoteWindow(), nullptr);
    EXPECT_TRUE(again.NoBoxFor(300));
    again.Command(IDM_EXIT);
    EXPECT_EQ(again.WaitForExit(), 1u);
}

TEST_F(FirstRun, AnotherVersionsFileAsksAgainAndIsReplaced) {
    std::string folder = FreshFolder("first-old");
    WriteFileBytes(
        folder + "TermsAccepted.txt",
        "The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.1' have been accepted.");
    Quillet q(folder, false);
    EXPECT_EQ(q.AnswerNext(IDYES).text.rfind("LEGAL DISCLAIMER", 0), 0u);
    q.AnswerNext(IDNO);
    q.AnswerNext(IDOK);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    EXPECT_EQ(ReadFileBytes(folder + "TermsAccepted.txt"), kAcceptance);
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST_F(FirstRun, ReadOnlyAcceptanceFileCannotBeRecorded) {
    std::string folder = FreshFolder("first-readonly");
    WriteFileBytes(folder + "TermsAccepted.txt", kAcceptance);
    SetFileAttributesA((folder + "TermsAccepted.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    // Wine lets root write to a read-only file; a handle that shares reading
    // only makes the file unwritable for the program whoever runs the tests.
    HANDLE reader = CreateFileA((folder + "TermsAccepted.txt").c_str(), GENERIC_READ,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    Quillet q(folder, false);
    EXPECT_EQ(q.AnswerNext(IDYES).text.rfind("LEGAL DISCLAIMER", 0), 0u);
    EXPECT_EQ(q.AnswerNext(IDOK).text,
              "ERROR: Could not create 'TermsAccepted.txt' ['TermsAccepted.txt'].");
    EXPECT_EQ(q.WaitForExit(), 0u);
    CloseHandle(reader);
    EXPECT_EQ(ReadFileBytes(folder + "TermsAccepted.txt"), kAcceptance);
    SetFileAttributesA((folder + "TermsAccepted.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FirstRun, TheAcceptanceLivesInTheCurrentDirectory) {
    std::string folder = FreshFolder("first-cwd-program");
    std::string elsewhere = FreshFolder("first-cwd-elsewhere");
    WriteAcceptance(folder); // beside the program, which is not where it is looked for
    Quillet q(folder, false, elsewhere);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDNO);
    ExpectFirstRunNote(q.AnswerNext(IDOK), folder);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    EXPECT_EQ(ReadFileBytes(elsewhere + "TermsAccepted.txt"), kAcceptance);
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST_F(FirstRun, YesToLinksOpensTheDialogCentredWithoutOwner) {
    std::string folder = FreshFolder("first-links");
    Quillet q(folder, false);
    q.AnswerNext(IDYES);
    q.AnswerNext(IDYES);
    HWND dialog = q.WaitForWindow(LinksTitle());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    RECT own = WindowRect(dialog), work = WorkArea();
    int w = own.right - own.left, h = own.bottom - own.top;
    EXPECT_EQ(own.left, (work.right - work.left) / 2 - w / 2);
    EXPECT_EQ(own.top, (work.bottom - work.top) / 2 - h / 2);
    EXPECT_EQ(q.noteWindow(), nullptr);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ExpectFirstRunNote(q.AnswerNext(IDOK), folder);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);
}

TEST_F(LinksDialog, ProcessCreatesAndDeletesRealShortcuts) {
    std::string desktop = ShellFolder("Desktop");
    ASSERT_FALSE(desktop.empty());
    std::string link = desktop + "\\Quillet [Vantler].lnk";
    DeleteFileA(link.c_str());
    Quillet &q = Start(FreshFolder("links"));
    ASSERT_NE(q.noteWindow(), nullptr);
    auto open = [&] {
        q.Command(IDM_LINKS);
        HWND dialog = q.WaitForWindow(LinksTitle());
        if (dialog)
            WaitFor(3000, [&] { return ControlText(GetDlgItem(dialog, IDC_VERSION)) == kVersion; });
        return dialog;
    };
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), q.noteWindow());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_LINK_USER_DESKTOP)));
    EXPECT_FALSE(Checked(dialog, IDC_LINK_USER_DESKTOP));
    std::string quickLaunch =
        ShellFolder("AppData") + "\\Microsoft\\Internet Explorer\\Quick Launch";
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IDC_LINK_USER_QUICK_LAUNCH)) != FALSE,
              GetFileAttributesA(quickLaunch.c_str()) != INVALID_FILE_ATTRIBUTES);

    // No to the question changes nothing.
    SendMessageA(GetDlgItem(dialog, IDC_LINK_USER_DESKTOP), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
    EXPECT_EQ(q.AnswerNext(IDNO).text, "Process the specified links?");
    EXPECT_TRUE(q.NoBoxFor(300));
    EXPECT_FALSE(Exists(link));

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
    q.AnswerNext(IDYES);
    BoxInfo done = q.AnswerNext(IDOK);
    EXPECT_EQ(done.text, "Links Processing Complete.");
    ASSERT_TRUE(Exists(link));
    EXPECT_EQ(LinkTarget(link), q.exePath());
    EXPECT_TRUE(WaitFor(3000, [&] { return Checked(dialog, IDC_LINK_USER_DESKTOP); }));

    // OK closes; the next opening finds the shortcut and checks its box.
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor(3000, [&] { return !IsWindow(dialog); }));
    dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Checked(dialog, IDC_LINK_USER_DESKTOP));

    SendMessageA(GetDlgItem(dialog, IDC_LINK_USER_DESKTOP), BM_SETCHECK, BST_UNCHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
    q.AnswerNext(IDYES);
    EXPECT_EQ(q.AnswerNext(IDOK).text, "Links Processing Complete.");
    EXPECT_FALSE(Exists(link));

    // Esc ends the dialog too.
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor(3000, [&] { return !IsWindow(dialog); }));
}

// Started by a short name in capitals, the program still knows its own links:
// their item lists spell the target as the disk does. (Wine's module path is
// already spelled so; Windows' is the path as started, hence the first check.)
TEST_F(LinksDialog, TheProgramsLinksAreItsOwnHoweverItWasStarted) {
    std::string link = ShellFolder("Desktop") + "\\Quillet [Vantler].lnk";
    DeleteFileA(link.c_str());
    std::string folder = FreshFolder("links-spelling"), spelling(MAX_PATH, '\0');
    spelling.resize(GetShortPathNameA(folder.c_str(), &spelling[0], MAX_PATH));
    CharUpperBuffA(&spelling[0], static_cast<DWORD>(spelling.size()));
    ASSERT_NE(spelling, folder);
    Quillet &q = Start(spelling);
    ASSERT_NE(q.noteWindow(), nullptr);
    wchar_t canonical[kExecutablePathSize];
    CanonicalPath(Wide(q.exePath()).c_str(), canonical);
    EXPECT_EQ(Narrow(canonical), folder + "Quillet.exe");
    q.Command(IDM_LINKS);
    HWND dialog = q.WaitForWindow(LinksTitle());
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IDC_LINK_USER_DESKTOP), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
    q.AnswerNext(IDYES);
    EXPECT_EQ(q.AnswerNext(IDOK).text, "Links Processing Complete.");
    EXPECT_EQ(LinkTarget(link), folder + "Quillet.exe");
    EXPECT_TRUE(WaitFor(3000, [&] { return Checked(dialog, IDC_LINK_USER_DESKTOP); }));
    DeleteFileA(link.c_str());
}
