#include "support/string_forms.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>


TEST(BackupName, MeetingExample) {
    const char note[] = "Meeting at 10:30\r\nRoom 4";
    ASSERT_EQ(sizeof(note) - 1, 24u);
    EXPECT_EQ(ComposeBackupName("C:\\Q\\", 1700000000, note),
              "C:\\Q\\QuilletBackup [1700000000] ['Meeting at 10_30__Room 4____...].txt");
}

TEST(BackupName, TitleIsAlwaysTwentyEightCharacters) {
    EXPECT_EQ(BackupTitle(""), std::string(28, '_'));
    EXPECT_EQ(BackupTitle("0123456789012345678901234567890123"), "0123456789012345678901234567");
    EXPECT_EQ(BackupTitle("a|b\\c?d>e<f:g/h*i\"j'k l"), "a_b_c_d_e_f_g_h_i_j'k l_____");
    EXPECT_EQ(BackupTitle("\x7F\x80\xFF\x01\x1F~"), "_____~" + std::string(22, '_'));
}

TEST(BackupName, SecondsAreTheSignedLow32Bits) {
    EXPECT_EQ(ComposeBackupName("", 0, "x"),
              "QuilletBackup [0] ['x___________________________...].txt");
    EXPECT_NE(ComposeBackupName("", 2147483648LL, "x").find("[-2147483648]"), std::string::npos);
    EXPECT_NE(ComposeBackupName("", 4294967296LL + 5, "x").find("[5]"), std::string::npos);
}

TEST(BackupName, LengthAgainstThePathLimit) {
    // 241-character folder (the largest ProgramFolder) + 15 + 10 digits + 4 + 28 + 3 + 5.
    std::string folder(240, 'f');
    folder += '\\';
    std::string name = ComposeBackupName(folder.c_str(), 1700000000, "n");
    EXPECT_EQ(name.size(), 241u + 15 + 10 + 4 + 28 + 3 + 5);
    EXPECT_GT(name.size(), kMaxBackupNameLength);
    std::string shortName = ComposeBackupName("C:\\", 1700000000, "n");
    EXPECT_LE(shortName.size(), kMaxBackupNameLength);
    // 260 characters leave no room for the terminator: too long.
    EXPECT_EQ(ComposeBackupName(std::string(195, 'f').c_str(), 1700000000, "n").size(), 260u);
    EXPECT_EQ(kMaxBackupNameLength, 259u);
}
