#include "base/system_dlls.h"
#include <gtest/gtest.h>
#include <string>

// A DLL that lies only in the executable's folder loads by its bare name until
// the search is restricted, and never after.
TEST(SystemDlls, ARestrictedSearchSkipsTheProgramsFolder) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe, std::string(exe).rfind('\\') + 1);
    std::string probe = folder + "quillet_probe.dll";
    ASSERT_TRUE(CopyFileA((folder + "planting\\winmm.dll").c_str(), probe.c_str(), FALSE));
    HMODULE loaded = LoadLibraryW(L"quillet_probe.dll");
    EXPECT_NE(loaded, nullptr) << "the set-up can fail: the standard search finds it";
    if (loaded) FreeLibrary(loaded);
    RestrictDllSearchToSystem32();
    loaded = LoadLibraryW(L"quillet_probe.dll");
    EXPECT_EQ(loaded, nullptr) << "a restricted search found it";
    if (loaded) FreeLibrary(loaded);
    // The standard search again, for the tests that follow in this process.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    DeleteFileA(probe.c_str());
    DeleteFileA((folder + "planted-dll-ran.txt").c_str());
}
