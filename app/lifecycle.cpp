#include "lifecycle.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "../ui/note_window.h"
#include "../ui/slide.h"
#include "app_state.h"
#include "terms.h"
#include "tray.h"
#include <objbase.h>
#include <shlwapi.h>
#include <cstring>

namespace {

void ReleaseFrameResources() {
    if (g_app.icon) DestroyIcon(g_app.icon);
    if (g_app.backgroundBrush) DeleteObject(g_app.backgroundBrush);
    CoUninitialize();
}

} // namespace

bool CheckSingleInstance() {
    // Held for the life of the process and never closed.
    CreateMutexA(nullptr, TRUE, "GlobalMutexVantlerQuillet");
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

void GetProgramFolder(char (&folder)[260]) {
    char path[260] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    for (size_t i = std::strlen(path); i > 0 && path[i] != '\\'; --i)
        path[i] = '\0';
    PathAddBackslashA(path);
    std::memset(folder, 0, sizeof(folder));
    std::strncpy(folder, path, sizeof(folder) - 1);
}

void RunMessageLoop() {
    for (;;) {
        WaitMessage();
        bool quit = false;
        MSG msg = {};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            GetMessageA(&msg, nullptr, 0, 0);
            DispatchMessageA(&msg);
            if (msg.message == WM_QUIT) quit = true;
        }
        if (quit || g_app.quitTakenByDrain) return;
    }
}

int RunQuillet(HINSTANCE instance) {
    if (!CheckSingleInstance()) return kExitEarly;
    CoInitialize(nullptr);
    ResetAppState();
    g_app.instance = instance;
    GetProgramFolder(g_app.programFolder);
    if (std::strlen(g_app.programFolder) > kMaxProgramFolderLength) {
        CoUninitialize();
        return kExitEarly;
    }
    g_app.icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUILLET), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    g_app.backgroundBrush = CreateSolidBrush(kBackgroundColour);
    if (!CheckTermsAccepted()) {
        ReleaseFrameResources();
        return kExitEarly;
    }
    ReadMenuShowDelay();
    LoadNotes();
    HWND noteWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_NOTE_WINDOW), nullptr, NoteWindowProc, 0);
    if (!noteWindow) {
        ShowMessage(nullptr, "ERROR: could not create dialog.");
        ReleaseFrameResources();
        return kExitEarly;
    }
    AddTrayIcon(noteWindow); // g_app.noteWindow was set by the window's own initialisation
    RunMessageLoop();
    DestroyWindow(noteWindow);
    RemoveTrayIcon();
    ReleaseFrameResources();
    return kExitNormal;
}
