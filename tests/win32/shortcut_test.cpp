#include "base/app_state.h"
#include "links/link_rules.h"
#include "links/links_dialog.h"
#include "links/shell_locations.h"
#include "res/resource.h"
#include "links/shortcut.h"
#include "message_box_answerer.h"
#include "support/ansi_paths.h"
#include "support/files.h"
#include "support/string_forms.h"
#include "support/wide_text.h"
#include <objbase.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <cstring>
#include <cwctype>

namespace {

class ShortcutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        folder_ = MakeTempFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        link_ = folder_ + kLinkFileName;
        ExecutablePath(exe_);
    }
    void TearDown() override {
        DeleteFileA(link_.c_str());
        CoUninitialize();
    }
    // A link of our own making, to any target.
    void WriteForeignLink(const char *target) {
        IShellLinkA *link = nullptr;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                               IID_IShellLinkA, reinterpret_cast<void **>(&link))));
        IPersistFile *file = nullptr;
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file));
        link->SetPath(target);
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, link_.c_str(), -1, wide, MAX_PATH);
        EXPECT_TRUE(SUCCEEDED(file->Save(wide, TRUE)));
        file->Release();
        link->Release();
    }
    std::string Location() const { return folder_.substr(0, folder_.size() - 1); }
    std::string folder_, link_;
    char exe_[kLinkTargetSize];
};

} // namespace

TEST_F(ShortcutTest, CreatesARealLinkToThisProgram) {
    MessageBoxAnswerer boxes;
    CreateProgramLink(nullptr, Location().c_str());
    EXPECT_TRUE(boxes.seen().empty());
    ASSERT_TRUE(LinkLoads(link_.c_str()));
    char target[kLinkTargetSize];
    ASSERT_TRUE(ReadLinkTarget(link_.c_str(), target));
    EXPECT_STREQ(target, exe_);
    EXPECT_TRUE(LinkPointsToProgram(link_.c_str()));

    IShellLinkA *link = nullptr;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                     reinterpret_cast<void **>(&link));
    IPersistFile *file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file));
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link_.c_str(), -1, wide, MAX_PATH);
    ASSERT_TRUE(SUCCEEDED(file->Load(wide, STGM_READ)));
    char text[MAX_PATH] = {};
    link->GetWorkingDirectory(text, MAX_PATH);
    EXPECT_EQ(std::string(text), WorkingFolderOf(exe_));
    link->GetDescription(text, MAX_PATH);
    EXPECT_STREQ(text, "Quillet v1.0.3.2");
    int icon = -1;
    link->GetIconLocation(text, MAX_PATH, &icon);
    EXPECT_STREQ(text, exe_);
    EXPECT_EQ(icon, 0);
    file->Release();
    link->Release();
}

TEST_F(ShortcutTest, AskesBeforeReplacingALinkToAnotherProgram) {
    WriteForeignLink("C:\\windows\\notepad.exe");
    {
        MessageBoxAnswerer boxes({IDNO});
        CreateProgramLink(nullptr, Location().c_str());
        ASSERT_EQ(boxes.seen().size(), 1u);
        EXPECT_TRUE(boxes.seen()[0].hasYesNo);
        EXPECT_EQ(boxes.seen()[0].text, "The link '" + link_ +
                                            "' already exists. It links to "
                                            "'C:\\windows\\notepad.exe'.\n\nOverwrite?");
    }
    EXPECT_FALSE(LinkPointsToProgram(link_.c_str()));
    {
        // A question that could not even be shown is no Yes.
        MessageBoxAnswerer failed({MessageBoxAnswerer::kFailTheBox});
        CreateProgramLink(nullptr, Location().c_str());
        EXPECT_EQ(failed.texts(), std::vector<std::string>({"<failed box>"}));
    }
    EXPECT_FALSE(LinkPointsToProgram(link_.c_str()));
    MessageBoxAnswerer boxes({IDYES});
    CreateProgramLink(nullptr, Location().c_str());
    EXPECT_EQ(boxes.seen().size(), 1u);
    EXPECT_TRUE(LinkPointsToProgram(link_.c_str()));
    MessageBoxAnswerer again;
    CreateProgramLink(nullptr, Location().c_str());
    EXPECT_TRUE(again.seen().empty()) << "a link to this program is rewritten without a question";
}

TEST_F(ShortcutTest, CaseMattersWhenComparingTargets) {
    std::string upper = exe_;
    for (char &c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(upper, std::string(exe_));
    WriteForeignLink(upper.c_str());
    // Without its item list, which names the folders in their case on disk,
    // the link keeps the path exactly as it was given.
    std::string bytes = ReadFileBytes(link_);
    ASSERT_GT(bytes.size(), 0x4Eu);
    ASSERT_TRUE(bytes[0x14] & 1) << "the link has an item list";
    bytes[0x14] = static_cast<char>(bytes[0x14] & ~1);
    bytes.erase(0x4C, 2 + static_cast<unsigned char>(bytes[0x4C]) +
                          256 * static_cast<unsigned char>(bytes[0x4D]));
    WriteFileBytes(link_, bytes);
    EXPECT_TRUE(LinkLoads(link_.c_str()));
    char target[kLinkTargetSize];
    ASSERT_TRUE(ReadLinkTarget(link_.c_str(), target));
    ASSERT_EQ(std::string(target), upper);
    EXPECT_FALSE(LinkPointsToProgram(link_.c_str()));
    MessageBoxAnswerer boxes({IDNO});
    CreateProgramLink(nullptr, Location().c_str());
    EXPECT_EQ(boxes.seen().size(), 1u);
}

TEST_F(ShortcutTest, AFileThatIsNoLinkIsOverwrittenWithoutAQuestion) {
    WriteFileBytes(link_, "not a shortcut");
    EXPECT_FALSE(LinkLoads(link_.c_str()));
    MessageBoxAnswerer boxes;
    CreateProgramLink(nullptr, Location().c_str());
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_TRUE(LinkPointsToProgram(link_.c_str()));
}

TEST_F(ShortcutTest, DeleteRemovesAnyFileOfThatName) {
    WriteForeignLink("C:\\windows\\notepad.exe");
    EXPECT_TRUE(DeleteProgramLink(nullptr, Location().c_str()));
    EXPECT_FALSE(Exists(link_));
    EXPECT_FALSE(DeleteProgramLink(nullptr, ""));
    EXPECT_FALSE(DeleteProgramLink(nullptr, (folder_ + "missing").c_str()));
}

TEST_F(ShortcutTest, EmptyAndMissingLocations) {
    MessageBoxAnswerer boxes({IDOK, IDOK});
    CreateProgramLink(nullptr, "");
    EXPECT_TRUE(boxes.seen().empty());
    std::string missing = folder_ + "missing";
    CreateProgramLink(nullptr, missing.c_str());
    ASSERT_GE(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text,
              "'" + missing + "' is not a valid directory name. [Create Link]");
    // The creation was attempted all the same and failed.
    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[1].text, "Error creating link.");
}

TEST_F(ShortcutTest, ALinkHeldOpenWithoutSharingDoesNotLoad) {
    CreateProgramLink(nullptr, Location().c_str());
    HANDLE held = CreateFileA(link_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(LinkLoads(link_.c_str()));
    EXPECT_FALSE(LinkPointsToProgram(link_.c_str()));
    CloseHandle(held);
    EXPECT_TRUE(LinkPointsToProgram(link_.c_str()));
}

TEST_F(ShortcutTest, TheLinksDialogDeletesNothingWhenItsQuestionFails) {
    // The dialog from the program's own resources, run in this process.
    char exeFolder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exeFolder, MAX_PATH);
    std::strcpy(std::strrchr(exeFolder, '\\') + 1, "Quillet.exe");
    HMODULE resources = LoadLibraryExA(exeFolder, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(resources, nullptr);
    g_app.instance = resources;
    ReadShellLocations();
    std::string desktopPath = Narrow(g_shellLocations[1].path);
    const char *desktop = desktopPath.c_str();
    CreateProgramLink(nullptr, desktop);
    std::string link = LinkPathIn(desktop, kDeleteLinkCut);
    ASSERT_TRUE(LinkPointsToProgram(link.c_str()));
    HWND dialog =
        CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_LINKS), nullptr, LinksDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    CheckDlgButton(dialog, IDC_LINK_USER_DESKTOP, BST_UNCHECKED); // would mean "delete"
    {
        MessageBoxAnswerer failed({MessageBoxAnswerer::kFailTheBox});
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROCESS, BN_CLICKED), 0);
        EXPECT_EQ(failed.texts(), std::vector<std::string>({"<failed box>"}));
    }
    EXPECT_TRUE(LinkPointsToProgram(link.c_str())) << "only a Yes processes the links";
    DestroyWindow(dialog);
    DeleteProgramLink(nullptr, desktop);
    g_app.instance = nullptr;
    FreeLibrary(resources);
}

// A path comes back as the disk spells it, drive letter in capitals; one the
// disk cannot say (a name that does not exist) comes back as it was given.
TEST(CanonicalPathTest, SpellsEachNameAsTheDiskDoes) {
    std::wstring folder = Wide(MakeTempFolder("Canonical Case"));
    CreateDirectoryW((folder + L"Sub Folder").c_str(), nullptr);
    WriteFileBytes(folder + L"Sub Folder\\Note File.TXT", "x");
    std::wstring lowerDrive = folder;
    lowerDrive[0] = static_cast<wchar_t>(towlower(lowerDrive[0]));
    const struct {
        std::wstring given, spelled;
    } kCases[] = {
        {lowerDrive + L"Sub Folder\\Note File.TXT", folder + L"Sub Folder\\Note File.TXT"},
        {folder + L"SUB FOLDER\\note file.txt", folder + L"Sub Folder\\Note File.TXT"},
        {lowerDrive + L"sub folder\\Missing\\x.txt", lowerDrive + L"sub folder\\Missing\\x.txt"},
        {lowerDrive + L"sub folder\\missing.txt", lowerDrive + L"sub folder\\missing.txt"},
    };
    ASSERT_NE(folder[0], lowerDrive[0]);
    for (const auto &c : kCases) {
        wchar_t canonical[kExecutablePathSize];
        CanonicalPath(c.given.c_str(), canonical);
        EXPECT_EQ(std::wstring(canonical), c.spelled) << Narrow(c.given.c_str());
    }
}
