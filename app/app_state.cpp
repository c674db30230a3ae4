#include "app_state.h"
#include <cstring>

AppState g_app;

void ResetAppState() {
    std::memset(&g_app, 0, sizeof(g_app));
}

int ShowMessage(HWND owner, const char *text, UINT style) {
    return MessageBoxA(owner, text, kVersionString, style);
}
