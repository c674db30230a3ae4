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

namespace {
// Bytes of the ANSI form of the first `units` units; written to `out` when it
// has `room` for them, only counted when `out` is null.
size_t AnsiFormOf(const char16_t *text, size_t units, char *out, size_t room) {
    if (units == 0 || units > INT_MAX || room > INT_MAX) return 0;
    int bytes = WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(units), out,
                                    static_cast<int>(room), nullptr, nullptr);
    return bytes > 0 ? static_cast<size_t>(bytes) : 0;
}
} // namespace

void ToAnsiForDisplay(const char16_t *text, char *out, size_t outSize) {
    if (outSize == 0) return;
    size_t length = 0;
    while (text[length] != u'\0')
        ++length;
    size_t room = outSize - 1, units = length;
    if (AnsiFormOf(text, length, nullptr, 0) > room) {
        // The longest run of whole characters whose form fits, found by
        // halves: a form cut at a byte count could end in half a character.
        size_t fits = 0, tooLong = length;
        while (tooLong - fits > 1) {
            size_t middle = fits + (tooLong - fits) / 2;
            (AnsiFormOf(text, middle, nullptr, 0) <= room ? fits : tooLong) = middle;
        }
        units = fits;
        if (units > 0 && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF &&
            text[units] >= 0xDC00 && text[units] <= 0xDFFF)
            --units; // never half a pair
    }
    out[AnsiFormOf(text, units, out, room)] = '\0';
}
