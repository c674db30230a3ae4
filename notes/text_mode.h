// The note files' text-mode format, carried out over plain bytes so that it is
// the same on every C runtime.
#pragma once
#include <cstddef>

// Reads stored bytes as text: each CR LF becomes LF, a lone CR stays, the
// first 0x1A ends the data. Writes at most outSize - 1 bytes to `out`, always
// terminated, and returns how many were written. `cut`, when given, tells
// whether text was left over because `out` was full.
size_t DecodeTextMode(const char *stored, size_t storedSize, char *out, size_t outSize,
                      bool *cut = nullptr);

// The stored form of a text: each LF becomes CR LF, every other byte stays.
// Writes what fits in outSize - 1 bytes to `out`, always terminated (stored
// bytes may include zeros, so the count is what tells), and returns the size
// of the whole stored form: a result of outSize or more means it was cut.
size_t EncodeTextMode(const char *text, size_t length, char *out, size_t outSize);

// A note file that begins with the UTF-8 byte-order mark holds UTF-8 text,
// whoever wrote it; any other file holds text in the ANSI code page.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr size_t kUtf8MarkSize = 3;

// True when the decoded text starts with the mark, which is then taken off
// (the rest moves to the front).
bool TakeUtf8Mark(char *text);
