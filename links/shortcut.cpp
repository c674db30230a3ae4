#include "shortcut.h"
#include "../base/app_state.h"
#include "../base/program_path.h"
#include "../base/win_handles.h"
#include "link_rules.h"
#include <shlobj.h>
#include <shlwapi.h>
#include "../base/fixed_text.h"
#include <cstring>

namespace {

struct LinkObject {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    bool create() {
        return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IShellLinkA, link.out())) &&
               SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out()));
    }
    ~LinkObject() { file.reset(); } // the IPersistFile goes first, then the IShellLinkA
};

bool WidePath(const char *path, wchar_t (&wide)[kLinkTargetSize]) {
    return MultiByteToWideChar(CP_ACP, 0, path, -1, wide, kLinkTargetSize) != 0;
}

bool IsDirectory(const char *path) {
    return PathIsDirectoryA(path) != FALSE;
}

// Folder exists, file exists and can be opened exclusively, and the link loads.
bool OpenLink(const char *linkPath, LinkObject &object) {
    char folder[kLinkTargetSize];
    FixedText(folder, sizeof(folder)).add(linkPath);
    PathRemoveFileSpecA(folder);
    if (!IsDirectory(folder)) return false;
    UniqueHandle probe(CreateFileA(linkPath, 0, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe.valid()) return false;
    probe.reset();
    wchar_t wide[kLinkTargetSize];
    return object.create() && WidePath(linkPath, wide) &&
           SUCCEEDED(object.file->Load(wide, STGM_READ));
}

bool WriteLink(const char *linkPath, const char *exe, const char *workingFolder) {
    LinkObject object;
    wchar_t wide[kLinkTargetSize];
    return object.create() && SUCCEEDED(object.link->SetPath(exe)) &&
           SUCCEEDED(object.link->SetWorkingDirectory(workingFolder)) &&
           SUCCEEDED(object.link->SetIconLocation(exe, 0)) &&
           SUCCEEDED(object.link->SetDescription(kVersionString)) &&
           WidePath(linkPath, wide) && SUCCEEDED(object.file->Save(wide, TRUE));
}

} // namespace

bool LinkLoads(const char *linkPath) {
    LinkObject object;
    return OpenLink(linkPath, object);
}

bool ReadLinkTarget(const char *linkPath, char (&target)[kLinkTargetSize]) {
    LinkObject object;
    return OpenLink(linkPath, object) &&
           SUCCEEDED(object.link->GetPath(target, kLinkTargetSize, nullptr, 0));
}

bool LinkPointsToProgram(const char *linkPath) {
    char target[kLinkTargetSize] = {};
    char exe[kLinkTargetSize];
    ExecutablePath(exe);
    return ReadLinkTarget(linkPath, target) && std::strcmp(target, exe) == 0;
}

BOOL DeleteProgramLink(HWND, const char *location) {
    if (location[0] == '\0' || !IsDirectory(location)) return FALSE;
    char linkPath[kLinkPathSize];
    LinkPathIn(location, kDeleteLinkCut, linkPath, sizeof(linkPath));
    return DeleteFileA(linkPath);
}

bool WriteProgramLink(const char *linkPath) {
    char exe[kLinkTargetSize];
    ExecutablePath(exe);
    char workingFolder[kLinkTargetSize];
    WorkingFolderOf(exe, workingFolder, sizeof(workingFolder));
    return WriteLink(linkPath, exe, workingFolder);
}
