// The program's only ways to the clipboard. Text that the ANSI code page holds
// travels as CF_TEXT, as it always has; other text as Unicode, so that no
// character ever turns into '?'.
#pragma once
#include <cstddef>
#include "text_rules.h"

constexpr size_t kClipboardTextLimit = 4096;

// What became of a clipboard operation. The operations say nothing to the
// user: the code acting for the user shows ClipboardMessage's text.
enum class ClipboardStatus {
    Done,
    OpenFailed,
    NoText,
    TooBig,
    LockFailed, // ends silently
    EmptyFailed,
    AllocFailed,
    SetFailed,
};

// The message for a status, or null when there is nothing to say.
const char *ClipboardMessage(ClipboardStatus status);
extern const char kClipboardTooBigMessage[];

// The clipboard's text, as a reader is given it: exactly one of the two is set.
struct ClipboardContent {
    // The CF_TEXT block (ANSI bytes, terminator and any slack included) when
    // the ANSI code page holds the text exactly, or when there is no Unicode text.
    const char *ansi = nullptr;
    size_t ansiBlockSize = 0;
    // Otherwise the Unicode text, fewer than kClipboardTextLimit units.
    const char16_t *wide = nullptr;
    size_t wideLength = 0;

    // Bytes of the ANSI text before its terminator (never past the block).
    size_t ansiLength() const;
};

using ClipboardTextAction = void (*)(const ClipboardContent &text, void *context);

// Opens the clipboard, takes its text (a CF_TEXT block of at most
// kClipboardTextLimit bytes including the terminator, or a Unicode text of
// fewer units), runs `action` while the clipboard is still open, then lets go.
// The action ran exactly when the result is Done.
ClipboardStatus ReadClipboardText(ClipboardTextAction action, void *context);

template <class Action> ClipboardStatus ReadClipboardText(Action &action) {
    return ReadClipboardText([](const ClipboardContent &text,
                                void *context) { (*static_cast<Action *>(context))(text); },
                             &action);
}

// Replace the whole clipboard with `text`, as CF_TEXT or as Unicode text.
// A block that cannot be made leaves the clipboard as it was.
ClipboardStatus PutClipboardText(const char *text);
ClipboardStatus PutClipboardUnicodeText(const char16_t *text);

// Replaces the whole clipboard with one block of `size` bytes in `format`.
// The block is filled before the clipboard is opened, and one time budget
// covers a busy clipboard's open and empty.
ClipboardStatus PutClipboardData(unsigned format, const void *bytes, size_t size);

// Rewrites the clipboard text with one of the case conversions.
ClipboardStatus ConvertClipboardText(CaseConversion conversion);
