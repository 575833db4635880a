// Uploader: the object, its lifetime and properties (see Uploader.h).
#include "Uploader.h"

#include "BillUpload.h"
#include "Guids.h"
#include "Log.h"
#include "ModuleCounters.h"
#include "QuentaStrings.h"
#include "TenantUpload.h"

#include <new>
#include <string>

namespace quenta {

const IUploaderVtbl Uploader::kUploaderTable = {
    &Uploader::queryInterface, &Uploader::addRef,        &Uploader::release,
    &Uploader::putUrl,         &Uploader::putUser,       &Uploader::putPassword,
    &Uploader::getStatus,      &Uploader::putStatus,     &Uploader::uploadTenants,
    &Uploader::getPayments,    &Uploader::putDate,       &Uploader::getOperation,
    &Uploader::putOperation,   &Uploader::uploadBills,
};

const QuentaUnknownVtbl Uploader::kInnerTable = {
    &Uploader::innerQueryInterface,
    &Uploader::innerAddRef,
    &Uploader::innerRelease,
};

Uploader::Uploader(QuentaUnknown* outer)
    : uploaderFace_{&kUploaderTable, this}, innerFace_{&kInnerTable, this},
      controlling_(outer != nullptr ? outer : reinterpret_cast<QuentaUnknown*>(&innerFace_)) {
    ModuleCounters::objectCreated();
    Log::writeLog("Creating Uploader");
}

Uploader::~Uploader() {
    Log::writeLog("Releasing Uploader\n\n" + std::string(102, '-') + "\n\n");
    ModuleCounters::objectDestroyed();
}

QuentaStatus Uploader::create(QuentaUnknown* outer, const QuentaGuid* iid, void** out) {
    if (out == nullptr) {
        return QUENTA_E_POINTER;
    }
    *out = nullptr;
    if (iid == nullptr) {
        return QUENTA_E_INVALIDARG;
    }
    if (outer != nullptr && !sameGuid(*iid, QUENTA_IID_IUnknown)) {
        return QUENTA_CLASS_E_NOAGGREGATION;
    }
    if (!sameGuid(*iid, QUENTA_IID_IUnknown) && !sameGuid(*iid, QUENTA_IID_IUploader)) {
        return QUENTA_E_NOINTERFACE;
    }
    Uploader* object = new (std::nothrow) Uploader(outer);
    if (object == nullptr) {
        return QUENTA_E_OUTOFMEMORY;
    }
    object->addRefInner();
    const QuentaStatus status = object->queryInner(iid, out);
    object->releaseInner();
    return status;
}

Uploader* Uploader::of(IUploader* self) { return reinterpret_cast<UploaderFace*>(self)->owner; }
Uploader* Uploader::of(QuentaUnknown* self) { return reinterpret_cast<InnerFace*>(self)->owner; }

QuentaStatus Uploader::queryInner(const QuentaGuid* iid, void** out) {
    if (out == nullptr) {
        return QUENTA_E_POINTER;
    }
    *out = nullptr;
    if (iid == nullptr) {
        return QUENTA_E_INVALIDARG;
    }
    if (sameGuid(*iid, QUENTA_IID_IUnknown)) {
        *out = &innerFace_;
        addRefInner();
        return QUENTA_S_OK;
    }
    if (sameGuid(*iid, QUENTA_IID_IUploader)) {
        *out = &uploaderFace_;
        controlling_->lpVtbl->AddRef(controlling_);
        return QUENTA_S_OK;
    }
    return QUENTA_E_NOINTERFACE;
}

uint32_t Uploader::addRefInner() { return ++references_; }

uint32_t Uploader::releaseInner() {
    const uint32_t left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

QuentaStatus Uploader::innerQueryInterface(QuentaUnknown* self, const QuentaGuid* iid,
                                           void** out) {
    return of(self)->queryInner(iid, out);
}
uint32_t Uploader::innerAddRef(QuentaUnknown* self) { return of(self)->addRefInner(); }
uint32_t Uploader::innerRelease(QuentaUnknown* self) { return of(self)->releaseInner(); }

QuentaStatus Uploader::queryInterface(IUploader* self, const QuentaGuid* iid, void** out) {
    QuentaUnknown* c = of(self)->controlling_;
    return c->lpVtbl->QueryInterface(c, iid, out);
}
uint32_t Uploader::addRef(IUploader* self) {
    QuentaUnknown* c = of(self)->controlling_;
    return c->lpVtbl->AddRef(c);
}
uint32_t Uploader::release(IUploader* self) {
    QuentaUnknown* c = of(self)->controlling_;
    return c->lpVtbl->Release(c);
}

namespace {

// Stores a property after logging "Put:<name>:" and the value shown in the log.
QuentaStatus putText(std::u16string& field, const char16_t* name, QuentaString value,
                     bool masked) {
    try {
        std::u16string text = QuentaStrings::read(value);
        std::u16string line = u"Put:";
        line += name;
        line += u':';
        if (masked) {
            line += u"********";
        } else {
            line += text;
        }
        Log::writeLog(line);
        field = std::move(text);
        return QUENTA_S_OK;
    } catch (const std::bad_alloc&) {
        return QUENTA_E_OUTOFMEMORY;
    }
}

QuentaStatus copyOut(const std::u16string& text, QuentaString* out) {
    if (out == nullptr) {
        return QUENTA_E_POINTER;
    }
    try {
        *out = QuentaStrings::make(text);
        return QUENTA_S_OK;
    } catch (const std::bad_alloc&) {
        *out = nullptr;
        return QUENTA_E_OUTOFMEMORY;
    }
}

QuentaBool toBool(bool value) { return value ? 1 : 0; }

} // namespace

QuentaStatus Uploader::putUrl(IUploader* self, QuentaString value) {
    return putText(of(self)->state_.url, u"URL", value, false);
}
QuentaStatus Uploader::putUser(IUploader* self, QuentaString value) {
    return putText(of(self)->state_.user, u"User", value, false);
}
QuentaStatus Uploader::putPassword(IUploader* self, QuentaString value) {
    return putText(of(self)->state_.password, u"Password", value, true);
}
QuentaStatus Uploader::putDate(IUploader* self, QuentaString value) {
    return putText(of(self)->state_.date, u"Date", value, false);
}
QuentaStatus Uploader::putOperation(IUploader* self, QuentaString value) {
    return putText(of(self)->state_.operation, u"Operation", value, false);
}

QuentaStatus Uploader::getStatus(IUploader* self, int32_t* value) {
    if (value == nullptr) {
        return QUENTA_E_POINTER;
    }
    *value = of(self)->state_.status;
    return QUENTA_S_OK;
}
QuentaStatus Uploader::putStatus(IUploader* self, int32_t value) {
    of(self)->state_.status = value;
    return QUENTA_S_OK;
}
QuentaStatus Uploader::getPayments(IUploader* self, QuentaString* value) {
    return copyOut(of(self)->state_.payments, value);
}
QuentaStatus Uploader::getOperation(IUploader* self, QuentaString* value) {
    return copyOut(of(self)->state_.operation, value);
}

QuentaStatus Uploader::uploadTenants(IUploader* self, QuentaString setup, QuentaString tenant,
                                     QuentaBool* result) {
    if (result == nullptr) {
        return QUENTA_E_POINTER;
    }
    *result = 0;
    try {
        Uploader* object = of(self);
        *result = toBool(TenantUpload::run(object->state_, QuentaStrings::read(setup),
                                           QuentaStrings::read(tenant)));
        return QUENTA_S_OK;
    } catch (const std::bad_alloc&) {
        return QUENTA_E_OUTOFMEMORY;
    }
}

QuentaStatus Uploader::uploadBills(IUploader* self, QuentaString recipients,
                                   QuentaString payments, QuentaString pending,
                                   QuentaBool* result) {
    if (result == nullptr) {
        return QUENTA_E_POINTER;
    }
    *result = 0;
    try {
        Uploader* object = of(self);
        *result = toBool(BillUpload::run(object->state_, QuentaStrings::read(recipients),
                                         QuentaStrings::read(payments),
                                         QuentaStrings::read(pending)));
        return QUENTA_S_OK;
    } catch (const std::bad_alloc&) {
        return QUENTA_E_OUTOFMEMORY;
    }
}

} // namespace quenta
