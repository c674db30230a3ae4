// The system's ANSI code page: what it holds exactly, and text shown in it.
#pragma once
#include <cstddef>

// True when the ANSI code page holds the text exactly: no default character
// and no best-fit look-alike is needed, and converting back gives the same
// text. `length` is at most 4095 units.
bool AnsiHoldsExactly(const char16_t *text, size_t length);

// True for a byte that starts a two-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// The text as well as the ANSI code page can show it ('?' for the rest).
// Always terminated.
void ToAnsiForDisplay(const char16_t *text, char *out, size_t outSize);
