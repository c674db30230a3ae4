// The in-memory copy of the notes.
#pragma once
#include <cstdint>

constexpr int kMaxNotes = 50;
// A note file is read up to 4095 bytes of text.
constexpr int kNoteTextSize = 4096;
// What a record holds: a UTF-16 file within that limit has at most 2046
// units, each at most three bytes as UTF-8, so it is held whole.
constexpr int kNoteHeldSize = 3 * (kNoteTextSize / 2);

struct NoteRecord {
    char text[kNoteHeldSize];
    int32_t slot;
    // The file holds Unicode text (UTF-8, marked or not, or UTF-16): `text`
    // is its UTF-8, without a mark, rather than ANSI text.
    bool utf8;
};

// Filled compactly in ascending slot order; records past the last loaded file
// are all zero. A record with empty text holds no note.
struct NoteTable {
    NoteRecord records[kMaxNotes];
};

// The first record carrying `slot`, or nullptr.
inline const NoteRecord *FindNoteBySlot(const NoteTable &table, int32_t slot) {
    for (const NoteRecord &record : table.records)
        if (record.slot == slot && record.text[0] != '\0') return &record;
    return nullptr;
}

inline int CountNotes(const NoteTable &table) {
    int count = 0;
    for (const NoteRecord &record : table.records)
        if (record.text[0] != '\0') ++count;
    return count;
}
