// Texts of the first-run acceptance, free of any system call.
#pragma once
#include <string>

constexpr char kAcceptanceFileName[] = "TermsAccepted.txt";

std::string AcceptanceText();
std::string DisclaimerText();
std::string LinksQuestionText();
std::string SharedLocationNoteText(const char *programFolder);
std::string AcceptanceCreationErrorText();

// True when the trimmed first line starts with the acceptance text less its
// final full stop. `firstLine` is trimmed in place.
bool AcceptanceLineMatches(char *firstLine, const std::string &acceptance);
