// Small owners for the Win32 resources the program takes, so that every path
// gives back what it took.
#pragma once
#include <windows.h>
#include <objbase.h>

class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle &) = delete;
    UniqueHandle &operator=(const UniqueHandle &) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    // Closes now and reports whether the close succeeded.
    bool reset() {
        BOOL ok = TRUE;
        if (valid()) ok = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

  private:
    HANDLE handle_;
};

// Writes all `size` bytes, however many calls it takes; false on any failure.
inline bool WriteAllBytes(HANDLE file, const void *bytes, size_t size) {
    const char *next = static_cast<const char *>(bytes);
    while (size > 0) {
        DWORD wrote = 0;
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        if (!WriteFile(file, next, chunk, &wrote, nullptr) || wrote == 0) return false;
        next += wrote;
        size -= wrote;
    }
    return true;
}

class RegistryKey {
  public:
    RegistryKey(HKEY root, const char *subKey) {
        if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;
    bool open() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// The clipboard, opened without an owner window for the lifetime of the
// object. A busy clipboard is tried again until `deadline` (a GetTickCount
// value) before the open counts as failed.
class OpenClipboardSession {
  public:
    explicit OpenClipboardSession(DWORD deadline) {
        for (;;) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (open_ || static_cast<LONG>(GetTickCount() - deadline) >= 0) break;
            Sleep(10);
        }
    }
    ~OpenClipboardSession() { close(); }
    OpenClipboardSession(const OpenClipboardSession &) = delete;
    OpenClipboardSession &operator=(const OpenClipboardSession &) = delete;
    bool open() const { return open_; }
    void close() {
        if (open_) CloseClipboard();
        open_ = false;
    }

  private:
    bool open_ = false;
};

class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard &) = delete;
    GlobalLockGuard &operator=(const GlobalLockGuard &) = delete;
    void *data() const { return data_; }

  private:
    HGLOBAL block_;
    void *data_;
};

// A movable global block that is freed unless handed over with release().
class GlobalBlock {
  public:
    GlobalBlock() : block_(nullptr) {}
    explicit GlobalBlock(SIZE_T size) : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size)) {}
    ~GlobalBlock() {
        if (block_) GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;
    HGLOBAL get() const { return block_; }
    // Allocates a zero-filled block of `size` bytes in place of any held one.
    bool allocate(SIZE_T size) {
        if (block_) GlobalFree(block_);
        block_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        return block_ != nullptr;
    }
    HGLOBAL release() {
        HGLOBAL block = block_;
        block_ = nullptr;
        return block;
    }

  private:
    HGLOBAL block_;
};

template <class Interface> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    Interface *get() const { return ptr_; }
    Interface *operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void **out() {
        reset();
        return reinterpret_cast<void **>(&ptr_);
    }
    void reset() {
        if (ptr_) ptr_->Release();
        ptr_ = nullptr;
    }

  private:
    Interface *ptr_ = nullptr;
};

// Replaces the cursor while it lives and puts the previous one back.
class CursorSwap {
  public:
    explicit CursorSwap(HCURSOR cursor) : previous_(SetCursor(cursor)) {}
    ~CursorSwap() { SetCursor(previous_); }
    CursorSwap(const CursorSwap &) = delete;
    CursorSwap &operator=(const CursorSwap &) = delete;

  private:
    HCURSOR previous_;
};

// One handle given back with `Free` when the owner goes, unless released.
// Movable, so that a function can hand its handle on.
template <class Handle, class Free> class Owned {
  public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;
    Owned(Owned &&other) noexcept : handle_(other.release()) {}
    Owned &operator=(Owned &&other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.release();
        }
        return *this;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset() {
        if (handle_) Free()(handle_);
        handle_ = nullptr;
    }

  private:
    Handle handle_;
};

struct DestroyIconFree {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DeleteObjectFree {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyMenuFree {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

struct FindCloseFree {
    void operator()(HANDLE search) const { FindClose(search); }
};

using IconHandle = Owned<HICON, DestroyIconFree>;
using BrushHandle = Owned<HBRUSH, DeleteObjectFree>;
using BitmapHandle = Owned<HBITMAP, DeleteObjectFree>;
using MenuHandle = Owned<HMENU, DestroyMenuFree>; // submenus go with their menu
// A FindFirstFileW search; give it null, not INVALID_HANDLE_VALUE, for none.
using FindHandle = Owned<HANDLE, FindCloseFree>;

// COM on this thread for the owner's lifetime (single-threaded apartment).
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

  private:
    bool initialised_;
};
