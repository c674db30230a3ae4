#include "clipboard.h"
#include "../app/app_state.h"
#include "../app/win_handles.h"
#include "code_page.h"
#include <cstring>

const char kClipboardTooBigMessage[] =
    "ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been pasted/saved.";

size_t ClipboardContent::ansiLength() const {
    const void *end = std::memchr(ansi, '\0', ansiBlockSize);
    return end ? static_cast<size_t>(static_cast<const char *>(end) - ansi) : ansiBlockSize;
}

namespace {

// Clipboard managers (and Wine's bridge to the X selection) hold the clipboard
// for a moment after every change, so a busy clipboard is tried again; one
// budget covers every open and empty of an operation.
constexpr DWORD kClipboardPatienceMs = 500;

void Report(const char *text) {
    ShowMessage(g_app.noteWindow, text);
}

size_t UnitsBeforeTerminator(const char16_t *text, size_t units) {
    size_t length = 0;
    while (length < units && text[length] != u'\0')
        ++length;
    return length;
}

enum class UnicodeRead { NotUsed, Ran, Refused };

// Runs the action on the Unicode text when the ANSI code page would spoil it;
// NotUsed leaves the answer to the CF_TEXT block.
UnicodeRead ReadUnicodeText(ClipboardTextAction action, void *context) {
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return UnicodeRead::NotUsed;
    SIZE_T size = GlobalSize(block);
    GlobalLockGuard lock(block);
    if (!lock.data()) return UnicodeRead::NotUsed;
    const char16_t *wide = static_cast<const char16_t *>(lock.data());
    size_t length = UnitsBeforeTerminator(wide, size / sizeof(char16_t));
    if (length + 1 > kClipboardTextLimit) {
        // Its ANSI form would not fit either: the same refusal as ever.
        Report(kClipboardTooBigMessage);
        return UnicodeRead::Refused;
    }
    if (AnsiHoldsExactly(wide, length)) return UnicodeRead::NotUsed;
    ClipboardContent text;
    text.wide = wide;
    text.wideLength = length;
    action(text, context);
    return UnicodeRead::Ran;
}

} // namespace

// Fills a new block first, so that a failure leaves the clipboard as it was,
// then opens, empties and sets within one time budget.
void PutClipboardData(unsigned format, const void *bytes, size_t size) {
    GlobalBlock block(size);
    if (!block.get()) {
        Report("ERROR: Could not allocate memory.");
        return;
    }
    {
        GlobalLockGuard lock(block.get());
        if (!lock.data()) {
            Report("ERROR: Could not allocate memory.");
            return;
        }
        std::memcpy(lock.data(), bytes, size);
    }
    DWORD deadline = GetTickCount() + kClipboardPatienceMs;
    for (;;) {
        OpenClipboardSession clipboard(deadline);
        if (!clipboard.open()) {
            Report("ERROR: Could not open the Clipboard.");
            return;
        }
        if (EmptyClipboard()) {
            if (!SetClipboardData(format, block.get())) {
                clipboard.close();
                Report("ERROR: Unable to set Clipboard data.");
                return; // the block is freed with its owner
            }
            block.release(); // the clipboard owns the block now
            return;
        }
        clipboard.close();
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            Report("ERROR: Could not empty the Clipboard.");
            return;
        }
        Sleep(10);
    }
}

bool ReadClipboardText(ClipboardTextAction action, void *context) {
    OpenClipboardSession clipboard(GetTickCount() + kClipboardPatienceMs);
    if (!clipboard.open()) {
        Report("ERROR: Could not open the Clipboard.");
        return false;
    }
    switch (ReadUnicodeText(action, context)) {
    case UnicodeRead::Ran:
        return true;
    case UnicodeRead::Refused:
        return false;
    case UnicodeRead::NotUsed:
        break;
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) {
        Report("ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably not "
               "formatted as text ].");
        return false;
    }
    SIZE_T size = GlobalSize(block);
    if (size > kClipboardTextLimit) {
        Report(kClipboardTooBigMessage);
        return false;
    }
    GlobalLockGuard lock(block);
    if (!lock.data()) return false;
    ClipboardContent text;
    text.ansi = static_cast<const char *>(lock.data());
    text.ansiBlockSize = size;
    action(text, context);
    return true;
}

void PutClipboardText(const char *text) {
    PutClipboardData(CF_TEXT, text, std::strlen(text) + 1);
}

void PutClipboardUnicodeText(const char16_t *text) {
    size_t length = 0;
    while (text[length] != u'\0')
        ++length;
    PutClipboardData(CF_UNICODETEXT, text, (length + 1) * sizeof(char16_t));
}

void ConvertClipboardText(CaseConversion conversion) {
    static char copy[kClipboardTextLimit + 1];
    static char16_t wideCopy[kClipboardTextLimit];
    bool read = false, wide = false;
    auto takeCopy = [&](const ClipboardContent &text) {
        if (text.wide) {
            std::memcpy(wideCopy, text.wide, text.wideLength * sizeof(char16_t));
            wideCopy[text.wideLength] = u'\0';
            wide = true;
        } else {
            size_t length = text.ansiLength();
            std::memcpy(copy, text.ansi, length);
            copy[length] = '\0';
        }
        read = true;
    };
    if (!ReadClipboardText(takeCopy) || !read) return;
    if (wide) {
        ConvertCase(wideCopy, conversion);
        PutClipboardUnicodeText(wideCopy);
    } else {
        ConvertCase(copy, conversion, IsAnsiLeadByte);
        PutClipboardText(copy);
    }
}
