#include "code_page.h"
#include <windows.h>
#include <cstring>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

namespace {
constexpr size_t kMaxUnits = 4096;

const wchar_t *Wide(const char16_t *text) {
    return reinterpret_cast<const wchar_t *>(text);
}
} // namespace

bool AnsiHoldsExactly(const char16_t *text, size_t length) {
    if (length == 0) return true;
    if (length >= kMaxUnits) return false;
    // A system whose ANSI code page is UTF-8 holds every text.
    if (GetACP() == CP_UTF8) return true;
    static char ansi[2 * kMaxUnits];
    static wchar_t back[kMaxUnits];
    BOOL usedDefault = FALSE;
    int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Wide(text), static_cast<int>(length),
                            ansi, sizeof(ansi), nullptr, &usedDefault);
    if (bytes <= 0 || usedDefault) return false;
    int units = MultiByteToWideChar(CP_ACP, 0, ansi, bytes, back, static_cast<int>(kMaxUnits));
    return units == static_cast<int>(length) &&
           std::memcmp(back, text, length * sizeof(wchar_t)) == 0;
}

bool IsAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

void ToAnsiForDisplay(const char16_t *text, char *out, size_t outSize) {
    if (outSize == 0) return;
    int bytes = WideCharToMultiByte(CP_ACP, 0, Wide(text), -1, out, static_cast<int>(outSize),
                                    nullptr, nullptr);
    if (bytes <= 0) out[0] = '\0'; // only for a buffer too small, which callers never give
}
