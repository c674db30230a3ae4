#include "note_store.h"
#include "../app/win_handles.h"
#include "../cliptools/clipboard.h"
#include "../cliptools/code_page.h"
#include "../cliptools/utf8.h"
#include "text_mode.h"
#include <cstdio>
#include <cstring>

const char kNothingToSaveMessage[] = "The Clipboard text is empty: there is nothing to save.";

namespace {

// 4095 decoded bytes take at most 8190 stored bytes, plus one to see whether
// a final CR is followed by LF.
constexpr DWORD kStoredReadLimit = 2 * (kNoteTextSize - 1) + 1;

bool ReadNoteFile(const char *path, char (&text)[kNoteTextSize]) {
    UniqueHandle file(CreateFileA(path, GENERIC_READ,
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
    DecodeTextMode(stored, total, text, sizeof(text));
    return true;
}

// A slot is free only when nothing at all carries its file name.
bool SlotIsFree(const char *path) {
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WriteAll(HANDLE file, const std::string &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        DWORD chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

// Saves a new note in the lowest free slot: `text` is ANSI text, or UTF-8
// text that the file then marks as such.
void SaveNewNote(const char *text, size_t length, bool utf8) {
    if (length == 0) {
        // An empty file would hold its slot for ever without ever being listed.
        ShowMessage(g_app.noteWindow, kNothingToSaveMessage);
        return;
    }
    char path[kPathBufferSize] = {};
    int32_t slot = 0;
    for (; slot < kMaxNotes; ++slot) {
        NoteFileName(path, slot);
        if (SlotIsFree(path)) break;
    }
    if (slot == kMaxNotes) {
        ShowMessage(g_app.noteWindow, "ERROR: No free slots. Free some slots and try again.");
        return;
    }
    char message[kPathBufferSize + 128];
    UniqueHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        std::snprintf(message, sizeof(message), "ERROR: Could not open '%s' [write].", path);
        ShowMessage(g_app.noteWindow, message);
        return;
    }
    std::string stored = utf8 ? kUtf8Mark : "";
    stored += EncodeTextMode(text, length);
    bool written = WriteAll(file.get(), stored);
    bool closed = file.reset();
    if (!written || !closed) {
        // A half-written file must not pass for a saved note.
        DeleteFileA(path);
        std::snprintf(message, sizeof(message),
                      "ERROR: Could not write '%s'. The note has not been saved.", path);
        ShowMessage(g_app.noteWindow, message);
        return;
    }
    LoadNotes();
}

void SaveClipboardText(const ClipboardContent &text) {
    if (text.ansi) {
        // Only the text is a note: the terminator and whatever the block
        // holds after it are not written.
        SaveNewNote(text.ansi, text.ansiLength(), false);
        return;
    }
    // Text the ANSI code page would spoil is kept as UTF-8. The mark, the
    // text and a terminator must fit a note's buffer, so that it loads whole.
    static char utf8[kNoteTextSize];
    size_t length = Utf16ToUtf8(text.wide, text.wideLength, utf8, sizeof(utf8));
    if (kUtf8MarkSize + length + 1 > kNoteTextSize) {
        ShowMessage(g_app.noteWindow, kClipboardTooBigMessage);
        return;
    }
    SaveNewNote(utf8, length, true);
}

} // namespace

void NoteFileName(char (&name)[kPathBufferSize], int32_t slot) {
    std::snprintf(name, sizeof(name), "%sQuilletSlot%ld.txt", g_app.programFolder,
                  static_cast<long>(slot));
}

void LoadNotes() {
    NoteTable &table = g_app.notes;
    std::memset(&table, 0, sizeof(table));
    int next = 0;
    char path[kPathBufferSize];
    for (int32_t slot = 0; slot < kMaxNotes; ++slot) {
        NoteFileName(path, slot);
        NoteRecord &record = table.records[next];
        if (!ReadNoteFile(path, record.text)) continue;
        record.utf8 = TakeUtf8Mark(record.text);
        record.slot = slot;
        ++next;
    }
}

void PasteNewNote() {
    auto save = [](const ClipboardContent &text) { SaveClipboardText(text); };
    ReadClipboardText(save);
}

void NoteTextAsUnicode(const NoteRecord &note, char16_t (&text)[kNoteTextSize]) {
    Utf8ToUtf16(note.text, std::strlen(note.text), text, kNoteTextSize);
}

void NoteTextAsAnsi(const NoteRecord &note, char *out, size_t outSize) {
    if (!note.utf8) {
        std::snprintf(out, outSize, "%s", note.text);
        return;
    }
    static char16_t wide[kNoteTextSize];
    NoteTextAsUnicode(note, wide);
    ToAnsiForDisplay(wide, out, outSize);
}
