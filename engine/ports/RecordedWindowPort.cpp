#include "engine/ports/RecordedWindowPort.h"

namespace {

class NoWindows : public RecordedWindowPort {
 public:
  bool Activate(const RecWinInfo&, void* knownWindow, const std::vector<void*>&, bool,
                void** found) override {
    *found = knownWindow;
    return true;
  }
};

NoWindows defaultPort;
RecordedWindowPort* currentPort = &defaultPort;

}  // namespace

void SetRecordedWindowPort(RecordedWindowPort* port) { currentPort = port ? port : &defaultPort; }

RecordedWindowPort& GetRecordedWindowPort() { return *currentPort; }
