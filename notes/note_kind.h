// Which text a note file holds, told from its bytes alone, and where a text
// cut at the load limit may end.
#pragma once
#include <cstddef>
#include "../cliptools/code_page.h"
#include "../cliptools/text_rules.h"

enum class NoteKind { Ansi, Utf8, Utf16Le, Utf16Be };

struct NoteFileKind {
    NoteKind kind;
    size_t markSize; // bytes of the byte-order mark, 0 without one
};

// A note's kind from its first bytes as loaded (`cut` when the file goes on
// past them). FF FE and FE FF mark UTF-16, EF BB BF marks UTF-8. Without a
// mark the bytes are UTF-8 only when they are valid UTF-8, hold at least one
// multi-byte sequence and are not text in a double-byte ANSI code page: an
// editor's UTF-8 is read as such, and ANSI text stays ANSI.
NoteFileKind NoteKindOf(const char *bytes, size_t length, bool cut, AnsiTextCheck isAnsiText);

// The length of a text cut at the load limit without its incomplete last
// character: a partial UTF-8 sequence, or a lead byte without its trail byte.
size_t WholeCharacterLength(const char *text, size_t length, NoteKind kind,
                            LeadBytePredicate isLeadByte);

// Reads UTF-16 note bytes (after the mark) as text mode reads bytes: CR LF
// becomes LF and U+001A ends the text. An odd last byte is dropped, and when
// `cut`, a high surrogate whose pair was cut off. Writes at most outSize - 1
// units, always terminated, and returns how many it wrote.
size_t DecodeUtf16Note(const char *bytes, size_t size, bool bigEndian, bool cut, char16_t *out,
                       size_t outSize);
