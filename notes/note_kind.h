// Which text a note file holds, told from its bytes alone, and where a text
// cut at the load limit may end.
#pragma once
#include <cstddef>
#include "../cliptools/text_rules.h"

enum class NoteKind { Ansi, Utf8, Utf16Le, Utf16Be };

struct NoteFileKind {
    NoteKind kind;
    size_t markSize; // bytes of the byte-order mark, 0 without one
};

// A note's kind from its first bytes as loaded (`cut` when the file goes on
// past them). FF FE and FE FF mark UTF-16, EF BB BF marks UTF-8. Without a
// mark the bytes are UTF-8 when they are valid UTF-8 and hold at least one
// multi-byte sequence, on every code page, as the system's editor reads them;
// anything else is ANSI text.
NoteFileKind NoteKindOf(const char *bytes, size_t length, bool cut);

// The length of a text cut at the load limit without its incomplete last
// character: a partial UTF-8 sequence, or a lead byte without its trail byte.
// Invalid bytes before it stay, as they do in a text that was not cut.
size_t WholeCharacterLength(const char *text, size_t length, NoteKind kind,
                            LeadBytePredicate isLeadByte);

// Reads UTF-16 note bytes (after the mark) as text mode reads bytes: CR LF
// becomes LF and U+001A ends the text. When `cut`, a high surrogate whose
// pair was cut off is dropped; otherwise an odd last byte reads as U+FFFD.
// Writes at most outSize - 1 units, always terminated, and returns how many
// it wrote.
size_t DecodeUtf16Note(const char *bytes, size_t size, bool bigEndian, bool cut, char16_t *out,
                       size_t outSize);

// The stored form of a text as a UTF-16 LE note: the mark, then each unit,
// each LF as CR LF, so that DecodeUtf16Note gives the text back. Writes what
// fits in `outSize` bytes and returns the size of the whole form.
size_t EncodeUtf16LeNote(const char16_t *text, size_t length, char *out, size_t outSize);
