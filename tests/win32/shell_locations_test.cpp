#include "links/shell_locations.h"
#include <windows.h>
#include "support/wide_text.h"
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include <string>

namespace {

const char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Saves the Shell Folders values it touches and puts them back afterwards.
class ShellFoldersTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (auto &saved : saved_) {
            HKEY key;
            RegCreateKeyExA(saved.first.first, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr);
            if (saved.second.present)
                RegSetValueExA(key, saved.first.second.c_str(), 0, saved.second.type,
                               reinterpret_cast<const BYTE *>(saved.second.data.data()),
                               static_cast<DWORD>(saved.second.data.size()));
            else
                RegDeleteValueA(key, saved.first.second.c_str());
            RegCloseKey(key);
        }
        std::memset(g_shellLocations, 0, sizeof(g_shellLocations));
    }
    void Set(HKEY root, const std::string &name, const std::string &value, DWORD type = REG_SZ) {
        Save(root, name);
        HKEY key;
        ASSERT_EQ(
            RegCreateKeyExA(root, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE *>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    void Remove(HKEY root, const std::string &name) {
        Save(root, name);
        HKEY key;
        RegOpenKeyExA(root, kKey, 0, KEY_ALL_ACCESS, &key);
        RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }

  private:
    struct Saved {
        bool present = false;
        DWORD type = 0;
        std::string data;
    };
    void Save(HKEY root, const std::string &name) {
        auto id = std::make_pair(root, name);
        if (saved_.count(id)) return;
        Saved saved;
        HKEY key;
        if (RegOpenKeyExA(root, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char data[2048];
            DWORD size = sizeof(data);
            if (RegQueryValueExA(key, name.c_str(), nullptr, &saved.type,
                                 reinterpret_cast<BYTE *>(data), &size) == ERROR_SUCCESS) {
                saved.present = true;
                saved.data.assign(data, size);
            }
            RegCloseKey(key);
        }
        saved_[id] = saved;
    }
    std::map<std::pair<HKEY, std::string>, Saved> saved_;
};

} // namespace

TEST_F(ShellFoldersTest, ReadsTheFifteenEntriesFromTheirRoots) {
    Set(HKEY_CURRENT_USER, "Desktop", "C:\\u\\desk");
    Set(HKEY_CURRENT_USER, "Start Menu", "C:\\u\\start");
    Set(HKEY_CURRENT_USER, "Programs", "C:\\u\\programs");
    Set(HKEY_CURRENT_USER, "Startup", "C:\\u\\startup");
    Set(HKEY_CURRENT_USER, "AppData", "C:\\u\\appdata");
    Set(HKEY_LOCAL_MACHINE, "Common Desktop", "C:\\c\\desk");
    Set(HKEY_LOCAL_MACHINE, "Common Start Menu", "C:\\c\\start");
    Set(HKEY_LOCAL_MACHINE, "Common Programs", "C:\\c\\programs");
    Set(HKEY_LOCAL_MACHINE, "Common Startup", "C:\\c\\startup");
    Set(HKEY_LOCAL_MACHINE, "Common AppData", "C:\\c\\appdata\\");
    Set(HKEY_LOCAL_MACHINE, "Desktop", "C:\\m\\desk");
    Set(HKEY_LOCAL_MACHINE, "Start Menu", "C:\\m\\start");
    Set(HKEY_LOCAL_MACHINE, "Programs", "C:\\m\\programs");
    Set(HKEY_LOCAL_MACHINE, "Startup", "C:\\m\\startup");
    Set(HKEY_LOCAL_MACHINE, "AppData", "C:\\m\\appdata");
    ReadShellLocations();
    const char *ql = "\\Microsoft\\Internet Explorer\\Quick Launch";
    const std::string expected[kShellLocationCount] = {std::string("C:\\u\\appdata") + ql,
                                                       "C:\\u\\desk",
                                                       "C:\\u\\start",
                                                       "C:\\u\\programs",
                                                       "C:\\u\\startup",
                                                       std::string("C:\\c\\appdata") + ql,
                                                       "C:\\c\\desk",
                                                       "C:\\c\\start",
                                                       "C:\\c\\programs",
                                                       "C:\\c\\startup",
                                                       std::string("C:\\m\\appdata") + ql,
                                                       "C:\\m\\desk",
                                                       "C:\\m\\start",
                                                       "C:\\m\\programs",
                                                       "C:\\m\\startup"};
    for (int i = 0; i < kShellLocationCount; ++i) {
        EXPECT_EQ(Narrow(g_shellLocations[i].path), expected[i]) << i;
        EXPECT_EQ(g_shellLocations[i].valid, 1) << i;
    }
}

TEST_F(ShellFoldersTest, UnusableValuesKeepTheOldPath) {
    Set(HKEY_CURRENT_USER, "Desktop", "C:\\first");
    Set(HKEY_CURRENT_USER, "Start Menu", "  C:\\spaced\t\n");
    Set(HKEY_CURRENT_USER, "Programs", "C:\\cr\r");
    ReadShellLocations();
    EXPECT_EQ(Narrow(g_shellLocations[1].path), "C:\\first");
    EXPECT_EQ(Narrow(g_shellLocations[2].path), "C:\\spaced");
    EXPECT_EQ(Narrow(g_shellLocations[3].path), "C:\\cr\r");
    Set(HKEY_CURRENT_USER, "Desktop", "C:\\expand", REG_EXPAND_SZ);
    Set(HKEY_CURRENT_USER, "Start Menu", "x");
    Set(HKEY_CURRENT_USER, "Programs", " \t ");
    Remove(HKEY_CURRENT_USER, "Startup");
    ReadShellLocations();
    for (int i : {1, 2, 3, 4})
        EXPECT_EQ(g_shellLocations[i].valid, 0) << i;
    EXPECT_EQ(Narrow(g_shellLocations[1].path), "C:\\first");
    EXPECT_EQ(Narrow(g_shellLocations[2].path), "C:\\spaced");
}

TEST_F(ShellFoldersTest, LengthLimitsOfValuesAndTheUserQuickLaunchCut) {
    std::string fits = "C:\\" + std::string(256, 'a'); // 259 characters + terminator = 260 bytes
    std::string tooLong = "C:\\" + std::string(258, 'a');
    Set(HKEY_CURRENT_USER, "Desktop", fits);
    Set(HKEY_CURRENT_USER, "Start Menu", tooLong);
    std::string appData = "C:\\" + std::string(227, 'd');
    Set(HKEY_CURRENT_USER, "AppData", appData);
    Set(HKEY_LOCAL_MACHINE, "AppData", appData);
    ReadShellLocations();
    EXPECT_EQ(g_shellLocations[1].valid, 1);
    EXPECT_EQ(Narrow(g_shellLocations[1].path), fits);
    EXPECT_EQ(g_shellLocations[2].valid, 0);
    const char *ql = "\\Microsoft\\Internet Explorer\\Quick Launch";
    EXPECT_EQ(Narrow(g_shellLocations[0].path), appData.substr(0, 218) + ql);
    EXPECT_EQ(Narrow(g_shellLocations[10].path), appData + ql);
}
