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

int ShowMessage(HWND owner, const wchar_t *text, UINT style) {
    return MessageBoxW(owner, text, kWideVersionString, style);
}

bool OpenWithShell(HWND owner, const wchar_t *file, const wchar_t *parameters,
                   const wchar_t *what) {
    HINSTANCE result = ShellExecuteW(owner, nullptr, file, parameters, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32) return true;
    TextBuffer<3 * kPathBufferSize, wchar_t> message;
    message.build.addAscii("ERROR: Could not open '").add(what ? what : file).addAscii("'.");
    ShowMessage(owner, message.chars);
    return false;
}

bool OpenWithShell(HWND owner, const char *address) {
    TextBuffer<2 * kPathBufferSize, wchar_t> wide;
    wide.build.addAscii(address);
    return OpenWithShell(owner, wide.chars);
}
