#include "engine/ports/StackRoom.h"

#include <cstdint>

#if defined(__GLIBC__)
#include <pthread.h>
#endif

namespace {

const void* HostStackFloor() {
#if defined(__GLIBC__)
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return nullptr;
  void* low = nullptr;
  std::size_t size = 0;
  const int status = pthread_attr_getstack(&attributes, &low, &size);
  pthread_attr_destroy(&attributes);
  return status == 0 ? low : nullptr;
#else
  return nullptr;
#endif
}

StackFloorFunction installedFloor = nullptr;

// The floor is asked once per thread and function: the check runs for every
// expression.
struct CachedFloor {
  StackFloorFunction function = nullptr;
  std::uintptr_t floor = 0;
  bool known = false;
};
thread_local CachedFloor cached;

}  // namespace

void SetStackFloorFunction(StackFloorFunction floor) { installedFloor = floor; }

bool StackRoomLeft() {
  const StackFloorFunction function = installedFloor ? installedFloor : &HostStackFloor;
  if (!cached.known || cached.function != function) {
    cached.function = function;
    cached.floor = reinterpret_cast<std::uintptr_t>(function());
    cached.known = true;
  }
  if (cached.floor == 0) return true;
  // The frame address, not a local's: with the address sanitizer, locals may
  // live on a heap-allocated fake stack.
  const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  return here > cached.floor && here - cached.floor > kStackReserve;
}
