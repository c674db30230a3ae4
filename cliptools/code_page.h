// The system's ANSI code page: what it holds exactly, and text shown in it.
#pragma once
#include <cstddef>

// The text in the ANSI code page when the code page holds it exactly: no
// default character and no best-fit look-alike is needed, and converting back
// gives the same text. Returns the byte count, or false when it does not hold
// it or `out` (which is always terminated) is too small. `length` is at most
// 4095 units.
bool ToAnsiExactly(const char16_t *text, size_t length, char *out, size_t outSize, size_t &bytes);

// ANSI bytes as Unicode. Writes at most outSize - 1 units, always terminated,
// and returns how many it wrote.
size_t AnsiToUnicode(const char *text, size_t length, char16_t *out, size_t outSize);

// True for a byte that starts a two-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// Whether the ANSI code page is UTF-8 (65001, which Windows 10 and 11 offer):
// ANSI text and UTF-8 are then the same bytes.
bool AnsiIsUtf8();

// The text as well as the ANSI code page can spell it ('?' for the rest),
// always terminated; empty when its form does not fit in outSize - 1 bytes.
void ToAnsiForDisplay(const char16_t *text, char *out, size_t outSize);

// ANSI bytes as the characters they are: a byte that starts no character of
// the code page (a lone lead byte included) shows as U+FFFD. Writes at most
// outSize - 1 units, always terminated, and returns how many it wrote.
size_t AnsiToUnicodeShown(const char *text, size_t length, char16_t *out, size_t outSize);
