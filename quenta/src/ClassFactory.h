// ClassFactory is the one class factory of the library, for the Uploader
// class. It is a single static object; the references callers hold to it, and
// the server locks taken with LockServer, keep the library from being unloaded.
#pragma once

#include "quenta.h"

namespace quenta {

class ClassFactory {
public:
    // Hands out the factory as IClassFactory or IUnknown, with one reference.
    static QuentaStatus get(const QuentaGuid* iid, void** out);

private:
    static QuentaStatus queryInterface(QuentaClassFactory* self, const QuentaGuid* iid,
                                       void** out);
    static uint32_t addRef(QuentaClassFactory* self);
    static uint32_t release(QuentaClassFactory* self);
    static QuentaStatus createInstance(QuentaClassFactory* self, void* outer,
                                       const QuentaGuid* iid, void** out);
    static QuentaStatus lockServer(QuentaClassFactory* self, int32_t lock);

    static const QuentaClassFactoryVtbl kTable;
    static QuentaClassFactory instance_;
};

} // namespace quenta
