// Names and short texts: trimming, backup titles, the Shell Folders value
// rule, stamps and the acceptance line stay within their bounds and rules.
#include "app/terms_text.h"
#include "support/string_forms.h"
#include "cliptools/stamp_text.h"
#include "cliptools/text_rules.h"
#include "links/link_rules.h"
#include "notes/backup_name.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string input(reinterpret_cast<const char *>(data), size);
    std::string text = input.substr(0, input.find('\0'));

    std::string trimmed = text;
    TrimText(&trimmed[0]);
    std::string once = trimmed.c_str();
    std::string twice = once;
    TrimText(&twice[0]);
    if (once != twice.c_str()) std::abort();
    if (!once.empty() && (once.front() == ' ' || once.back() == '\t' || once.back() == '\n'))
        std::abort();

    std::string title = BackupTitle(text.c_str());
    if (title.size() != kBackupTitleLength) std::abort();
    for (unsigned char c : title)
        if (c < 0x20 || c > 0x7E || std::strchr("|\\?><:/*\"", c)) std::abort();

    std::string value = text.substr(0, 259);
    value.resize(value.size() + 1, '\0');
    bool usable = ShellFolderValueUsable(true, 1, &value[0]);
    if (usable && std::strlen(value.c_str()) <= 1) std::abort();
    if (usable && QuickLaunchPath(value.c_str(), kQuickLaunchCut).size() > 259) std::abort();

    std::tm when = {};
    when.tm_year = 100 + (size % 100);
    when.tm_mday = 1 + size % 28;
    StampSwitches all = {true, true, true, true, true, true};
    std::string half = text.substr(0, 1023);
    std::string stamp =
        ComposeStamp(all, half.c_str(), half.c_str(), when, static_cast<uint32_t>(size));
    if (stamp.size() > 8192 || stamp.substr(stamp.size() - 2) != "\r\n") std::abort();

    std::string line = text.substr(0, 4095);
    line.resize(line.size() + 1, '\0');
    AcceptanceLineMatches(&line[0], AcceptanceText());
    return 0;
}
