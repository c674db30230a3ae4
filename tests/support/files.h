// Files and folders as the tests make and read them.
#pragma once
#include <string>

std::string ReadFileBytes(const std::string &path);
// Replaces the file's bytes (a read-only file too).
void WriteFileBytes(const std::string &path, const std::string &bytes);
bool Exists(const std::string &path);
// The same for paths in any language.
void WriteFileBytes(const std::wstring &path, const std::string &bytes);
bool Exists(const std::wstring &path);
// Removes a folder (given with its trailing backslash) and all it holds.
void RemoveTree(const std::string &folder);
