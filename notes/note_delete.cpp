#include "note_delete.h"
#include "../base/app_state.h"
#include "backup_name.h"
#include "note_store.h"
#include <ctime>

bool BackupFileName(std::string &name, int32_t slot) {
    const NoteRecord *note = FindNoteBySlot(g_app.notes, slot);
    name = ComposeBackupName(g_app.programFolder, static_cast<int64_t>(std::time(nullptr)),
                             note ? note->text : "");
    if (name.size() <= kMaxBackupNameLength) return true;
    name.clear();
    return false;
}

bool BackUpNoteFile(int32_t slot, const char *backup) {
    char noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return CopyFileA(noteFile, backup, TRUE) != FALSE;
}

bool DeleteNoteFile(int32_t slot) {
    char noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return DeleteFileA(noteFile) != FALSE;
}
