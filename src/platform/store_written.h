// Tells a back end each time a store file has been replaced, or has failed to be, so that it can
// carry the file further than the file system (the browser keeps it in IndexedDB) or say so.
#pragma once
#include <string>

using TStoreWrittenHook = void (*)(const std::string& path, bool written);
void SetStoreWrittenHook(TStoreWrittenHook hook);
void ReportStoreWritten(const std::string& path, bool written);
