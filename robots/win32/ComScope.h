// COM for one scheduler operation: an initialisation of its own, undone
// only when it was this one's to undo, and interface pointers released at
// the end of their scope.
#pragma once

#include <objbase.h>

class ScopedComInitialize {
 public:
  ScopedComInitialize() : result_(CoInitialize(nullptr)) {}
  ~ScopedComInitialize() {
    if (result_ == S_OK || result_ == S_FALSE) CoUninitialize();
  }
  ScopedComInitialize(const ScopedComInitialize&) = delete;
  ScopedComInitialize& operator=(const ScopedComInitialize&) = delete;

  // A thread already in another apartment can still use the scheduler.
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For calls that hand out an interface.
  Interface** Out() {
    Reset();
    return &pointer_;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }
  IUnknown** OutUnknown() { return reinterpret_cast<IUnknown**>(Out()); }
  void Reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  Interface* pointer_ = nullptr;
};
