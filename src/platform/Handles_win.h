#pragma once
// RAII owners for Win32 handles: copy deleted, move allowed, every member set in
// the constructor. Only *_win.cpp files include this header. The owners of GDI
// objects keep os::gdiObjectCount() up to date.
#include "platform/GdiObjects.h"
#include "platform/Win32.h"

#include <imm.h>

#include <utility>

namespace fw {

// Traits of GDI objects say so with `static constexpr bool kGdiObject = true`.
template <typename Traits> constexpr bool isGdiObject() {
    if constexpr (requires { Traits::kGdiObject; }) {
        return Traits::kGdiObject;
    } else {
        return false;
    }
}

// A handle with a close function; `Traits` supplies invalid() and close().
template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;
    UniqueHandle() : handle_(Traits::invalid()) {}
    explicit UniqueHandle(Handle handle) : handle_(handle) { count(+1); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) { count(+1); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    bool valid() const { return handle_ != Traits::invalid(); }
    explicit operator bool() const { return valid(); }
    // The object is no longer this owner's, nor counted.
    Handle release() {
        count(-1);
        Handle handle = handle_;
        handle_ = Traits::invalid();
        return handle;
    }
    void reset(Handle handle = Traits::invalid()) {
        if (valid()) {
            Traits::close(handle_);
            count(-1);
        }
        handle_ = handle;
        count(+1);
    }

private:
    void count(int32_t change) const {
        if constexpr (isGdiObject<Traits>()) {
            if (valid()) {
                os::countGdiObjects(change);
            }
        }
    }

    Handle handle_;
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { ::CloseHandle(h); }
};
struct BitmapTraits {
    static constexpr bool kGdiObject = true;
    using Handle = HBITMAP;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DeleteObject(h); }
};
struct GdiObjectTraits {
    static constexpr bool kGdiObject = true;
    using Handle = HGDIOBJ;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DeleteObject(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DestroyIcon(h); }
};
struct MemoryDcTraits {
    static constexpr bool kGdiObject = true;
    using Handle = HDC;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DeleteDC(h); }
};
struct GlobalTraits {
    using Handle = HGLOBAL;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::GlobalFree(h); }
};
struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::RegCloseKey(h); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { ::FindClose(h); }
};
struct DesktopTraits {
    using Handle = HDESK;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::CloseDesktop(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using BitmapHandle = UniqueHandle<BitmapTraits>;
using GdiObjectHandle = UniqueHandle<GdiObjectTraits>;
using IconHandle = UniqueHandle<IconTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using GlobalHandle = UniqueHandle<GlobalTraits>;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;
using DesktopHandle = UniqueHandle<DesktopTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

// A device context obtained with GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {
        if (dc_) {
            os::countGdiObjects(+1);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            release();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~WindowDc() { release(); }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    void release() {
        if (dc_) {
            ::ReleaseDC(window_, dc_);
            os::countGdiObjects(-1);
            dc_ = nullptr;
        }
    }
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and restores the previous one.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&&) = delete;
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Locks an HGLOBAL for the lifetime of the object.
class GlobalLock {
public:
    explicit GlobalLock(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
    GlobalLock(const GlobalLock&) = delete;
    GlobalLock& operator=(const GlobalLock&) = delete;
    GlobalLock(GlobalLock&& other) noexcept
        : memory_(other.memory_), data_(std::exchange(other.data_, nullptr)) {}
    GlobalLock& operator=(GlobalLock&&) = delete;
    ~GlobalLock() {
        if (data_) {
            ::GlobalUnlock(memory_);
        }
    }
    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// A window's input context, obtained with ImmGetContext and released with
// ImmReleaseContext.
class InputContext {
public:
    explicit InputContext(HWND window) : window_(window), context_(::ImmGetContext(window)) {}
    InputContext(const InputContext&) = delete;
    InputContext& operator=(const InputContext&) = delete;
    InputContext(InputContext&& other) noexcept
        : window_(other.window_), context_(std::exchange(other.context_, nullptr)) {}
    InputContext& operator=(InputContext&&) = delete;
    ~InputContext() {
        if (context_) {
            ::ImmReleaseContext(window_, context_);
        }
    }
    HIMC get() const { return context_; }
    explicit operator bool() const { return context_ != nullptr; }

private:
    HWND window_;
    HIMC context_;
};

} // namespace fw
