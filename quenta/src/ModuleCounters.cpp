// ModuleCounters: live objects and locks (see ModuleCounters.h).
#include "ModuleCounters.h"

#include <atomic>

namespace quenta {
namespace {
std::atomic<long> objects{0};
std::atomic<long> locks{0};
} // namespace

void ModuleCounters::objectCreated() { ++objects; }
void ModuleCounters::objectDestroyed() { --objects; }
void ModuleCounters::lock() { ++locks; }
void ModuleCounters::unlock() { --locks; }
bool ModuleCounters::canUnload() { return objects.load() == 0 && locks.load() == 0; }

} // namespace quenta
