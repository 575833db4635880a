// Uploader is the component's one creatable object. It carries two function
// tables: IUploader, whose IUnknown members go to the controlling unknown, and
// a separate inner IUnknown that owns the reference count. Created on its own,
// the object is its own controlling unknown; created inside an aggregate, the
// outer object is, and the caller holds the inner IUnknown. The properties live
// in UploaderState; setters log what they are given (the password masked), and
// the two operations are TenantUpload and BillUpload. The object logs
// "Creating Uploader" when made and the release block when destroyed.
#pragma once

#include "UploaderState.h"
#include "quenta.h"

#include <atomic>
#include <cstdint>

namespace quenta {

class Uploader {
public:
    // Creates an object and hands out the interface iid. With an outer
    // unknown, iid must be IUnknown.
    static QuentaStatus create(QuentaUnknown* outer, const QuentaGuid* iid, void** out);

private:
    struct UploaderFace {
        const IUploaderVtbl* lpVtbl;
        Uploader* owner;
    };
    struct InnerFace {
        const QuentaUnknownVtbl* lpVtbl;
        Uploader* owner;
    };

    explicit Uploader(QuentaUnknown* outer);
    ~Uploader();

    QuentaStatus queryInner(const QuentaGuid* iid, void** out);
    uint32_t addRefInner();
    uint32_t releaseInner();

    static Uploader* of(IUploader* self);
    static Uploader* of(QuentaUnknown* self);

    static QuentaStatus innerQueryInterface(QuentaUnknown* self, const QuentaGuid* iid, void** out);
    static uint32_t innerAddRef(QuentaUnknown* self);
    static uint32_t innerRelease(QuentaUnknown* self);

    static QuentaStatus queryInterface(IUploader* self, const QuentaGuid* iid, void** out);
    static uint32_t addRef(IUploader* self);
    static uint32_t release(IUploader* self);
    static QuentaStatus putUrl(IUploader* self, QuentaString value);
    static QuentaStatus putUser(IUploader* self, QuentaString value);
    static QuentaStatus putPassword(IUploader* self, QuentaString value);
    static QuentaStatus getStatus(IUploader* self, int32_t* value);
    static QuentaStatus putStatus(IUploader* self, int32_t value);
    static QuentaStatus uploadTenants(IUploader* self, QuentaString setup, QuentaString tenant,
                                      QuentaBool* result);
    static QuentaStatus getPayments(IUploader* self, QuentaString* value);
    static QuentaStatus putDate(IUploader* self, QuentaString value);
    static QuentaStatus getOperation(IUploader* self, QuentaString* value);
    static QuentaStatus putOperation(IUploader* self, QuentaString value);
    static QuentaStatus uploadBills(IUploader* self, QuentaString recipients,
                                    QuentaString payments, QuentaString pending,
                                    QuentaBool* result);

    static const IUploaderVtbl kUploaderTable;
    static const QuentaUnknownVtbl kInnerTable;

    UploaderFace uploaderFace_;
    InnerFace innerFace_;
    QuentaUnknown* controlling_;
    std::atomic<uint32_t> references_{0};
    UploaderState state_;
};

} // namespace quenta
