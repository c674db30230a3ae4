// A winmm.dll, a uxtheme.dll or an Explorer.exe planted beside Quillet.exe
// never runs. The
// DLL cases run by CTest tests of their own, with native winmm allowed (as
// Windows allows any DLL outside KnownDLLs) or with winmm missing.
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

// Runs a program in its own folder, as a shortcut or a double click starts
// it: the folder where a bare name is looked up, on every Wine and Windows.
bool RunAndWait(const std::string &exe) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + exe + "\"", folder = exe.substr(0, exe.rfind('\\') + 1);
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Copies a file built for planting into `folder`, under `as` if given.
bool Plant(const std::string &folder, const std::string &file, const std::string &as = "") {
    std::string planting = QuilletExeBesideTests();
    planting = planting.substr(0, planting.rfind('\\') + 1) + "planting\\";
    return CopyFileA((planting + file).c_str(), (folder + (as.empty() ? file : as)).c_str(), FALSE);
}

bool WinmmOverriddenAs(const char *setting) {
    char overrides[512] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof(overrides));
    return std::strstr(overrides, setting) != nullptr;
}

// A time stamp as '2026 December 07 - 21:50:01:[0123]' and CR LF: this year,
// and four digits of milliseconds from the system's timer, which it returns.
std::string StampMilliseconds(Quillet &q) {
    SetClipboardText("-");
    q.Command(IDM_STAMP_TIME);
    std::string stamp = WaitForClipboardChange("-");
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    EXPECT_EQ(stamp.substr(0, 5), "'" + std::to_string(now.wYear)) << stamp;
    size_t field = stamp.rfind(":[0");
    EXPECT_NE(field, std::string::npos) << stamp;
    if (field == std::string::npos) return "";
    EXPECT_EQ(stamp.find_first_not_of("0123456789", field + 2), field + 6) << stamp;
    EXPECT_EQ(stamp.substr(field + 6), "]'\r\n") << stamp;
    return stamp.substr(field + 2, 4);
}

} // namespace

class DllPlanting : public QuilletTest {};
class ProgramPlanting : public QuilletTest {};

TEST_F(DllPlanting, AWinmmBesideTheProgramNeverRuns) {
    if (!WinmmOverriddenAs("winmm=n"))
        GTEST_SKIP() << "needs native winmm allowed (the quillet_e2e_dll_planting test)";
    std::string folder = FreshFolder("dll-planting");
    for (const char *file : {"winmm.dll", "uxtheme.dll", "winmm_importer.exe"})
        ASSERT_TRUE(Plant(folder, file)) << file;
    std::string marker = folder + "planted-dll-ran.txt";
    // The set-up can fail: a program that imports winmm statically runs it.
    ASSERT_TRUE(RunAndWait(folder + "winmm_importer.exe"));
    ASSERT_TRUE(Exists(marker));
    DeleteFileA(marker.c_str());

    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    StampMilliseconds(q);
    // uxtheme.dll, which user32 loads by name for the program's first window,
    // is found beside it unless the search is restricted to System32.
    EXPECT_FALSE(Exists(marker)) << "a planted winmm.dll or uxtheme.dll ran";
}

TEST_F(DllPlanting, WithoutWinmmTheMillisecondsStillCount) {
    if (!WinmmOverriddenAs("winmm=d"))
        GTEST_SKIP() << "needs winmm disabled (the quillet_e2e_no_winmm test)";
    Quillet &q = Start(FreshFolder("no-winmm"));
    ASSERT_NE(q.noteWindow(), nullptr);
    // Three stamps of one counter value would be one chance in a million.
    std::string first = StampMilliseconds(q);
    std::string second = StampMilliseconds(q);
    std::string third = StampMilliseconds(q);
    EXPECT_TRUE(first != second || second != third) << first;
}

TEST_F(ProgramPlanting, AnExplorerBesideTheProgramNeverRuns) {
    std::string folder = FreshFolder("explorer-planting");
    ASSERT_TRUE(Plant(folder, "marker_program.exe", "Explorer.exe"));
    ASSERT_TRUE(Plant(folder, "bare_name_launcher.exe"));
    std::string marker = folder + "planted-program-ran.txt";
    // The set-up can fail: a program that starts Explorer by its bare name runs it.
    ASSERT_TRUE(RunAndWait(folder + "bare_name_launcher.exe"));
    ASSERT_TRUE(WaitFor(5000, [&] { return Exists(marker); }));
    DeleteFileA(marker.c_str());

    Quillet &q = Start(folder); // its folder is the current one, as its shortcuts make it
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Command(IDM_EXPLORE_FOLDER);
    HWND explorer = nullptr;
    EXPECT_TRUE(WaitFor(10000, [&] {
        explorer = FindWindowA("ExplorerWClass", "explorer-planting");
        return explorer && IsWindowVisible(explorer);
    }));
    EXPECT_FALSE(Exists(marker)) << "the planted Explorer.exe ran";
    if (!explorer) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(explorer, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(explorer, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
    CloseHandle(process);
}
