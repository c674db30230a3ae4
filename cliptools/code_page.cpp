#include "code_page.h"
#include <windows.h>
#include <climits>
#include <cstring>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

namespace {
constexpr size_t kMaxUnits = 4096;

const wchar_t *Wide(const char16_t *text) {
    return reinterpret_cast<const wchar_t *>(text);
}
wchar_t *Wide(char16_t *text) {
    return reinterpret_cast<wchar_t *>(text);
}
} // namespace

bool ToAnsiExactly(const char16_t *text, size_t length, char *out, size_t outSize, size_t &bytes) {
    bytes = 0;
    if (outSize == 0) return false;
    out[0] = '\0';
    if (length == 0) return true;
    if (length >= kMaxUnits || outSize > INT_MAX) return false;
    // A system whose ANSI code page is UTF-8 has no best fit to fear.
    BOOL usedDefault = FALSE;
    BOOL *checkDefault = AnsiIsUtf8() ? nullptr : &usedDefault;
    DWORD flags = AnsiIsUtf8() ? 0 : WC_NO_BEST_FIT_CHARS;
    int made = WideCharToMultiByte(CP_ACP, flags, Wide(text), static_cast<int>(length), out,
                                   static_cast<int>(outSize - 1), nullptr, checkDefault);
    if (made <= 0 || usedDefault) return false;
    static wchar_t back[kMaxUnits];
    int units = MultiByteToWideChar(CP_ACP, 0, out, made, back, static_cast<int>(kMaxUnits));
    if (units != static_cast<int>(length) || std::memcmp(back, text, length * sizeof(wchar_t)) != 0)
        return false;
    out[made] = '\0';
    bytes = static_cast<size_t>(made);
    return true;
}

size_t AnsiToUnicode(const char *text, size_t length, char16_t *out, size_t outSize) {
    if (outSize == 0) return 0;
    int units = length == 0 ? 0
                            : MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length),
                                                  reinterpret_cast<wchar_t *>(out),
                                                  static_cast<int>(outSize - 1));
    size_t written = units > 0 ? static_cast<size_t>(units) : 0;
    out[written] = u'\0';
    return written;
}

bool IsAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

bool AnsiIsUtf8() {
    return GetACP() == CP_UTF8;
}

void ToAnsiForDisplay(const char16_t *text, char *out, size_t outSize) {
    if (outSize == 0) return;
    size_t length = 0;
    while (text[length] != u'\0')
        ++length;
    int bytes = length == 0 || length > INT_MAX || outSize > INT_MAX
                    ? 0
                    : WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(length), out,
                                          static_cast<int>(outSize - 1), nullptr, nullptr);
    out[bytes > 0 ? bytes : 0] = '\0';
}

namespace {
// One character of the code page at `text` (a lead byte and its trail byte,
// or one byte), or U+FFFD for its first byte when the code page has no
// character there. Returns the bytes taken.
size_t ShowOneAnsiCharacter(const char *text, size_t length, char16_t *out, size_t &units) {
    size_t bytes = IsAnsiLeadByte(static_cast<unsigned char>(text[0])) && length > 1 ? 2 : 1;
    wchar_t wide[2];
    int made =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, static_cast<int>(bytes), wide, 2);
    if (made <= 0) {
        out[0] = u'\xFFFD';
        units = 1;
        return 1;
    }
    std::memcpy(out, wide, static_cast<size_t>(made) * sizeof(wchar_t));
    units = static_cast<size_t>(made);
    return bytes;
}
} // namespace

size_t AnsiToUnicodeShown(const char *text, size_t length, char16_t *out, size_t outSize) {
    if (outSize == 0) return 0;
    // Almost every note is all characters of the code page: one call.
    int whole =
        length == 0 || length > INT_MAX || outSize > INT_MAX
            ? 0
            : MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, static_cast<int>(length),
                                  Wide(out), static_cast<int>(outSize - 1));
    size_t written = whole > 0 ? static_cast<size_t>(whole) : 0;
    for (size_t i = 0; whole <= 0 && i < length;) {
        char16_t one[2];
        size_t units = 0;
        size_t taken = ShowOneAnsiCharacter(text + i, length - i, one, units);
        if (written + units + 1 > outSize) break;
        std::memcpy(out + written, one, units * sizeof(char16_t));
        written += units;
        i += taken;
    }
    out[written] = u'\0';
    return written;
}
