#include "clipboard.h"
#include "../base/fixed_text.h"
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

// The formats come in the order their owner placed them, each followed by the
// forms the system makes from it, so the first text format is the owner's.
UINT OwnersTextFormat() {
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        if (format == CF_UNICODETEXT || format == CF_TEXT || format == CF_OEMTEXT) return format;
    return 0;
}

ClipboardStatus ReadAnsiText(ClipboardTextAction action, void *context) {
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

// Unicode text, placed as such or as OEM text (whose Unicode form the system
// makes exactly): converted to ANSI here, and only where that is exact.
ClipboardStatus ReadUnicodeText(ClipboardTextAction action, void *context) {
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return ClipboardStatus::NoText;
    SIZE_T size = GlobalSize(block);
    GlobalLockGuard lock(block);
    if (!lock.data()) return ClipboardStatus::LockFailed;
    ClipboardContent text;
    text.wide = static_cast<const char16_t *>(lock.data());
    text.wideLength = UnitsBeforeTerminator(text.wide, size / sizeof(char16_t));
    // No form of a note holds more units than this.
    if (text.wideLength + 1 > kClipboardTextLimit) return ClipboardStatus::TooBig;
    // The ANSI form is offered only when it is exact and within the limit;
    // a text whose ANSI form is too long may still fit as Unicode.
    static char ansi[kClipboardTextLimit];
    size_t bytes = 0;
    if (ToAnsiExactly(text.wide, text.wideLength, ansi, sizeof(ansi), bytes)) {
        text.ansi = ansi;
        text.ansiBlockSize = bytes + 1;
    }
    action(text, context);
    return ClipboardStatus::Done;
}

} // namespace

// Fills new blocks first, so that a failure leaves the clipboard as it was,
// then opens, empties and sets within one time budget.
ClipboardStatus PutClipboardData(const ClipboardBlock *blocks, size_t count) {
    constexpr size_t kMaxBlocks = 3;
    if (count > kMaxBlocks) return ClipboardStatus::SetFailed;
    GlobalBlock filled[kMaxBlocks];
    for (size_t i = 0; i < count; ++i) {
        if (!filled[i].allocate(blocks[i].size)) return ClipboardStatus::AllocFailed;
        GlobalLockGuard lock(filled[i].get());
        if (!lock.data()) return ClipboardStatus::AllocFailed;
        std::memcpy(lock.data(), blocks[i].bytes, blocks[i].size);
    }
    DWORD deadline = GetTickCount() + kClipboardPatienceMs;
    for (;;) {
        OpenClipboardSession clipboard(deadline);
        if (!clipboard.open()) return ClipboardStatus::OpenFailed;
        if (EmptyClipboard()) {
            for (size_t i = 0; i < count; ++i) {
                // On failure the block is freed with its owner, after the close.
                if (!SetClipboardData(blocks[i].format, filled[i].get()))
                    return ClipboardStatus::SetFailed;
                filled[i].release(); // the clipboard owns the block now
            }
            return ClipboardStatus::Done;
        }
        clipboard.close();
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return ClipboardStatus::EmptyFailed;
        Sleep(10);
    }
}

ClipboardStatus PutClipboardData(unsigned format, const void *bytes, size_t size) {
    ClipboardBlock block = {format, bytes, size};
    return PutClipboardData(&block, 1);
}

ClipboardStatus ReadClipboardText(ClipboardTextAction action, void *context) {
    OpenClipboardSession clipboard(GetTickCount() + kClipboardPatienceMs);
    if (!clipboard.open()) return ClipboardStatus::OpenFailed;
    switch (OwnersTextFormat()) {
    case CF_TEXT:
        return ReadAnsiText(action, context);
    case CF_UNICODETEXT:
    case CF_OEMTEXT:
        return ReadUnicodeText(action, context);
    default:
        return ClipboardStatus::NoText;
    }
}

namespace {

// The text's formats, then the locale they are in: the system's, whose code
// page the ANSI bytes are in. Without it the system would tag them with the
// keyboard layout of the moment and convert them through its code page.
template <size_t N> ClipboardStatus PutTextBlocks(const ClipboardBlock (&text)[N]) {
    LCID locale = GetSystemDefaultLCID();
    ClipboardBlock blocks[N + 1];
    for (size_t i = 0; i < N; ++i)
        blocks[i] = text[i];
    blocks[N] = {CF_LOCALE, &locale, sizeof(locale)};
    return PutClipboardData(blocks, N + 1);
}

} // namespace

// CF_TEXT first: a reader that goes by the owner's format, as this program
// does, then takes the very bytes.
ClipboardStatus PutClipboardText(const char *text) {
    size_t length = std::strlen(text);
    static char16_t wide[2 * kClipboardTextLimit];
    size_t units = AnsiToUnicode(text, length, wide, sizeof(wide) / sizeof(wide[0]));
    const ClipboardBlock ansi[] = {{CF_TEXT, text, length + 1}};
    if (units == 0 && length > 0) return PutTextBlocks(ansi);
    const ClipboardBlock both[] = {ansi[0], {CF_UNICODETEXT, wide, (units + 1) * sizeof(char16_t)}};
    return PutTextBlocks(both);
}

ClipboardStatus PutClipboardUnicodeText(const char16_t *text) {
    const ClipboardBlock unicode[] = {
        {CF_UNICODETEXT, text, (TextLength(text) + 1) * sizeof(char16_t)}};
    return PutTextBlocks(unicode);
}

ClipboardStatus PutClipboardNamedText(const char16_t *text) {
    size_t length = TextLength(text);
    static char ansi[2 * kClipboardTextLimit];
    size_t bytes = 0;
    if (ToAnsiExactly(text, length, ansi, sizeof(ansi), bytes)) return PutClipboardText(ansi);
    ToAnsiForDisplay(text, ansi, sizeof(ansi));
    const ClipboardBlock both[] = {{CF_UNICODETEXT, text, (length + 1) * sizeof(char16_t)},
                                   {CF_TEXT, ansi, std::strlen(ansi) + 1}};
    return PutTextBlocks(both);
}

ClipboardStatus ConvertClipboardText(CaseConversion conversion) {
    static char copy[kClipboardTextLimit + 1];
    static char16_t wideCopy[kClipboardTextLimit];
    bool wide = false;
    // Unicode text is changed as Unicode and goes back as such.
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
