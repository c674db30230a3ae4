#include "base/app_state.h"
#include "ui/slide.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

// Sets the user's MenuShowDelay for one test and puts the old value back.
class MenuShowDelayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr);
        size_ = sizeof(saved_);
        had_ = RegQueryValueExA(key_, "MenuShowDelay", nullptr, &type_, saved_, &size_) ==
               ERROR_SUCCESS;
    }
    void TearDown() override {
        if (had_)
            RegSetValueExA(key_, "MenuShowDelay", 0, type_, saved_, size_);
        else
            RegDeleteValueA(key_, "MenuShowDelay");
        RegCloseKey(key_);
    }
    uint32_t ReadWith(DWORD type, const void *data, DWORD size) {
        RegSetValueExA(key_, "MenuShowDelay", 0, type, static_cast<const BYTE *>(data), size);
        g_app.menuShowDelay = 12345;
        ReadMenuShowDelay();
        return g_app.menuShowDelay;
    }
    HKEY key_ = nullptr;
    BYTE saved_[64] = {};
    DWORD size_ = 0, type_ = 0;
    bool had_ = false;
};

} // namespace

TEST_F(MenuShowDelayTest, TheUsersSettingIsReadAsItsNumber) {
    EXPECT_EQ(ReadWith(REG_SZ, "400", 4), 400u);
    EXPECT_EQ(ReadWith(REG_SZ, "0", 2), 0u);
    EXPECT_EQ(ReadWith(REG_SZ, "1200", 5), 1200u);
    DWORD value = 250;
    EXPECT_EQ(ReadWith(REG_DWORD, &value, 4), 250u);
    EXPECT_EQ(ReadWith(REG_SZ, "slow", 5), 200u);
    const char longText[] = "0000000000000000000000000000000000400";
    EXPECT_EQ(ReadWith(REG_SZ, longText, sizeof(longText)), 200u) << "too long to be a setting";
    RegDeleteValueA(key_, "MenuShowDelay");
    ReadMenuShowDelay();
    EXPECT_EQ(g_app.menuShowDelay, 200u);
}
