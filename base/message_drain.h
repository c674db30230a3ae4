// The one message pump: the main loop and the slide's pauses both use it.
#pragma once

// Dispatches whatever is queued, without waiting and without keyboard
// translation. Returns false when a WM_QUIT was among it, and records that in
// the program state so that the main loop ends after the current batch.
bool DrainMessages();
