#include "clipboard.h"
#include "../base/win_handles.h"
#include "code_page.h"
#include <cstring>

const char kClipboardTooBigMessage[] =
    "ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been pasted/saved.";

const char *ClipboardMessage(ClipboardStatus status) {
    switch (status) {
    case ClipboardStatus::OpenFailed:
        return "ERROR: Could not open the Clipboard.";
    case ClipboardStatus::NoText:
        return "ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably not "
               "formatted as text ].";
    case ClipboardStatus::TooBig:
        return kClipboardTooBigMessage;
    case ClipboardStatus::EmptyFailed:
        return "ERROR: Could not empty the Clipboard.";
    case ClipboardStatus::AllocFailed:
        return "ERROR: Could not allocate memory.";
    case ClipboardStatus::SetFailed:
        return "ERROR: Unable to set Clipboard data.";
    case ClipboardStatus::Done:
    case ClipboardStatus::LockFailed: // ends silently
        break;
    }
    return nullptr;
}

size_t ClipboardContent::ansiLength() const {
    const void *end = std::memchr(ansi, '\0', ansiBlockSize);
    return end ? static_cast<size_t>(static_cast<const char *>(end) - ansi) : ansiBlockSize;
}

namespace {

// Clipboard managers (and Wine's bridge to the X selection) hold the clipboard
// for a moment after every change, so a busy clipboard is tried again; one
// budget covers every open and empty of an operation.
constexpr DWORD kClipboardPatienceMs = 500;

size_t UnitsBeforeTerminator(const char16_t *text, size_t units) {
    size_t length = 0;
    while (length < units && text[length] != u'\0')
        ++length;
    return length;
}

// Runs the action on the Unicode text when the ANSI code page would spoil it.
// False leaves the answer to the CF_TEXT block.
bool ReadUnicodeText(ClipboardTextAction action, void *context, ClipboardStatus &status) {
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return false;
    SIZE_T size = GlobalSize(block);
    GlobalLockGuard lock(block);
    if (!lock.data()) return false;
    const char16_t *wide = static_cast<const char16_t *>(lock.data());
    size_t length = UnitsBeforeTerminator(wide, size / sizeof(char16_t));
    if (length + 1 > kClipboardTextLimit) {
        // Its ANSI form would not fit either: the same refusal as ever.
        status = ClipboardStatus::TooBig;
        return true;
    }
    if (AnsiHoldsExactly(wide, length)) return false;
    ClipboardContent text;
    text.wide = wide;
    text.wideLength = length;
    action(text, context);
    status = ClipboardStatus::Done;
    return true;
}

} // namespace

// Fills a new block first, so that a failure leaves the clipboard as it was,
// then opens, empties and sets within one time budget.
ClipboardStatus PutClipboardData(unsigned format, const void *bytes, size_t size) {
    GlobalBlock block(size);
    if (!block.get()) return ClipboardStatus::AllocFailed;
    {
        GlobalLockGuard lock(block.get());
        if (!lock.data()) return ClipboardStatus::AllocFailed;
        std::memcpy(lock.data(), bytes, size);
    }
    DWORD deadline = GetTickCount() + kClipboardPatienceMs;
    for (;;) {
        OpenClipboardSession clipboard(deadline);
        if (!clipboard.open()) return ClipboardStatus::OpenFailed;
        if (EmptyClipboard()) {
            // On failure the block is freed with its owner, after the close.
            if (!SetClipboardData(format, block.get())) return ClipboardStatus::SetFailed;
            block.release(); // the clipboard owns the block now
            return ClipboardStatus::Done;
        }
        clipboard.close();
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return ClipboardStatus::EmptyFailed;
        Sleep(10);
    }
}

ClipboardStatus ReadClipboardText(ClipboardTextAction action, void *context) {
    OpenClipboardSession clipboard(GetTickCount() + kClipboardPatienceMs);
    if (!clipboard.open()) return ClipboardStatus::OpenFailed;
    ClipboardStatus status = ClipboardStatus::Done;
    if (ReadUnicodeText(action, context, status)) return status;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) return ClipboardStatus::NoText;
    SIZE_T size = GlobalSize(block);
    if (size > kClipboardTextLimit) return ClipboardStatus::TooBig;
    GlobalLockGuard lock(block);
    if (!lock.data()) return ClipboardStatus::LockFailed;
    ClipboardContent text;
    text.ansi = static_cast<const char *>(lock.data());
    text.ansiBlockSize = size;
    action(text, context);
    return ClipboardStatus::Done;
}

ClipboardStatus PutClipboardText(const char *text) {
    return PutClipboardData(CF_TEXT, text, std::strlen(text) + 1);
}

ClipboardStatus PutClipboardUnicodeText(const char16_t *text) {
    size_t length = 0;
    while (text[length] != u'\0')
        ++length;
    return PutClipboardData(CF_UNICODETEXT, text, (length + 1) * sizeof(char16_t));
}

ClipboardStatus ConvertClipboardText(CaseConversion conversion) {
    static char copy[kClipboardTextLimit + 1];
    static char16_t wideCopy[kClipboardTextLimit];
    bool wide = false;
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
    };
    ClipboardStatus read = ReadClipboardText(takeCopy);
    if (read != ClipboardStatus::Done) return read;
    if (wide) {
        ConvertCase(wideCopy, conversion);
        return PutClipboardUnicodeText(wideCopy);
    }
    ConvertCase(copy, conversion, IsAnsiLeadByte);
    return PutClipboardText(copy);
}
