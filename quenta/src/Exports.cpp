// Exports: the functions the library exports by name, the entry points a
// caller resolves after loading it.
#include "ClassFactory.h"
#include "Guids.h"
#include "ModuleCounters.h"
#include "QuentaStrings.h"
#include "quenta.h"

using namespace quenta;

extern "C" {

QUENTA_API QuentaStatus DllGetClassObject(const QuentaGuid* clsid, const QuentaGuid* iid,
                                          void** out) {
    if (out == nullptr) {
        return QUENTA_E_POINTER;
    }
    *out = nullptr;
    if (clsid == nullptr || iid == nullptr) {
        return QUENTA_E_INVALIDARG;
    }
    if (!sameGuid(*clsid, QUENTA_CLSID_Uploader)) {
        return QUENTA_CLASS_E_CLASSNOTAVAILABLE;
    }
    return ClassFactory::get(iid, out);
}

QUENTA_API QuentaStatus DllCanUnloadNow(void) {
    return ModuleCounters::canUnload() ? QUENTA_S_OK : QUENTA_S_FALSE;
}

QUENTA_API QuentaString QuentaStringAlloc(const uint16_t* units, uint32_t count) {
    return QuentaStrings::allocate(units, count);
}

QUENTA_API void QuentaStringFree(QuentaString s) { QuentaStrings::free(s); }

QUENTA_API uint32_t QuentaStringLength(QuentaString s) { return QuentaStrings::length(s); }

} // extern "C"
