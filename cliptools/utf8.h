// UTF-8 and UTF-16 text, free of any system call.
#pragma once
#include <cstddef>

// Decodes `length` bytes of UTF-8 into UTF-16. Each byte that does not start a
// well-formed sequence, or each cut-off sequence, gives one U+FFFD. Writes at
// most outSize - 1 units, always terminated, and returns how many it wrote.
size_t Utf8ToUtf16(const char *utf8, size_t length, char16_t *out, size_t outSize);

// Encodes `length` units of UTF-16 as UTF-8; an unpaired surrogate gives
// U+FFFD. Returns the byte count of the whole text; writes the whole sequences
// that fit in outSize - 1 bytes, always terminated when outSize > 0.
size_t Utf16ToUtf8(const char16_t *wide, size_t length, char *out, size_t outSize);

// The two halves of a surrogate pair: a text cut after a high one is cut
// inside a character.
bool IsHighSurrogate(char32_t c);
bool IsLowSurrogate(char32_t c);

// True when some surrogate is not half of a pair: text that no UTF-8 holds.
bool HasUnpairedSurrogate(const char16_t *wide, size_t length);

// How bytes read as UTF-8. `valid`: every sequence is well formed, except
// perhaps one cut off by the end; `complete`: the bytes before such a cut-off
// sequence, invalid ones included; `multiByte`: some well-formed sequence
// takes more than one byte.
struct Utf8Shape {
    bool valid;
    bool multiByte;
    size_t complete;
};
Utf8Shape ShapeOfUtf8(const char *text, size_t length);
