#include "tray.h"
#include "../res/resource.h"
#include "../base/app_state.h"
#include "../base/program_path.h"
#include "../base/system_dlls.h"
#include "../base/win_handles.h"
#include <shellapi.h>
#include "../base/fixed_text.h"

namespace {
// Kept for the whole run: removal at shutdown uses the same record.
NOTIFYICONDATAA g_trayIcon;
// The shell's broadcast when it (re)starts; known once the icon is first added.
UINT g_taskbarCreated;
} // namespace

void AddTrayIcon(HWND owner) {
    g_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    g_trayIcon = NOTIFYICONDATAA{};
    g_trayIcon.cbSize = NOTIFYICONDATAA_V1_SIZE; // the first, smallest layout
    g_trayIcon.hWnd = owner;
    g_trayIcon.uID = kTrayIconId;
    g_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_trayIcon.uCallbackMessage = WM_TRAYNOTIFY;
    g_trayIcon.hIcon = g_app.icon;
    lstrcpynA(g_trayIcon.szTip, kVersionString, 64);
    Shell_NotifyIconA(NIM_ADD, &g_trayIcon);
}

void RemoveTrayIcon() {
    if (g_trayIcon.hWnd) Shell_NotifyIconA(NIM_DELETE, &g_trayIcon);
}

bool IsTaskbarCreatedMessage(UINT message) {
    return g_taskbarCreated != 0 && message == g_taskbarCreated;
}

void HandleTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) return;
    if (mouseMessage == WM_LBUTTONUP)
        SendMessageA(window, WM_SHOW_COPY_LIST, 0, 0);
    else if (mouseMessage == WM_RBUTTONUP)
        ShowTrayMenu(window);
}

void ShowTrayMenu(HWND owner) {
    MenuHandle menu(LoadMenuA(g_app.instance, MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu.get(), 0);
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(owner);
    TrackPopupMenu(popup, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    SetForegroundWindow(owner);
}

void ExploreContainingFolder() {
    wchar_t path[kExecutablePathSize];
    ExecutablePath(path);
    TextBuffer<kExecutablePathSize + 16, wchar_t> parameters;
    parameters.build.addAscii("/select,\"").add(path).add(L'"');
    // By full path: a bare name would be searched for in the program's own
    // folder and the current one first, where a planted Explorer.exe may lie.
    wchar_t explorer[kPathBufferSize];
    WindowsProgramPath(L"explorer.exe", explorer, kPathBufferSize);
    OpenWithShell(g_app.noteWindow, explorer, parameters.chars, g_app.programFolder);
}
