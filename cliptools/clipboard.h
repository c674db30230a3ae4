// The program's only ways to the clipboard: CF_TEXT in, CF_TEXT out.
#pragma once
#include <cstddef>

constexpr size_t kClipboardTextLimit = 4096;

using ClipboardTextAction = void (*)(const char *bytes, size_t blockSize, void *context);

// Opens the clipboard, takes its text block (at most kClipboardTextLimit bytes
// including the terminator), runs `action` on the locked bytes while the
// clipboard is still open, then lets go. Reports its own failures; returns
// whether the action ran.
bool ReadClipboardText(ClipboardTextAction action, void *context);

template <class Action> bool ReadClipboardText(Action &action) {
    return ReadClipboardText([](const char *bytes, size_t size,
                                void *context) { (*static_cast<Action *>(context))(bytes, size); },
                             &action);
}

// Replaces the whole clipboard with `text` as CF_TEXT; reports failures.
void PutClipboardText(const char *text);

enum class CaseConversion { Lower, Upper, Invert };

// Rewrites the clipboard text with one of the case conversions.
void ConvertClipboardText(CaseConversion conversion);
