#include "app_state.h"
#include <shellapi.h>
#include "fixed_text.h"
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
    TextBuffer<3 * kPathBufferSize> message;
    message.build.add("ERROR: Could not open '").add(what ? what : file).add("'.");
    ShowMessage(owner, message.chars);
    return false;
}
