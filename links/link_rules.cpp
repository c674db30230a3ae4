#include "link_rules.h"
#include "../base/fixed_text.h"
#include "../cliptools/text_rules.h"
#include <algorithm>
#include <cstring>

bool ShellFolderValueUsable(bool querySucceeded, unsigned long type, char *text) {
    if (!querySucceeded) return false;
    TrimText(text);
    const unsigned long kPlainText = 1; // REG_SZ
    return type == kPlainText && std::strlen(text) > 1;
}

void WithBackslash(const char *text, char *out, size_t outSize) {
    FixedText path(out, outSize);
    path.add(text);
    if (path.length() > 0 && path.text()[path.length() - 1] != '\\') path.add('\\');
}

namespace {
// The first `cut` characters of `base` (all of them if fewer), a backslash if
// needed, then `tail`.
void Below(const char *base, size_t cut, const char *tail, char *out, size_t outSize) {
    char folder[kLinkPathSize];
    FixedText(folder, sizeof(folder)).add(base, std::min(std::strlen(base), cut));
    WithBackslash(folder, out, outSize);
    size_t length = std::strlen(out);
    FixedText(out + length, outSize - length).add(tail);
}
} // namespace

void QuickLaunchPath(const char *appData, size_t cut, char *out, size_t outSize) {
    Below(appData, cut, "Microsoft\\Internet Explorer\\Quick Launch", out, outSize);
}

void LinkPathIn(const char *location, size_t cut, char *out, size_t outSize) {
    Below(location, cut, kLinkFileName, out, outSize);
}

void WorkingFolderOf(const char *executablePath, char *out, size_t outSize) {
    const char *slash = std::strrchr(executablePath, '\\');
    FixedText(out, outSize).add(executablePath, slash ? slash - executablePath : 0);
}
