#include "note_store.h"
#include "../base/win_handles.h"
#include "../cliptools/clipboard.h"
#include "../cliptools/code_page.h"
#include "../cliptools/utf8.h"
#include "note_kind.h"
#include "text_mode.h"
#include "../base/fixed_text.h"
#include <cstring>

namespace {

// 4095 decoded bytes take at most 8190 stored bytes, plus one to see whether
// a final CR is followed by LF.
constexpr DWORD kStoredReadLimit = 2 * (kNoteTextSize - 1) + 1;

// A UTF-16 note holds as many units as the load limit's bytes hold after
// its mark, counted as any note's text is: after each CR LF became LF, so
// that a CR LF the limit splits still reads as one line break.
constexpr size_t kUtf16UnitLimit = (kNoteTextSize - 1 - 2) / 2;

void LoadUtf16Note(const char *stored, size_t size, NoteFileKind kind, NoteRecord &record) {
    static char16_t wide[kUtf16UnitLimit + 1];
    size_t units =
        DecodeUtf16Note(stored + kind.markSize, size - kind.markSize,
                        kind.kind == NoteKind::Utf16Be, false, wide, kUtf16UnitLimit + 1);
    // Held whole: a record has room for three bytes a unit.
    Utf16ToUtf8(wide, units, record.text, sizeof(record.text));
    record.utf8 = true;
}

// Where the ANSI code page is UTF-8, ANSI text ends on a whole character as
// UTF-8 does.
size_t WholeAnsiOrUtf8Length(const char *text, size_t length, NoteKind kind) {
    if (kind == NoteKind::Ansi && AnsiIsUtf8()) kind = NoteKind::Utf8;
    return WholeCharacterLength(text, length, kind, IsAnsiLeadByte);
}

// Fills `record` from a note file in whichever kind of text it holds.
bool ReadNoteFile(const wchar_t *path, NoteRecord &record) {
    UniqueHandle file(CreateFileW(path, GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    static char stored[kStoredReadLimit];
    DWORD total = 0;
    while (total < kStoredReadLimit) {
        DWORD got = 0;
        if (!ReadFile(file.get(), stored + total, kStoredReadLimit - total, &got, nullptr) ||
            got == 0)
            break;
        total += got;
    }
    bool cut = false;
    size_t length = DecodeTextMode(stored, total, record.text, kNoteTextSize, &cut);
    NoteFileKind kind = NoteKindOf(record.text, length, cut);
    switch (kind.kind) {
    case NoteKind::Utf16Le:
    case NoteKind::Utf16Be:
        LoadUtf16Note(stored, total, kind, record);
        return true;
    case NoteKind::Utf8:
        record.utf8 = true;
        if (TakeUtf8Mark(record.text)) length -= kUtf8MarkSize;
        break;
    case NoteKind::Ansi:
        break;
    }
    // Never half a character at the end of a cut note.
    if (cut) record.text[WholeAnsiOrUtf8Length(record.text, length, kind.kind)] = '\0';
    return true;
}

// A slot is free only when nothing at all carries its file name.
bool SlotIsFree(const wchar_t *path) {
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Saves a new note in the lowest free slot: `stored` is the file's whole
// content, in whichever form the text is kept.
void SaveNewNote(const char *stored, size_t size, PasteResult &result) {
    wchar_t *path = result.path;
    int32_t slot = 0;
    for (; slot < kMaxNotes; ++slot) {
        NoteFileName(result.path, slot);
        if (SlotIsFree(path)) break;
    }
    if (slot == kMaxNotes) {
        result.status = PasteStatus::NoFreeSlot;
        return;
    }
    UniqueHandle file(
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        result.status = PasteStatus::OpenFailed;
        return;
    }
    bool written = WriteAllBytes(file.get(), stored, size);
    bool closed = file.reset();
    if (!written || !closed) {
        // A half-written file must not pass for a saved note.
        DeleteFileW(path);
        result.status = PasteStatus::WriteFailed;
        return;
    }
    result.status = PasteStatus::Saved;
    LoadNotes();
}

// The mark and at most 4095 bytes, each LF of which becomes CR LF; or as
// UTF-16, the mark and at most kUtf16UnitLimit units, each LF as CR LF.
char g_stored[kUtf8MarkSize + 2 * kNoteTextSize];

// ANSI text, or UTF-8 text that the file then marks as such.
void SaveTextModeNote(const char *text, size_t length, bool utf8, PasteResult &result) {
    if (length == 0) {
        // An empty file would hold its slot for ever without being listed.
        result.status = PasteStatus::NothingToSave;
        return;
    }
    size_t markSize = utf8 ? kUtf8MarkSize : 0;
    std::memcpy(g_stored, kUtf8Mark, markSize);
    size_t size =
        markSize + EncodeTextMode(text, length, g_stored + markSize, sizeof(g_stored) - markSize);
    if (size >= sizeof(g_stored)) { // never for a text within the clipboard's limit
        result.status = PasteStatus::ClipboardFailed;
        result.clipboard = ClipboardStatus::TooBig;
        return;
    }
    SaveNewNote(g_stored, size, result);
}

// Unicode text in the first form that loads it whole: marked UTF-8 within
// the load limit, else marked UTF-16 LE within its unit limit.
void SaveUnicodeText(const char16_t *wide, size_t units, PasteResult &result) {
    if (HasUnpairedSurrogate(wide, units)) {
        // Neither form keeps half a pair: it would come back as U+FFFD.
        result.status = PasteStatus::NotKeptExactly;
        return;
    }
    static char utf8[kNoteTextSize];
    size_t length = Utf16ToUtf8(wide, units, utf8, sizeof(utf8));
    // The mark, the text and a terminator must fit a note's buffer.
    if (kUtf8MarkSize + length + 1 <= kNoteTextSize) {
        SaveTextModeNote(utf8, length, true, result);
        return;
    }
    if (units > kUtf16UnitLimit) {
        result.status = PasteStatus::ClipboardFailed;
        result.clipboard = ClipboardStatus::TooBig;
        return;
    }
    SaveNewNote(g_stored, EncodeUtf16LeNote(wide, units, g_stored, sizeof(g_stored)), result);
}

// The end-of-file character ends a note file's text when it is read.
bool HoldsEndOfFile(const ClipboardContent &text) {
    if (text.ansi) return std::memchr(text.ansi, '\x1A', text.ansiLength()) != nullptr;
    for (size_t i = 0; i < text.wideLength; ++i)
        if (text.wide[i] == u'\x1A') return true;
    return false;
}

// Whether ANSI bytes come back from their Unicode form as they are: bytes
// that are no character of the code page do not.
bool AnsiSurvivesUnicode(const char *ansi, size_t length, const char16_t *wide, size_t units) {
    static char back[2 * kClipboardTextLimit];
    size_t bytes = 0;
    return ToAnsiExactly(wide, units, back, sizeof(back), bytes) && bytes == length &&
           std::memcmp(back, ansi, length) == 0;
}

void SaveClipboardText(const ClipboardContent &text, PasteResult &result) {
    if (HoldsEndOfFile(text)) {
        result.status = PasteStatus::HoldsEndOfFile;
        return;
    }
    if (!text.ansi) {
        // Text the ANSI code page would spoil is kept as UTF-8.
        SaveUnicodeText(text.wide, text.wideLength, result);
        return;
    }
    // Only the text is a note: the terminator and whatever the block holds
    // after it are not written.
    size_t length = text.ansiLength();
    NoteFileKind kind = NoteKindOf(text.ansi, length, false);
    // Where the ANSI code page is UTF-8, unmarked UTF-8 reads back as the
    // same text.
    bool readsBackAsItself = kind.kind == NoteKind::Ansi ||
                             (kind.kind == NoteKind::Utf8 && kind.markSize == 0 && AnsiIsUtf8());
    if (readsBackAsItself) {
        SaveTextModeNote(text.ansi, length, false, result);
        return;
    }
    // ANSI text that would read back as another kind (it begins with a mark,
    // even a mark alone, or is valid UTF-8) is kept as marked UTF-8, which
    // reads back exactly when its Unicode form holds every byte.
    static char16_t wide[kClipboardTextLimit];
    size_t units = AnsiToUnicode(text.ansi, length, wide, kClipboardTextLimit);
    if (!AnsiSurvivesUnicode(text.ansi, length, wide, units)) {
        result.status = PasteStatus::NotKeptExactly;
        return;
    }
    SaveUnicodeText(wide, units, result);
}

} // namespace

void NoteFileName(wchar_t (&name)[kPathBufferSize], int32_t slot) {
    WideText(name, kPathBufferSize)
        .add(g_app.programFolder)
        .addAscii("QuilletSlot")
        .addNumber(slot)
        .addAscii(".txt");
}

void LoadNotes() {
    NoteTable &table = g_app.notes;
    std::memset(&table, 0, sizeof(table));
    int next = 0;
    wchar_t path[kPathBufferSize];
    for (int32_t slot = 0; slot < kMaxNotes; ++slot) {
        NoteFileName(path, slot);
        NoteRecord &record = table.records[next];
        if (!ReadNoteFile(path, record)) continue;
        record.slot = slot;
        ++next;
    }
}

PasteResult PasteNewNote() {
    PasteResult result;
    auto save = [&result](const ClipboardContent &text) { SaveClipboardText(text, result); };
    ClipboardStatus read = ReadClipboardText(save);
    if (read != ClipboardStatus::Done) {
        result.status = PasteStatus::ClipboardFailed;
        result.clipboard = read;
    }
    return result;
}

bool PasteMessage(const PasteResult &result, wchar_t *out, size_t outSize) {
    const char *text = nullptr;
    switch (result.status) {
    case PasteStatus::Saved:
        return false;
    case PasteStatus::ClipboardFailed:
        text = ClipboardMessage(result.clipboard);
        break;
    case PasteStatus::NothingToSave:
        text = "The Clipboard text is empty: there is nothing to save.";
        break;
    case PasteStatus::HoldsEndOfFile:
        text = "ERROR: The Clipboard text holds the end-of-file character (0x1A), which ends "
               "the text of a note file.\n\nThe data has not been pasted/saved.";
        break;
    case PasteStatus::NotKeptExactly:
        text = "ERROR: The Clipboard text holds bytes that are no character of the system's "
               "code page, or half a Unicode character, which a note file cannot keep as they "
               "are.\n\nThe data has not been pasted/saved.";
        break;
    case PasteStatus::NoFreeSlot:
        text = "ERROR: No free slots. Free some slots and try again.";
        break;
    case PasteStatus::OpenFailed:
        WideText(out, outSize)
            .addAscii("ERROR: Could not open '")
            .add(result.path)
            .addAscii("' [write].");
        return true;
    case PasteStatus::WriteFailed:
        WideText(out, outSize)
            .addAscii("ERROR: Could not write '")
            .add(result.path)
            .addAscii("'. The note has not been saved.");
        return true;
    }
    if (!text) return false;
    WideText(out, outSize).addAscii(text);
    return true;
}

void NoteTextAsUnicode(const NoteRecord &note, char16_t (&text)[kNoteTextSize]) {
    Utf8ToUtf16(note.text, std::strlen(note.text), text, kNoteTextSize);
}

size_t NoteTextAsShown(const NoteRecord &note, char16_t *out, size_t outSize) {
    size_t length = 0;
    while (length < sizeof(note.text) && note.text[length] != '\0')
        ++length;
    // The program's own decoder for UTF-8: the system's may read past a
    // broken last character.
    if (note.utf8 || AnsiIsUtf8()) return Utf8ToUtf16(note.text, length, out, outSize);
    return AnsiToUnicodeShown(note.text, length, out, outSize);
}
