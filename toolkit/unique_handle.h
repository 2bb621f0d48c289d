#pragma once
// Move-only owner of one platform handle. Each handle kind is a one-line
// alias naming the call that releases it.
#include <windows.h>

#include <utility>

template <class Handle, class Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  Handle operator->() const { return handle_; }  // for COM interfaces
  explicit operator bool() const { return handle_ != Deleter::invalid(); }

  Handle release() { return std::exchange(handle_, Deleter::invalid()); }
  void reset(Handle handle = Deleter::invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Deleter::invalid()) Deleter{}(old);
  }

 private:
  Handle handle_ = Deleter::invalid();
};

// Most handles use null for "none"; file and search handles use INVALID_HANDLE_VALUE.
template <class Handle>
struct NullIsInvalid {
  static Handle invalid() { return nullptr; }
};
struct InvalidHandleValueIsInvalid {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
};

struct GdiObjectDeleter : NullIsInvalid<HGDIOBJ> {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
struct TypedGdiObjectDeleter : NullIsInvalid<Handle> {
  void operator()(Handle object) const { DeleteObject(object); }
};
struct DcDeleter : NullIsInvalid<HDC> {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ModuleDeleter : NullIsInvalid<HMODULE> {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct WindowDeleter : NullIsInvalid<HWND> {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct FindDeleter : InvalidHandleValueIsInvalid {
  void operator()(HANDLE search) const { FindClose(search); }
};
struct FileDeleter : InvalidHandleValueIsInvalid {
  void operator()(HANDLE file) const { CloseHandle(file); }
};
struct KernelHandleDeleter : NullIsInvalid<HANDLE> {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// One reference to a COM object, given back with Release.
template <class Interface>
struct ComReleaser : NullIsInvalid<Interface*> {
  void operator()(Interface* object) const { object->Release(); }
};

using UniqueHbitmap = UniqueHandle<HBITMAP, TypedGdiObjectDeleter<HBITMAP>>;
using UniqueHbrush = UniqueHandle<HBRUSH, TypedGdiObjectDeleter<HBRUSH>>;
using UniqueHfont = UniqueHandle<HFONT, TypedGdiObjectDeleter<HFONT>>;
using UniqueHrgn = UniqueHandle<HRGN, TypedGdiObjectDeleter<HRGN>>;
using UniqueHdc = UniqueHandle<HDC, DcDeleter>;
using UniqueHmodule = UniqueHandle<HMODULE, ModuleDeleter>;
using UniqueHwnd = UniqueHandle<HWND, WindowDeleter>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindDeleter>;
using UniqueFile = UniqueHandle<HANDLE, FileDeleter>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;
template <class Interface>
using UniqueCom = UniqueHandle<Interface*, ComReleaser<Interface>>;

// Puts an object into a device context for one scope and restores the one
// it replaced, so the context's own object is what DeleteDC finds.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
