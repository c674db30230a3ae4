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

// A UTF-16 note is read from at most as many bytes on disk as any note.
constexpr size_t kLoadLimit = kNoteTextSize - 1;

void LoadUtf16Note(const char *stored, size_t size, NoteFileKind kind, NoteRecord &record) {
    bool cut = size > kLoadLimit;
    if (cut) size = kLoadLimit;
    static char16_t wide[kLoadLimit / 2 + 1];
    size_t units = DecodeUtf16Note(stored + kind.markSize, size - kind.markSize,
                                   kind.kind == NoteKind::Utf16Be, cut, wide, kLoadLimit / 2 + 1);
    // Whole characters only, should its UTF-8 form be longer than a note holds.
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
    size_t length = DecodeTextMode(stored, total, record.text, sizeof(record.text), &cut);
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

// Saves a new note in the lowest free slot: `text` is ANSI text, or UTF-8
// text that the file then marks as such.
void SaveNewNote(const char *text, size_t length, bool utf8, PasteResult &result) {
    if (length == 0 || text[0] == '\x1A') {
        // A file that loads empty (the end-of-file byte first) would hold its
        // slot for ever without ever being listed.
        result.status = PasteStatus::NothingToSave;
        return;
    }
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
    // The mark and at most 4095 bytes, each LF of which becomes CR LF.
    static char stored[kUtf8MarkSize + 2 * kNoteTextSize];
    size_t markSize = utf8 ? kUtf8MarkSize : 0;
    std::memcpy(stored, kUtf8Mark, markSize);
    size_t size =
        markSize + EncodeTextMode(text, length, stored + markSize, sizeof(stored) - markSize);
    bool written = size < sizeof(stored) && WriteAllBytes(file.get(), stored, size);
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

void SaveUnicodeText(const char16_t *wide, size_t units, PasteResult &result) {
    // The mark, the text and a terminator must fit a note's buffer, so that it
    // loads whole.
    static char utf8[kNoteTextSize];
    size_t length = Utf16ToUtf8(wide, units, utf8, sizeof(utf8));
    if (kUtf8MarkSize + length + 1 > kNoteTextSize) {
        result.status = PasteStatus::ClipboardFailed;
        result.clipboard = ClipboardStatus::TooBig;
        return;
    }
    SaveNewNote(utf8, length, true, result);
}

void SaveClipboardText(const ClipboardContent &text, PasteResult &result) {
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
    if (readsBackAsItself || length == kind.markSize) {
        // A byte-order mark and nothing else would load as an empty note.
        SaveNewNote(text.ansi, length == kind.markSize ? 0 : length, false, result);
        return;
    }
    // ANSI text that would read back as another kind (it begins with a mark,
    // or is valid UTF-8) is kept as marked UTF-8, which reads back exactly.
    static char16_t wide[kClipboardTextLimit];
    size_t units = AnsiToUnicode(text.ansi, length, wide, kClipboardTextLimit);
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

void NoteTextAsAnsi(const NoteRecord &note, char *out, size_t outSize) {
    if (!note.utf8) {
        // Never half a character at the end, which list boxes may misread:
        // Wine's UTF-8 conversion takes a lone lead byte's terminator with it.
        FixedText text(out, outSize);
        text.add(note.text);
        if (outSize > 0) out[WholeAnsiOrUtf8Length(out, text.length(), NoteKind::Ansi)] = '\0';
        return;
    }
    static char16_t wide[kNoteTextSize];
    NoteTextAsUnicode(note, wide);
    ToAnsiForDisplay(wide, out, outSize);
}
