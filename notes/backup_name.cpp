#include "backup_name.h"
#include <cstdio>
#include <cstring>

namespace {
bool AllowedInTitle(unsigned char c) {
    if (c < 0x20 || c >= 0x7F) return false;
    return std::strchr("|\\?><:/*\"", c) == nullptr;
}
} // namespace

std::string BackupTitle(const char *noteText) {
    std::string title(kBackupTitleLength, '_');
    size_t length = std::strlen(noteText);
    for (size_t i = 0; i < kBackupTitleLength && i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(noteText[i]);
        if (AllowedInTitle(c)) title[i] = static_cast<char>(c);
    }
    return title;
}

std::string ComposeBackupName(const char *folder, int64_t secondsSince1970, const char *noteText) {
    int32_t low = static_cast<int32_t>(static_cast<uint32_t>(secondsSince1970 & 0xFFFFFFFF));
    char head[64];
    std::snprintf(head, sizeof(head), "QuilletBackup [%ld] ['", static_cast<long>(low));
    return std::string(folder) + head + BackupTitle(noteText) + "..." + "].txt";
}
