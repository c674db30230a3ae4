#include "clipboard.h"
#include "../app/app_state.h"
#include "../app/win_handles.h"
#include "text_rules.h"
#include <cstring>

namespace {
void Report(const char *text) {
    ShowMessage(g_app.noteWindow, text);
}
} // namespace

bool ReadClipboardText(ClipboardTextAction action, void *context) {
    OpenClipboardSession clipboard;
    if (!clipboard.open()) {
        Report("ERROR: Could not open the Clipboard.");
        return false;
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) {
        Report("ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably not "
               "formatted as text ].");
        return false;
    }
    SIZE_T size = GlobalSize(block);
    if (size > kClipboardTextLimit) {
        Report("ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been "
               "pasted/saved.");
        return false;
    }
    GlobalLockGuard lock(block);
    if (!lock.data()) return false;
    action(static_cast<const char *>(lock.data()), size, context);
    return true;
}

void PutClipboardText(const char *text) {
    size_t length = std::strlen(text);
    // Wine's bridge to the X selection may still be busy with the previous
    // contents for a moment; a refused empty is tried again before it counts.
    for (int attempt = 0;; ++attempt) {
        OpenClipboardSession clipboard;
        if (!clipboard.open()) {
            Report("ERROR: Could not open the Clipboard.");
            return;
        }
        if (!EmptyClipboard()) {
            clipboard.close();
            if (attempt < 49) {
                Sleep(10);
                continue;
            }
            Report("ERROR: Could not empty the Clipboard.");
            return;
        }
        GlobalBlock block(length + 1);
        if (!block.get()) {
            clipboard.close();
            Report("ERROR: Could not allocate memory.");
            return;
        }
        {
            GlobalLockGuard lock(block.get());
            if (lock.data()) std::memcpy(lock.data(), text, length);
        }
        if (!SetClipboardData(CF_TEXT, block.get())) {
            clipboard.close();
            GlobalFree(block.release());
            Report("ERROR: Unable to set Clipboard data.");
            return;
        }
        block.release(); // the clipboard owns the block now
        return;
    }
}

void ConvertClipboardText(CaseConversion conversion) {
    static char copy[kClipboardTextLimit + 1];
    bool read = false;
    auto takeCopy = [&](const char *bytes, size_t size) {
        const void *end = std::memchr(bytes, '\0', size);
        size_t length = end ? static_cast<const char *>(end) - bytes : size;
        std::memcpy(copy, bytes, length);
        copy[length] = '\0';
        read = true;
    };
    if (!ReadClipboardText(takeCopy) || !read) return;
    switch (conversion) {
    case CaseConversion::Lower:
        ToLowerText(copy);
        break;
    case CaseConversion::Upper:
        ToUpperText(copy);
        break;
    case CaseConversion::Invert:
        InvertCaseText(copy);
        break;
    }
    PutClipboardText(copy);
}
