// Texts of the note list rows, free of any system call.
#pragma once
#include <cstddef>
#include <cstdint>

// A row shows at most this many UTF-16 units of a note, and its index row
// has room left for "#" and the slot number.
constexpr size_t kRowUnits = 4095;
constexpr size_t kRowBufferSize = kRowUnits + 16;

// The note's characters as one row: each CR, LF and TAB shown as '_'. A row
// longer than outSize - 1 units is cut between two characters, never inside
// a surrogate pair. Always terminated; returns the row's length.
size_t MakeDisplayText(const char16_t *note, size_t length, char16_t *out, size_t outSize);

// The hidden index row: display text, "#", two or more digits of the slot.
void MakeIndexRow(const char16_t *displayText, int32_t slot, char16_t *out, size_t outSize);
