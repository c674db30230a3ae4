#include "links/link_rules.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>

namespace {
bool Usable(bool ok, unsigned long type, std::string value, std::string *trimmed = nullptr) {
    value += '\0';
    bool usable = ShellFolderValueUsable(ok, type, &value[0]);
    if (trimmed) *trimmed = value.c_str();
    return usable;
}
} // namespace

TEST(ShellFolderValue, Validity) {
    std::string trimmed;
    EXPECT_TRUE(Usable(true, 1, " \tC:\\Users\\me\\Desktop\n", &trimmed));
    EXPECT_EQ(trimmed, "C:\\Users\\me\\Desktop");
    EXPECT_TRUE(Usable(true, 1, "C:\\x\r", &trimmed));
    EXPECT_EQ(trimmed, "C:\\x\r");
    EXPECT_FALSE(Usable(true, 2, "C:\\Users\\me\\Desktop")); // REG_EXPAND_SZ
    EXPECT_FALSE(Usable(true, 1, "C"));
    EXPECT_FALSE(Usable(true, 1, " \t \t"));
    EXPECT_TRUE(Usable(true, 1, "C:"));
    EXPECT_FALSE(Usable(false, 1, "C:\\good"));
}

TEST(ShellFolderValue, QuickLaunchRule) {
    EXPECT_EQ(QuickLaunchPath("C:\\Data", 218),
              "C:\\Data\\Microsoft\\Internet Explorer\\Quick Launch");
    EXPECT_EQ(QuickLaunchPath("C:\\Data\\", 218),
              "C:\\Data\\Microsoft\\Internet Explorer\\Quick Launch");
    std::string appData = "C:\\" + std::string(227, 'a');
    ASSERT_EQ(appData.size(), 230u);
    std::string user = QuickLaunchPath(appData.c_str(), kQuickLaunchCut);
    EXPECT_EQ(user, appData.substr(0, 218) + "\\Microsoft\\Internet Explorer\\Quick Launch");
    EXPECT_EQ(user.size(), 259u);
    std::string machine = QuickLaunchPath(appData.c_str(), static_cast<size_t>(-1));
    EXPECT_EQ(machine, appData + "\\Microsoft\\Internet Explorer\\Quick Launch");
}

TEST(LinkPaths, CutsAndBackslashes) {
    EXPECT_EQ(LinkPathIn("C:\\Desk", kCreateLinkCut), "C:\\Desk\\Quillet [Vantler].lnk");
    EXPECT_EQ(LinkPathIn("C:\\Desk\\", kCreateLinkCut), "C:\\Desk\\Quillet [Vantler].lnk");
    std::string longPath = "C:\\" + std::string(250, 'p');
    EXPECT_EQ(LinkPathIn(longPath.c_str(), kRefreshLinkCut),
              longPath.substr(0, 221) + "\\Quillet [Vantler].lnk");
    EXPECT_EQ(LinkPathIn(longPath.c_str(), kCreateLinkCut), longPath + "\\Quillet [Vantler].lnk");
}

TEST(LinkPaths, WorkingFolder) {
    EXPECT_EQ(WorkingFolderOf("C:\\q.exe"), "C:");
    EXPECT_EQ(WorkingFolderOf("C:\\Tools\\Quillet\\Quillet.exe"), "C:\\Tools\\Quillet");
    EXPECT_EQ(WorkingFolderOf("q.exe"), "");
}
