// Text rules that need no system: trimming and the ASCII-only case changes.
#pragma once

// Removes spaces, line feeds and tabs (never carriage returns) from both ends,
// in place; the text keeps its address.
void TrimText(char *text);

// Change the 26 ASCII letters only; every other byte, 0x80..0xFF included,
// stays as it is whatever the user's locale.
void ToUpperText(char *text);
void ToLowerText(char *text);
void InvertCaseText(char *text);
