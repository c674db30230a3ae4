// Texts of the note list rows, free of any system call.
#pragma once
#include <cstddef>
#include <cstdint>

// Room for a whole note text plus "#" and a slot number.
constexpr size_t kRowBufferSize = 4096 + 16;

// The note as one row: each CR, LF and TAB shown as '_'. At most
// outSize - 1 bytes, always terminated.
void MakeDisplayText(const char *noteText, char *out, size_t outSize);

// The hidden index row: display text, "#", two or more digits of the slot.
void MakeIndexRow(const char *displayText, int32_t slot, char *out, size_t outSize);
