#include "message_drain.h"
#include "app_state.h"

bool DrainMessages() {
    MSG msg = {};
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        GetMessageA(&msg, nullptr, 0, 0);
        DispatchMessageA(&msg);
        if (msg.message == WM_QUIT) quit = true;
    }
    if (quit) g_app.quitTakenByDrain = true;
    return !quit;
}
