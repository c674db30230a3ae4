#include "link_rules.h"
#include "../cliptools/text_rules.h"
#include <algorithm>
#include <cstring>

bool ShellFolderValueUsable(bool querySucceeded, unsigned long type, char *text) {
    if (!querySucceeded) return false;
    TrimText(text);
    const unsigned long kPlainText = 1; // REG_SZ
    return type == kPlainText && std::strlen(text) > 1;
}

std::string WithBackslash(std::string text) {
    if (!text.empty() && text.back() != '\\') text += '\\';
    return text;
}

std::string QuickLaunchPath(const char *appData, size_t cut) {
    std::string base(appData, std::min(std::strlen(appData), cut));
    return WithBackslash(base) + "Microsoft\\Internet Explorer\\Quick Launch";
}

std::string LinkPathIn(const char *location, size_t cut) {
    std::string base(location, std::min(std::strlen(location), cut));
    return WithBackslash(base) + kLinkFileName;
}

std::string WorkingFolderOf(const char *executablePath) {
    const char *slash = std::strrchr(executablePath, '\\');
    return slash ? std::string(executablePath, slash) : std::string();
}
