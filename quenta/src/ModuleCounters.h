// ModuleCounters counts what keeps the library in use: live Uploader objects,
// and locks (server locks taken through the class factory, and references to
// the class factory held by callers). The library may be unloaded only when
// both are zero.
#pragma once

namespace quenta {

class ModuleCounters {
public:
    static void objectCreated();
    static void objectDestroyed();
    static void lock();
    static void unlock();
    static bool canUnload();
};

} // namespace quenta
