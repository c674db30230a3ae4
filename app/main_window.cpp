#include "main_window.h"
#include "../base/app_state.h"
#include "../ui/note_window.h"
#include "commands.h"
#include "tray.h"

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TRAYNOTIFY:
        HandleTrayNotify(window, wParam, lParam);
        return FALSE;
    case WM_COMMAND:
        if (RunTrayCommand(window, LOWORD(wParam))) return FALSE;
        break;
    default:
        if (IsTaskbarCreatedMessage(message)) {
            AddTrayIcon(window);
            return FALSE;
        }
        break;
    }
    return NoteWindowProc(window, message, wParam, lParam);
}
