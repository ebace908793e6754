#pragma once
// One non-copyable owner per kind of Windows handle.
#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueOwner {
  public:
    using Handle = typename Traits::Handle;

    UniqueOwner() = default;
    explicit UniqueOwner(Handle h) : h_(h) {}
    ~UniqueOwner() { Reset(); }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    UniqueOwner(UniqueOwner&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) {
            Reset();
            h_ = std::exchange(other.h_, Traits::Invalid());
        }
        return *this;
    }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    void Reset(Handle h = Traits::Invalid()) {
        if (h_ != Traits::Invalid())
            Traits::Close(h_);
        h_ = h;
    }

  private:
    Handle h_ = Traits::Invalid();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
using UniqueFileHandle = UniqueOwner<FileHandleTraits>;

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
using UniqueGdiObject = UniqueOwner<GdiObjectTraits>;

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueOwner<IconTraits>;
