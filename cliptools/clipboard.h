// The program's only ways to the clipboard. Text that the ANSI code page holds
// travels as CF_TEXT, as it always has, with its Unicode form beside it; other
// text as Unicode, so that no character ever turns into '?'.
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

// The clipboard's text, as a reader is given it, taken from the format its
// owner placed: never from a form the system made, which follows the keyboard
// layout of the moment of copying rather than the ANSI code page.
struct ClipboardContent {
    // The owner's Unicode text, fewer than kClipboardTextLimit units; null
    // when the owner placed ANSI text.
    const char16_t *wide = nullptr;
    size_t wideLength = 0;
    // ANSI bytes (terminator and any slack included): the owner's CF_TEXT
    // block, or its Unicode text when the ANSI code page holds it exactly.
    // Null when it does not.
    const char *ansi = nullptr;
    size_t ansiBlockSize = 0;

    // Bytes of the ANSI text before its terminator (never past the block).
    size_t ansiLength() const;
};

using ClipboardTextAction = void (*)(const ClipboardContent &text, void *context);

// Opens the clipboard, takes its text (a CF_TEXT block of at most
// kClipboardTextLimit bytes including the terminator, or a Unicode text of
// fewer units whose ANSI form, if exact, keeps that limit too), runs `action`
// while the clipboard is still open, then lets go. The action ran exactly when
// the result is Done.
ClipboardStatus ReadClipboardText(ClipboardTextAction action, void *context);

template <class Action> ClipboardStatus ReadClipboardText(Action &action) {
    return ReadClipboardText([](const ClipboardContent &text,
                                void *context) { (*static_cast<Action *>(context))(text); },
                             &action);
}

// Replace the whole clipboard with `text`. ANSI text goes as its CF_TEXT bytes
// with their Unicode form beside them, so that Unicode readers never see the
// bytes through another keyboard layout's code page. Every text is tagged
// with the system's locale (CF_LOCALE, after the text). A block that cannot be
// made leaves the clipboard as it was.
ClipboardStatus PutClipboardText(const char *text);
ClipboardStatus PutClipboardUnicodeText(const char16_t *text);
// Unicode text that may hold names in any language: as PutClipboardText puts
// it when the ANSI code page holds it exactly; otherwise the Unicode text
// first, with CF_TEXT beside it as well as the code page can spell it.
ClipboardStatus PutClipboardNamedText(const char16_t *text);

// One format's data for PutClipboardData.
struct ClipboardBlock {
    unsigned format;
    const void *bytes;
    size_t size;
};

// Replaces the whole clipboard with the blocks, placed in their order. The
// blocks are filled before the clipboard is opened, and one time budget
// covers a busy clipboard's open and empty.
ClipboardStatus PutClipboardData(const ClipboardBlock *blocks, size_t count);
ClipboardStatus PutClipboardData(unsigned format, const void *bytes, size_t size);

// Rewrites the clipboard text with one of the case conversions.
ClipboardStatus ConvertClipboardText(CaseConversion conversion);
