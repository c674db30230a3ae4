#include "lifecycle.h"
#include "../base/app_state.h"
#include "../base/fixed_text.h"
#include "../base/message_drain.h"
#include "../base/program_path.h"
#include "../base/system_dlls.h"
#include "../base/win_handles.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "../ui/slide.h"
#include "main_window.h"
#include "terms.h"
#include "tray.h"
#include <cstring>

bool CheckSingleInstance() {
    // Held for the life of the process and never closed.
    CreateMutexA(nullptr, TRUE, "GlobalMutexVantlerQuillet");
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

void RunMessageLoop() {
    for (;;) {
        WaitMessage();
        if (!DrainMessages() || g_app.quitTakenByDrain) return;
    }
}

int RunQuillet(HINSTANCE instance) {
    RestrictDllSearchToSystem32();
    if (!CheckSingleInstance()) return kExitEarly;
    // Released in the reverse order of their making on every way out: the
    // brush and the icon, then COM.
    ComApartment com;
    ResetAppState();
    g_app.instance = instance;
    wchar_t exe[kExecutablePathSize];
    ExecutablePath(exe);
    ProgramFolderOf(exe, g_app.programFolder, kPathBufferSize);
    if (TextLength(g_app.programFolder) > kMaxProgramFolderLength) return kExitEarly;
    IconHandle icon(static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUILLET), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    BrushHandle brush(CreateSolidBrush(kBackgroundColour));
    g_app.icon = icon.get();
    g_app.backgroundBrush = brush.get();
    if (!CheckTermsAccepted()) return kExitEarly;
    ReadMenuShowDelay();
    LoadNotes();
    HWND noteWindow =
        CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_NOTE_WINDOW), nullptr, MainWindowProc, 0);
    if (!noteWindow) {
        ShowMessage(nullptr, "ERROR: could not create dialog.");
        return kExitEarly;
    }
    AddTrayIcon(noteWindow); // g_app.noteWindow was set by the window's own initialisation
    RunMessageLoop();
    DestroyWindow(noteWindow);
    RemoveTrayIcon();
    return kExitNormal;
}
