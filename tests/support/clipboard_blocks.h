// The clipboard from a test's side: one block in, text out.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Replaces the clipboard with one zero-filled block of `blockSize` bytes in
// `format`, holding the first `length` bytes of `bytes` (at most blockSize).
// A clipboard busy in another process is tried again for about two seconds.
// A non-zero `locale` goes beside it as CF_LOCALE, as the keyboard layout of
// the moment of copying does.
bool PutClipboardBlock(UINT format, const void *bytes, size_t length, size_t blockSize,
                       LCID locale = 0);

// The CF_TEXT or CF_UNICODETEXT text, up to its terminator; "<clipboard busy>"
// or "<no text>" (in the matching form) when there is none to read.
std::string ClipboardAnsiText();
std::u16string ClipboardUnicodeText();

// The clipboard's formats in the order EnumClipboardFormats gives them: those
// its owner placed, then the ones the system makes.
std::vector<UINT> ClipboardFormatOrder();
