#include "shortcut.h"
#include "../base/app_state.h"
#include "../base/program_path.h"
#include "../base/win_handles.h"
#include "link_rules.h"
#include <shlobj.h>
#include <shlwapi.h>
#include "../base/fixed_text.h"
#include <cwchar>

namespace {

struct LinkObject {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    bool create() {
        return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IShellLinkW, link.out())) &&
               SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out()));
    }
    ~LinkObject() { file.reset(); } // the IPersistFile goes first, then the IShellLinkW
};

struct TaskMemoryFree {
    void operator()(LPITEMIDLIST list) const { CoTaskMemFree(list); }
};
using ItemIdList = Owned<LPITEMIDLIST, TaskMemoryFree>;

bool IsDirectory(const wchar_t *path) {
    return PathIsDirectoryW(path) != FALSE;
}

// Folder exists, file exists and can be opened exclusively, and the link loads.
bool OpenLink(const wchar_t *linkPath, LinkObject &object) {
    wchar_t folder[kLinkTargetSize];
    WideText(folder, kLinkTargetSize).add(linkPath);
    PathRemoveFileSpecW(folder);
    if (!IsDirectory(folder)) return false;
    UniqueHandle probe(CreateFileW(linkPath, 0, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe.valid()) return false;
    probe.reset();
    return object.create() && SUCCEEDED(object.file->Load(linkPath, STGM_READ));
}

bool WriteLink(const wchar_t *linkPath, const wchar_t *exe, const wchar_t *workingFolder) {
    LinkObject object;
    return object.create() && SUCCEEDED(object.link->SetPath(exe)) &&
           SUCCEEDED(object.link->SetWorkingDirectory(workingFolder)) &&
           SUCCEEDED(object.link->SetIconLocation(exe, 0)) &&
           SUCCEEDED(object.link->SetDescription(kWideVersionString)) &&
           SUCCEEDED(object.file->Save(linkPath, TRUE));
}

} // namespace

bool LinkLoads(const wchar_t *linkPath) {
    LinkObject object;
    return OpenLink(linkPath, object);
}

// The target as the link's item list names it, which keeps every character;
// the plain path only when the link has no list (some shells store the path
// in the ANSI code page alone).
bool ReadLinkTarget(const wchar_t *linkPath, wchar_t (&target)[kLinkTargetSize]) {
    LinkObject object;
    if (!OpenLink(linkPath, object)) return false;
    LPITEMIDLIST list = nullptr;
    ItemIdList owned(SUCCEEDED(object.link->GetIDList(&list)) ? list : nullptr);
    static_assert(kLinkTargetSize >= MAX_PATH, "SHGetPathFromIDListW fills MAX_PATH characters");
    if (owned && SHGetPathFromIDListW(owned.get(), target)) return true;
    return SUCCEEDED(object.link->GetPath(target, kLinkTargetSize, nullptr, 0));
}

// A link's item list names its target as the disk does, so the program's own
// path is compared in that spelling: it may have been started by another.
bool LinkPointsToProgram(const wchar_t *linkPath) {
    wchar_t target[kLinkTargetSize] = {};
    wchar_t exe[kLinkTargetSize];
    CanonicalExecutablePath(exe);
    return ReadLinkTarget(linkPath, target) && std::wcscmp(target, exe) == 0;
}

BOOL DeleteProgramLink(HWND, const wchar_t *location) {
    if (location[0] == L'\0' || !IsDirectory(location)) return FALSE;
    wchar_t linkPath[kLinkPathSize];
    LinkPathIn(location, kDeleteLinkCut, linkPath, kLinkPathSize);
    return DeleteFileW(linkPath);
}

bool WriteProgramLink(const wchar_t *linkPath) {
    wchar_t exe[kLinkTargetSize];
    CanonicalExecutablePath(exe);
    wchar_t workingFolder[kLinkTargetSize];
    WorkingFolderOf(exe, workingFolder, kLinkTargetSize);
    return WriteLink(linkPath, exe, workingFolder);
}
