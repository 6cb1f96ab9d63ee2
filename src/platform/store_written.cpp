#include "platform/store_written.h"

namespace {
TStoreWrittenHook Hook = nullptr;
}

void SetStoreWrittenHook(TStoreWrittenHook hook) {
  Hook = hook;
}

void ReportStoreWritten(const std::string& path, bool written) {
  if (Hook != nullptr) Hook(path, written);
}
