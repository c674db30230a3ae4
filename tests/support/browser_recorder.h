// Makes the test prefix open web pages and addresses with our recorder
// instead of a browser, and reads back what it was asked to open.
#pragma once
#include <string>
#include <vector>

// Registers quillet_url_recorder.exe (beside the calling test) for .htm, .html,
// .txt, http and https, and points its log at a fresh file. Returns the log path.
std::string UseBrowserRecorder(const char *logName);

// Whether note files (.txt) have a program to open them: the recorder, or none.
void SetTextFileHandler(bool recorder);

// The command lines recorded so far, waiting up to `timeoutMs` for `count` of them.
std::vector<std::string> RecordedOpenings(const std::string &log, size_t count,
                                          int timeoutMs = 5000);
