#include "backup_name.h"
#include "../base/fixed_text.h"
#include <cstring>

namespace {
bool AllowedInTitle(unsigned char c) {
    if (c < 0x20 || c >= 0x7F) return false;
    return std::strchr("|\\?><:/*\"", c) == nullptr;
}
} // namespace

void BackupTitle(const char *noteText, char (&title)[kBackupTitleLength + 1]) {
    std::memset(title, '_', kBackupTitleLength);
    title[kBackupTitleLength] = '\0';
    size_t length = std::strlen(noteText);
    for (size_t i = 0; i < kBackupTitleLength && i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(noteText[i]);
        if (AllowedInTitle(c)) title[i] = static_cast<char>(c);
    }
}

template <class Char>
size_t ComposeBackupName(const Char *folder, int64_t secondsSince1970, const char *noteText,
                         Char *out, size_t outSize) {
    int32_t low = static_cast<int32_t>(static_cast<uint32_t>(secondsSince1970 & 0xFFFFFFFF));
    char title[kBackupTitleLength + 1];
    BackupTitle(noteText, title);
    // Measured in a buffer large enough for any folder, then handed out.
    Char whole[1024];
    BasicFixedText<Char> name(whole, 1024);
    name.add(folder).addAscii("QuilletBackup [").addNumber(low).addAscii("] ['");
    name.addAscii(title).addAscii("...].txt");
    BasicFixedText<Char>(out, outSize).add(name.text(), name.length());
    return name.length();
}

template size_t ComposeBackupName(const char *, int64_t, const char *, char *, size_t);
template size_t ComposeBackupName(const wchar_t *, int64_t, const char *, wchar_t *, size_t);
