#include "note_store.h"
#include "../app/win_handles.h"
#include "../cliptools/clipboard.h"
#include "text_mode.h"
#include <cstdio>
#include <cstring>

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

void SaveNoteFromClipboard(const char *bytes, size_t blockSize) {
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
    // Only the text is a note: the terminator and whatever the block holds
    // after it are not written.
    const void *end = std::memchr(bytes, '\0', blockSize);
    size_t length = end ? static_cast<const char *>(end) - bytes : blockSize;
    bool written = WriteAll(file.get(), EncodeTextMode(bytes, length));
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
        if (!ReadNoteFile(path, table.records[next].text)) continue;
        table.records[next].slot = slot;
        ++next;
    }
}

void PasteNewNote() {
    auto save = [](const char *bytes, size_t size) { SaveNoteFromClipboard(bytes, size); };
    ReadClipboardText(save);
}
