// The numbered note files beside the executable and the NoteTable built from them.
#pragma once
#include <cstdint>
#include "../base/app_state.h"
#include "../cliptools/clipboard.h"

// Full path of a slot's file: ProgramFolder + "QuilletSlot" + N + ".txt".
void NoteFileName(wchar_t (&name)[kPathBufferSize], int32_t slot);

// Rebuilds g_app.notes from the slot files. Files are only read, never changed.
void LoadNotes();

enum class PasteStatus {
    Saved,
    ClipboardFailed, // see `clipboard`
    NothingToSave,
    HoldsEndOfFile, // the text holds 0x1A, where a note file's text ends
    NotKeptExactly, // no note file would give back every byte or character
    NoFreeSlot,
    OpenFailed,  // `path` could not be created
    WriteFailed, // `path` could not be written; it has been removed
};

struct PasteResult {
    PasteStatus status = PasteStatus::Saved;
    ClipboardStatus clipboard = ClipboardStatus::Done;
    wchar_t path[kPathBufferSize] = {};
};

// Saves the clipboard text as a new note in the lowest slot that has no file
// and reloads the notes. Text that the ANSI code page holds exactly is stored
// as ANSI text, as always; any other text, and ANSI text that would read back
// as another kind, as UTF-8 behind the UTF-8 mark, or as UTF-16 LE behind its
// mark when only that form fits. A text that would not load back exactly
// (empty, holding 0x1A, or with no exact form) is not saved, and no file is
// written for it. Says nothing: see PasteMessage.
PasteResult PasteNewNote();

// What to tell the user about a paste; false when there is nothing to say.
bool PasteMessage(const PasteResult &result, wchar_t *out, size_t outSize);

// A Unicode note's exact text (kept as UTF-8 once loaded) as Unicode.
void NoteTextAsUnicode(const NoteRecord &note, char16_t (&text)[kNoteTextSize]);
// Any note's characters as UTF-16, decoded from its own bytes: a byte that
// is no character of its kind shows as U+FFFD. Writes at most outSize - 1
// units, always terminated, and returns how many.
size_t NoteTextAsShown(const NoteRecord &note, char16_t *out, size_t outSize);
