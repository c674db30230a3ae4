// A winmm.dll planted beside Quillet.exe never runs. Run by its own CTest test
// with native winmm allowed, as Windows allows any DLL outside KnownDLLs.
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

bool RunAndWait(const std::string &exe) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

class DllPlanting : public QuilletTest {};

TEST_F(DllPlanting, AWinmmBesideTheProgramNeverRuns) {
    char overrides[512] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof(overrides));
    if (!std::strstr(overrides, "winmm=n"))
        GTEST_SKIP() << "needs native winmm allowed (the quillet_e2e_dll_planting test)";
    std::string folder = FreshFolder("dll-planting");
    std::string planted = QuilletExeBesideTests();
    planted = planted.substr(0, planted.rfind('\\') + 1) + "planting\\";
    for (const char *file : {"winmm.dll", "winmm_importer.exe"})
        ASSERT_TRUE(CopyFileA((planted + file).c_str(), (folder + file).c_str(), FALSE)) << file;
    std::string marker = folder + "planted-dll-ran.txt";
    // The set-up can fail: a program that imports winmm statically runs it.
    ASSERT_TRUE(RunAndWait(folder + "winmm_importer.exe"));
    ASSERT_TRUE(Exists(marker));
    DeleteFileA(marker.c_str());

    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardText("-");
    q.Command(IDM_STAMP_TIME);
    std::string stamp = WaitForClipboardChange("-");
    // As '2026 December 07 - 21:50:01:[0123]' and CR LF: this year, and four
    // digits of milliseconds from the system's timer.
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    EXPECT_EQ(stamp.substr(0, 5), "'" + std::to_string(now.wYear)) << stamp;
    size_t field = stamp.rfind(":[0");
    ASSERT_NE(field, std::string::npos) << stamp;
    EXPECT_EQ(stamp.find_first_not_of("0123456789", field + 2), field + 6) << stamp;
    EXPECT_EQ(stamp.substr(field + 6), "]'\r\n") << stamp;
    EXPECT_FALSE(Exists(marker)) << "the planted winmm.dll ran";
}
