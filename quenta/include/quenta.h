/*
 * quenta.h - the binary interface of the Quenta uploader component.
 *
 * The component lives in libquenta.so. A caller loads the library (usually
 * with dlopen), asks DllGetClassObject for the class factory of the Uploader
 * class and creates an IUploader object with it. Every interface is a table
 * of plain C functions whose first argument is the object pointer; every
 * member returns a 32-bit status code. Texts are QuentaString values:
 * UTF-16 code units preceded in memory by their length in bytes and followed
 * by a zero unit; a null QuentaString counts as the empty text. Strings the
 * component hands out are freed by the caller with QuentaStringFree.
 *
 * The identifiers below are defined in this header, so a caller that loads
 * the library at run time needs nothing but this file.
 */
#ifndef QUENTA_H
#define QUENTA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(QUENTA_BUILDING_LIBRARY)
#define QUENTA_API __attribute__((visibility("default")))
#else
#define QUENTA_API
#endif

/* ---- status codes ------------------------------------------------------ */

typedef int32_t QuentaStatus;

#define QUENTA_S_OK ((QuentaStatus)0)
#define QUENTA_S_FALSE ((QuentaStatus)1)
#define QUENTA_E_NOINTERFACE ((QuentaStatus)0x80004002)
#define QUENTA_E_POINTER ((QuentaStatus)0x80004003)
#define QUENTA_E_OUTOFMEMORY ((QuentaStatus)0x8007000E)
#define QUENTA_E_INVALIDARG ((QuentaStatus)0x80070057)
#define QUENTA_CLASS_E_NOAGGREGATION ((QuentaStatus)0x80040110)
#define QUENTA_CLASS_E_CLASSNOTAVAILABLE ((QuentaStatus)0x80040111)

#define QUENTA_SUCCEEDED(s) ((QuentaStatus)(s) >= 0)
#define QUENTA_FAILED(s) ((QuentaStatus)(s) < 0)

/* Status value an operation leaves after a network or URL error. */
#define QUENTA_STATUS_NETWORK_ERROR 9999

/* ---- identifiers ------------------------------------------------------- */

typedef struct QuentaGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} QuentaGuid;

/* {6B1E2C47-93D5-4A08-B2F1-7C4E90A3D615} */
static const QuentaGuid QUENTA_CLSID_Uploader = {
    0x6B1E2C47u, 0x93D5u, 0x4A08u, {0xB2, 0xF1, 0x7C, 0x4E, 0x90, 0xA3, 0xD6, 0x15}};
/* {2D8A5F63-C7E1-4B94-8E2A-51F0B6C93A74} */
static const QuentaGuid QUENTA_IID_IUploader = {
    0x2D8A5F63u, 0xC7E1u, 0x4B94u, {0x8E, 0x2A, 0x51, 0xF0, 0xB6, 0xC9, 0x3A, 0x74}};
/* {A93C7E21-5F48-4D16-9B3E-E2074C5A8F19} */
static const QuentaGuid QUENTA_LIBID_Quenta = {
    0xA93C7E21u, 0x5F48u, 0x4D16u, {0x9B, 0x3E, 0xE2, 0x07, 0x4C, 0x5A, 0x8F, 0x19}};
/* {C5E81B92-0D7A-4F63-A4C8-39B2F7E6D041} */
static const QuentaGuid QUENTA_APPID_Quenta = {
    0xC5E81B92u, 0x0D7Au, 0x4F63u, {0xA4, 0xC8, 0x39, 0xB2, 0xF7, 0xE6, 0xD0, 0x41}};
/* {00000000-0000-0000-C000-000000000046} */
static const QuentaGuid QUENTA_IID_IUnknown = {
    0x00000000u, 0x0000u, 0x0000u, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
/* {00000001-0000-0000-C000-000000000046} */
static const QuentaGuid QUENTA_IID_IClassFactory = {
    0x00000001u, 0x0000u, 0x0000u, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

/* ---- texts and booleans ------------------------------------------------ */

typedef uint16_t* QuentaString;
typedef int16_t QuentaBool; /* 0 false, any other value true */

/* A new string holding `count` code units copied from `units` (zero units
 * when `units` is null). Returns null when memory runs out. */
QUENTA_API QuentaString QuentaStringAlloc(const uint16_t* units, uint32_t count);
/* Frees a string from QuentaStringAlloc or from the component; null is fine. */
QUENTA_API void QuentaStringFree(QuentaString s);
/* Length in code units; 0 for null. */
QUENTA_API uint32_t QuentaStringLength(QuentaString s);

/* ---- IUnknown ---------------------------------------------------------- */

typedef struct QuentaUnknown QuentaUnknown;
typedef struct QuentaUnknownVtbl {
    QuentaStatus (*QueryInterface)(QuentaUnknown* self, const QuentaGuid* iid, void** out);
    uint32_t (*AddRef)(QuentaUnknown* self);
    uint32_t (*Release)(QuentaUnknown* self);
} QuentaUnknownVtbl;
struct QuentaUnknown {
    const QuentaUnknownVtbl* lpVtbl;
};

/* ---- class factory ----------------------------------------------------- */

typedef struct QuentaClassFactory QuentaClassFactory;
typedef struct QuentaClassFactoryVtbl {
    QuentaStatus (*QueryInterface)(QuentaClassFactory* self, const QuentaGuid* iid, void** out);
    uint32_t (*AddRef)(QuentaClassFactory* self);
    uint32_t (*Release)(QuentaClassFactory* self);
    /* outer: the controlling IUnknown of an aggregate, or null. When it is
     * given, iid must be QUENTA_IID_IUnknown and the inner IUnknown is
     * returned. */
    QuentaStatus (*CreateInstance)(QuentaClassFactory* self, void* outer, const QuentaGuid* iid,
                                   void** out);
    QuentaStatus (*LockServer)(QuentaClassFactory* self, int32_t lock);
} QuentaClassFactoryVtbl;
struct QuentaClassFactory {
    const QuentaClassFactoryVtbl* lpVtbl;
};

/* ---- IUploader --------------------------------------------------------- */

typedef struct IUploader IUploader;
typedef struct IUploaderVtbl {
    QuentaStatus (*QueryInterface)(IUploader* self, const QuentaGuid* iid, void** out);
    uint32_t (*AddRef)(IUploader* self);
    uint32_t (*Release)(IUploader* self);
    QuentaStatus (*put_URL)(IUploader* self, QuentaString newVal);
    QuentaStatus (*put_User)(IUploader* self, QuentaString newVal);
    QuentaStatus (*put_Password)(IUploader* self, QuentaString newVal);
    QuentaStatus (*get_Status)(IUploader* self, int32_t* pVal);
    QuentaStatus (*put_Status)(IUploader* self, int32_t newVal);
    QuentaStatus (*UploadTenants)(IUploader* self, QuentaString Setup, QuentaString Tenant,
                                  QuentaBool* Result);
    QuentaStatus (*get_Payments)(IUploader* self, QuentaString* pVal);
    QuentaStatus (*put_Date)(IUploader* self, QuentaString newVal);
    QuentaStatus (*get_Operation)(IUploader* self, QuentaString* pVal);
    QuentaStatus (*put_Operation)(IUploader* self, QuentaString newVal);
    QuentaStatus (*UploadBills)(IUploader* self, QuentaString Recipients, QuentaString Payments,
                                QuentaString PendingPayments, QuentaBool* Result);
} IUploaderVtbl;
struct IUploader {
    const IUploaderVtbl* lpVtbl;
};

/* ---- library entry points ---------------------------------------------- */

/* The class factory of QUENTA_CLSID_Uploader, asked for as
 * QUENTA_IID_IClassFactory or QUENTA_IID_IUnknown. */
QUENTA_API QuentaStatus DllGetClassObject(const QuentaGuid* clsid, const QuentaGuid* iid,
                                          void** out);
/* QUENTA_S_OK when no object, factory reference or server lock is alive,
 * QUENTA_S_FALSE otherwise. */
QUENTA_API QuentaStatus DllCanUnloadNow(void);

/* Function pointer types for callers that resolve the exports with dlsym. */
typedef QuentaStatus (*QuentaDllGetClassObjectFn)(const QuentaGuid*, const QuentaGuid*, void**);
typedef QuentaStatus (*QuentaDllCanUnloadNowFn)(void);
typedef QuentaString (*QuentaStringAllocFn)(const uint16_t*, uint32_t);
typedef void (*QuentaStringFreeFn)(QuentaString);
typedef uint32_t (*QuentaStringLengthFn)(QuentaString);

#ifdef __cplusplus
}
#endif

#endif /* QUENTA_H */
