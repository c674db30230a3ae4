#include "note_delete.h"
#include "../app/app_state.h"
#include "../res/resource.h"
#include "../ui/note_window.h"
#include "backup_name.h"
#include "note_store.h"
#include <cstdio>
#include <ctime>

namespace {

// A note whose file stays (read-only, or held open by another program) must
// not pass for deleted.
void DeleteNoteFile(HWND window, const char *noteFile) {
    if (DeleteFileA(noteFile)) return;
    char message[kPathBufferSize + 96];
    std::snprintf(message, sizeof(message),
                  "ERROR: Could not delete '%s'. The note has not been deleted.", noteFile);
    ShowMessage(window, message);
}

bool AskYes(HWND window, const char *question) {
    return ShowMessage(window, question, MB_ICONWARNING | MB_YESNO) == IDYES;
}

// Copies the note to its backup and deletes it only once the copy is safe.
// An existing file of the backup's name is never replaced.
void BackUpAndDelete(HWND window, const char *noteFile, int32_t slot) {
    std::string backup;
    if (!BackupFileName(backup, slot)) return;
    ShowMessage(window, backup.c_str());
    if (CopyFileA(noteFile, backup.c_str(), TRUE)) {
        DeleteNoteFile(window, noteFile); // the backup stays either way: it is a copy
        return;
    }
    ShowMessage(window, "ERROR: The Backup operation failed.\n\nREASON: The file or folder may be "
                        "locked by another process or you may not have sufficient privileges. Try "
                        "closing some applications and trying again or contact your system "
                        "administrator.");
}

} // namespace

bool BackupFileName(std::string &name, int32_t slot) {
    const NoteRecord *note = FindNoteBySlot(g_app.notes, slot);
    name = ComposeBackupName(g_app.programFolder, static_cast<int64_t>(std::time(nullptr)),
                             note ? note->text : "");
    if (name.size() <= kMaxBackupNameLength) return true;
    name.clear();
    ShowMessage(nullptr,
                "ERROR: PathFileName is too long. The application will exit (data will not be "
                "saved or deleted).\n\nREASON: PathFileNames are limited to 256 characters. Move "
                "the application and datafiles to a higher level and try again.");
    PostQuitMessage(0);
    return false;
}

void DeleteNote(HWND window) {
    int row = static_cast<int>(SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_GETCURSEL, 0, 0));
    if (row == LB_ERR) {
        ShowMessage(window, "Nothing selected.");
        return;
    }
    // Taken now, so the questions act on the note that was selected even if
    // the lists are refilled while they are open.
    int32_t slot = SlotOfNoteRow(window, row);
    if (!AskYes(window, "Delete selected note?\n\nContinue?")) return;
    Sleep(100);
    if (AskYes(window, "Delete selected note?\n\nAre you sure?\n\nContinue?")) {
        char noteFile[kPathBufferSize];
        NoteFileName(noteFile, slot);
        if (AskYes(window, "Make a backup of the Quillsheet?\n\nContinue?"))
            BackUpAndDelete(window, noteFile, slot);
        else
            DeleteNoteFile(window, noteFile);
    }
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
}
