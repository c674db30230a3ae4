// The floor for the start-up and memory figures: a program that only adds a
// notification-area icon for a hidden window and waits for messages.
#include <windows.h>
#include <shellapi.h>

namespace {
LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "QuilletTrayFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("QuilletTrayFloor", "Quillet tray floor", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, instance, nullptr);
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "floor", 64);
    Shell_NotifyIconA(NIM_ADD, &icon);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    Shell_NotifyIconA(NIM_DELETE, &icon);
    return 0;
}
