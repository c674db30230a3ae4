#include "link_rules.h"
#include "../base/fixed_text.h"
#include "../cliptools/text_rules.h"
#include <algorithm>

template <class Char>
bool ShellFolderValueUsable(bool querySucceeded, unsigned long type, Char *text) {
    if (!querySucceeded) return false;
    TrimText(text);
    const unsigned long kPlainText = 1; // REG_SZ
    return type == kPlainText && TextLength(text) > 1;
}

template <class Char> void WithBackslash(const Char *text, Char *out, size_t outSize) {
    BasicFixedText<Char> path(out, outSize);
    path.add(text);
    if (path.length() > 0 && path.text()[path.length() - 1] != Char('\\')) path.add(Char('\\'));
}

namespace {
// The first `cut` characters of `base` (all of them if fewer), a backslash if
// needed, then `tail`.
template <class Char>
void Below(const Char *base, size_t cut, const char *tail, Char *out, size_t outSize) {
    Char folder[kLinkPathSize];
    BasicFixedText<Char>(folder, kLinkPathSize).add(base, std::min(TextLength(base), cut));
    WithBackslash(folder, out, outSize);
    size_t length = TextLength(out);
    BasicFixedText<Char>(out + length, outSize - length).addAscii(tail);
}
} // namespace

template <class Char>
void QuickLaunchPath(const Char *appData, size_t cut, Char *out, size_t outSize) {
    Below(appData, cut, "Microsoft\\Internet Explorer\\Quick Launch", out, outSize);
}

template <class Char> void LinkPathIn(const Char *location, size_t cut, Char *out, size_t outSize) {
    Below(location, cut, kLinkFileName, out, outSize);
}

template <class Char> void WorkingFolderOf(const Char *executablePath, Char *out, size_t outSize) {
    size_t slash = TextLength(executablePath);
    while (slash > 0 && executablePath[slash - 1] != Char('\\'))
        --slash;
    BasicFixedText<Char>(out, outSize).add(executablePath, slash > 0 ? slash - 1 : 0);
}

#define QUILLET_LINK_RULES(Char)                                                                   \
    template bool ShellFolderValueUsable(bool, unsigned long, Char *);                             \
    template void WithBackslash(const Char *, Char *, size_t);                                     \
    template void QuickLaunchPath(const Char *, size_t, Char *, size_t);                           \
    template void LinkPathIn(const Char *, size_t, Char *, size_t);                                \
    template void WorkingFolderOf(const Char *, Char *, size_t);
QUILLET_LINK_RULES(char)
QUILLET_LINK_RULES(wchar_t)
