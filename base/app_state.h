// Process-wide state of the running program.
#pragma once
#include <windows.h>
#include <cstdint>
#include "note_table.h"
#include "product.h"

constexpr char kVersionString[] = QUILLET_VERSION_STRING;
constexpr wchar_t kWideVersionString[] = L"" QUILLET_VERSION_STRING;
constexpr int kPathBufferSize = 260;
constexpr size_t kMaxProgramFolderLength = 241;
constexpr COLORREF kBackgroundColour = RGB(220, 230, 255);

// Private messages of the program's windows, all sent with wParam and lParam 0.
constexpr UINT WM_TRAYNOTIFY = WM_APP + 1;
constexpr UINT WM_LINKS_REFRESH = WM_APP + 2;
constexpr UINT WM_SHOW_COPY_LIST = WM_APP + 3;
constexpr UINT WM_SHOW_MANAGE = WM_APP + 4;
constexpr UINT WM_RELOAD_NOTES = WM_APP + 5;

enum class NoteWindowMode : uint8_t { CopyList, Manage };

struct AppState {
    HINSTANCE instance;
    HWND noteWindow;
    HICON icon;
    HBRUSH backgroundBrush;
    wchar_t programFolder[kPathBufferSize];
    NoteTable notes;
    NoteWindowMode noteWindowMode;
    uint32_t menuShowDelay;
    // Set when a message drain outside the main loop took a WM_QUIT, so that
    // the main loop ends after the dispatch that ran the drain.
    bool quitTakenByDrain;
};

extern AppState g_app;

// Clears the whole state; the run starts from zero.
void ResetAppState();

// Modal warning box owned by `owner` with the version string as caption. A
// message that names a path is wide text, so that it shows the path as it is.
int ShowMessage(HWND owner, const char *text, UINT style = MB_ICONWARNING);
int ShowMessage(HWND owner, const wchar_t *text, UINT style = MB_ICONWARNING);

// Hands `file` to the shell to open. When nothing could open it (no program
// for its type, a missing target), says so, naming `what` (the file itself
// when null), and returns false.
bool OpenWithShell(HWND owner, const wchar_t *file, const wchar_t *parameters = nullptr,
                   const wchar_t *what = nullptr);
// The same for an address or another ASCII text.
bool OpenWithShell(HWND owner, const char *address);
