#include "utf8.h"
#include <cstring>

namespace {

// Lead byte: how many continuation bytes follow, its payload bits, and the
// range of the first continuation byte (which rules out overlong forms,
// surrogates and values past U+10FFFF).
struct Lead {
    size_t continuations;
    char32_t bits;
    unsigned char low, high;
};

Lead ReadLead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {1, char32_t(b & 0x1F), 0x80, 0xBF};
    if (b == 0xE0) return {2, 0, 0xA0, 0xBF};
    if (b == 0xED) return {2, 0x0D, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {2, char32_t(b & 0x0F), 0x80, 0xBF};
    if (b == 0xF0) return {3, 0, 0x90, 0xBF};
    if (b == 0xF4) return {3, 0x04, 0x80, 0x8F};
    if (b >= 0xF1 && b <= 0xF3) return {3, char32_t(b & 0x07), 0x80, 0xBF};
    return {0, 0, 0, 0};
}

constexpr char32_t kReplacement = 0xFFFD;

// One code point from s[0..length); `used` is how many bytes it took.
char32_t DecodeOne(const unsigned char *s, size_t length, size_t &used) {
    used = 1;
    if (s[0] < 0x80) return s[0];
    Lead lead = ReadLead(s[0]);
    if (lead.continuations == 0) return kReplacement;
    char32_t c = lead.bits;
    for (size_t k = 1; k <= lead.continuations; ++k) {
        unsigned char low = k == 1 ? lead.low : 0x80;
        unsigned char high = k == 1 ? lead.high : 0xBF;
        if (k >= length || s[k] < low || s[k] > high) {
            used = k;
            return kReplacement;
        }
        c = (c << 6) | (s[k] & 0x3F);
    }
    used = lead.continuations + 1;
    return c;
}

size_t EncodeOne(char32_t c, unsigned char (&bytes)[4]) {
    if (c < 0x80) {
        bytes[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        bytes[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        bytes[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        bytes[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        bytes[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        bytes[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 3;
    }
    bytes[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    bytes[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    bytes[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    bytes[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
}

} // namespace

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

size_t Utf8ToUtf16(const char *utf8, size_t length, char16_t *out, size_t outSize) {
    if (outSize == 0) return 0;
    const unsigned char *s = reinterpret_cast<const unsigned char *>(utf8);
    size_t written = 0;
    for (size_t i = 0; i < length;) {
        size_t used = 1;
        char32_t c = DecodeOne(s + i, length - i, used);
        size_t units = c > 0xFFFF ? 2 : 1;
        if (written + units + 1 > outSize) break;
        if (units == 2) {
            c -= 0x10000;
            out[written++] = static_cast<char16_t>(0xD800 + (c >> 10));
            out[written++] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out[written++] = static_cast<char16_t>(c);
        }
        i += used;
    }
    out[written] = u'\0';
    return written;
}

size_t Utf16ToUtf8(const char16_t *wide, size_t length, char *out, size_t outSize) {
    size_t total = 0, written = 0;
    bool full = outSize == 0;
    for (size_t i = 0; i < length; ++i) {
        char32_t c = wide[i];
        if (IsHighSurrogate(c) && i + 1 < length && IsLowSurrogate(wide[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        unsigned char bytes[4];
        size_t n = EncodeOne(c, bytes);
        total += n;
        if (!full && written + n + 1 <= outSize) {
            std::memcpy(out + written, bytes, n);
            written += n;
        } else {
            full = true; // never a later, shorter sequence after a cut
        }
    }
    if (outSize > 0) out[written] = '\0';
    return total;
}

Utf8Shape ShapeOfUtf8(const char *text, size_t length) {
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);
    Utf8Shape shape = {true, false, 0};
    size_t i = 0;
    while (i < length) {
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        Lead lead = ReadLead(s[i]);
        size_t k = 1;
        for (; k <= lead.continuations && i + k < length; ++k) {
            unsigned char low = k == 1 ? lead.low : 0x80;
            unsigned char high = k == 1 ? lead.high : 0xBF;
            if (s[i + k] < low || s[i + k] > high) break;
        }
        bool cutOff = lead.continuations > 0 && i + k == length && k <= lead.continuations;
        if (cutOff) break;
        // An invalid sequence takes the bytes a decoder turns into one U+FFFD.
        if (lead.continuations == 0 || k <= lead.continuations)
            shape.valid = false;
        else
            shape.multiByte = true;
        i += k;
    }
    shape.complete = i;
    return shape;
}

bool HasUnpairedSurrogate(const char16_t *wide, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (IsHighSurrogate(wide[i]) && i + 1 < length && IsLowSurrogate(wide[i + 1]))
            ++i;
        else if (IsHighSurrogate(wide[i]) || IsLowSurrogate(wide[i]))
            return true;
    }
    return false;
}
