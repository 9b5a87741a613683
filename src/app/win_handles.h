// Owning wrappers for Win32 handles: movable, never copyable, so no path can
// leak a handle or close it twice.
#pragma once

#include <windows.h>

#include <utility>

// Traits give the handle type, its empty value and how to close it.
template <typename Traits> class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() = default;
    explicit UniqueResource(Handle handle) : handle_(handle) {}
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Empty(); }

    Handle release() { return std::exchange(handle_, Empty()); }

    void reset(Handle handle = Empty())
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Empty())
            Traits::Close(old);
    }

    // Closes what is held and hands out the address for an API to fill.
    Handle* put()
    {
        reset();
        return &handle_;
    }

private:
    static Handle Empty() { return Traits::Empty(); }

    Handle handle_ = Empty();
};

namespace detail {
struct KernelHandleTraits {
    using Handle = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct FileHandleTraits : KernelHandleTraits {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
};
struct KeyTraits {
    using Handle = HKEY;
    static HKEY Empty() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static HMODULE Empty() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};
} // namespace detail

// Handles that are empty at NULL (threads, events, processes).
using UniqueHandle = UniqueResource<detail::KernelHandleTraits>;
// Handles that are empty at INVALID_HANDLE_VALUE (CreateFile, snapshots).
using UniqueFile = UniqueResource<detail::FileHandleTraits>;
using UniqueKey = UniqueResource<detail::KeyTraits>;
using UniqueModule = UniqueResource<detail::ModuleTraits>;
