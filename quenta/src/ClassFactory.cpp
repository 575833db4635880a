// ClassFactory: creates Uploader objects (see ClassFactory.h).
#include "ClassFactory.h"

#include "Guids.h"
#include "ModuleCounters.h"
#include "Uploader.h"

#include <atomic>

namespace quenta {
namespace {
std::atomic<uint32_t> factoryReferences{0};
}

const QuentaClassFactoryVtbl ClassFactory::kTable = {
    &ClassFactory::queryInterface, &ClassFactory::addRef,     &ClassFactory::release,
    &ClassFactory::createInstance, &ClassFactory::lockServer,
};

QuentaClassFactory ClassFactory::instance_ = {&ClassFactory::kTable};

QuentaStatus ClassFactory::get(const QuentaGuid* iid, void** out) {
    return queryInterface(&instance_, iid, out);
}

QuentaStatus ClassFactory::queryInterface(QuentaClassFactory* self, const QuentaGuid* iid,
                                          void** out) {
    if (out == nullptr) {
        return QUENTA_E_POINTER;
    }
    *out = nullptr;
    if (iid == nullptr) {
        return QUENTA_E_INVALIDARG;
    }
    if (!sameGuid(*iid, QUENTA_IID_IUnknown) && !sameGuid(*iid, QUENTA_IID_IClassFactory)) {
        return QUENTA_E_NOINTERFACE;
    }
    addRef(self);
    *out = self;
    return QUENTA_S_OK;
}

uint32_t ClassFactory::addRef(QuentaClassFactory*) {
    ModuleCounters::lock();
    return ++factoryReferences;
}

uint32_t ClassFactory::release(QuentaClassFactory*) {
    ModuleCounters::unlock();
    return --factoryReferences;
}

QuentaStatus ClassFactory::createInstance(QuentaClassFactory*, void* outer, const QuentaGuid* iid,
                                          void** out) {
    return Uploader::create(static_cast<QuentaUnknown*>(outer), iid, out);
}

QuentaStatus ClassFactory::lockServer(QuentaClassFactory*, int32_t lock) {
    if (lock != 0) {
        ModuleCounters::lock();
    } else {
        ModuleCounters::unlock();
    }
    return QUENTA_S_OK;
}

} // namespace quenta
