#include "app_state.h"
#include <shellapi.h>
#include <cstdio>
#include <cstring>

AppState g_app;

void ResetAppState() {
    std::memset(&g_app, 0, sizeof(g_app));
}

int ShowMessage(HWND owner, const char *text, UINT style) {
    return MessageBoxA(owner, text, kVersionString, style);
}

bool OpenWithShell(HWND owner, const char *file, const char *parameters, const char *what) {
    HINSTANCE result = ShellExecuteA(owner, nullptr, file, parameters, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32) return true;
    char message[3 * kPathBufferSize];
    std::snprintf(message, sizeof(message), "ERROR: Could not open '%s'.", what ? what : file);
    ShowMessage(owner, message);
    return false;
}
