// Test doubles of the interpreter's ports: a clock that moves only when
// slept, a message queue driven by the test, a recorded-window finder that
// answers from a script, and a scoped binding of a built-in's handler. Each
// installs itself for its lifetime and restores the default afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/ClockPort.h"
#include "engine/ports/MessagePumpPort.h"
#include "engine/ports/RecordedWindowPort.h"

class FakeClock : public ClockPort {
 public:
  FakeClock() { SetClockPort(this); }
  ~FakeClock() override { SetClockPort(nullptr); }
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  unsigned NowMs() override { return now; }
  void Sleep(unsigned ms) override {
    now += ms;
    sleeps.push_back(ms);
  }
  LocalTimeFields LocalTime() override { return localTime; }
  // The counter counts microseconds of the same time.
  bool PerformanceCounter(std::int64_t& count) override {
    count = static_cast<std::int64_t>(now) * 1000;
    return !counterFails;
  }
  bool PerformanceFrequency(std::int64_t& countsPerSecond) override {
    countsPerSecond = 1000000;
    return !counterFails;
  }

  unsigned now = 1000;
  std::vector<unsigned> sleeps;
  LocalTimeFields localTime;
  bool counterFails = false;
};

class FakePump : public MessagePumpPort {
 public:
  FakePump() { SetMessagePumpPort(this); }
  ~FakePump() override { SetMessagePumpPort(nullptr); }
  FakePump(const FakePump&) = delete;
  FakePump& operator=(const FakePump&) = delete;

  // Called on every pump with its 1-based number; returns true to hand the
  // loop a quit message with quitCode.
  std::function<bool(int turn)> onPump;
  int quitCode = 0;
  // Ids of thread hot keys pressed since the last pump; the next pump hands
  // them over.
  std::vector<int> hotkeys;

  bool Pump(int* code, const ThreadHotkeyHandler& threadHotkey) override {
    ++turns;
    if (onPump && onPump(turns)) {
      *code = quitCode;
      return true;
    }
    std::vector<int> pressed;
    pressed.swap(hotkeys);
    for (int id : pressed) threadHotkey(id);
    return false;
  }
  void PostQuit(int exitCode) override { reposted.push_back(exitCode); }

  int turns = 0;
  std::vector<int> reposted;
};

class FakeWindowFinder : public RecordedWindowPort {
 public:
  FakeWindowFinder() { SetRecordedWindowPort(this); }
  ~FakeWindowFinder() override { SetRecordedWindowPort(nullptr); }
  FakeWindowFinder(const FakeWindowFinder&) = delete;
  FakeWindowFinder& operator=(const FakeWindowFinder&) = delete;

  struct Call {
    std::string title;
    void* known;
    std::vector<void*> skip;
    bool exact;
  };
  // Answers found from the call with this 0-based number on (never: -1);
  // only exact searches unless similarToo.
  int foundFromCall = 0;
  bool similarToo = false;
  void* window = reinterpret_cast<void*>(0x1234);
  std::vector<Call> calls;

  bool Activate(const RecWinInfo& record, void* known, const std::vector<void*>& skip, bool exact,
                void** found) override {
    calls.push_back(Call{record.WinTitle, known, skip, exact});
    bool yes = foundFromCall >= 0 && static_cast<int>(calls.size()) > foundFromCall && (exact || similarToo);
    *found = yes ? window : nullptr;
    return yes;
  }
};

// Binds a handler to a built-in row for the lifetime of the object.
class ScopedBuiltin {
 public:
  ScopedBuiltin(const char* name, BuiltinHandler handler) : name_(name) {
    int row = FindBuiltin(name);
    previous_ = row >= 0 ? GetBuiltinTable()[row].handler : nullptr;
    BindBuiltin(name, handler);
  }
  ~ScopedBuiltin() { BindBuiltin(name_, previous_); }
  ScopedBuiltin(const ScopedBuiltin&) = delete;
  ScopedBuiltin& operator=(const ScopedBuiltin&) = delete;

 private:
  const char* name_;
  BuiltinHandler previous_;
};
