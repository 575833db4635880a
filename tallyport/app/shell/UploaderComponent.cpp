#include "UploaderComponent.h"

#include "AppError.h"
#include "Windows1252.h"

#include "quenta.h"

#include <dlfcn.h>

#include <memory>

namespace tp {
namespace {

std::u16string toUtf16(const std::string& utf8) {
    std::u16string out;
    for (char32_t c : cp1252::decodeUtf8(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string fromUtf16(const std::uint16_t* units, std::uint32_t count) {
    std::u32string chars;
    for (std::uint32_t i = 0; i < count; ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        chars += c;
    }
    return cp1252::encodeUtf8(chars);
}

[[noreturn]] void cannotCreate(const std::string& why) {
    throw AppError(err::ComponentNotAvailable, "The uploader component cannot be created: " + why);
}

enum Member { URL, User, Password };

}  // namespace

struct UploaderComponent::StringFunctions {
    QuentaStringAllocFn alloc;
    QuentaStringFreeFn free;
    QuentaStringLengthFn length;

    // A component string for the duration of one call.
    std::unique_ptr<std::uint16_t, QuentaStringFreeFn> make(const std::string& utf8) const {
        std::u16string units = toUtf16(utf8);
        QuentaString s = alloc(reinterpret_cast<const std::uint16_t*>(units.data()),
                               static_cast<std::uint32_t>(units.size()));
        if (!s) throw AppError(7, "Out of memory");
        return {s, free};
    }
};

std::filesystem::path UploaderComponent::defaultLibraryPath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (ec ? std::filesystem::current_path() : exe.parent_path()) / "libquenta.so";
}

UploaderComponent::UploaderComponent(const std::filesystem::path& library) {
    library_ = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!library_) cannotCreate(::dlerror());
    auto resolve = [&](const char* name) {
        void* symbol = ::dlsym(library_, name);
        if (!symbol) {
            ::dlclose(library_);
            cannotCreate(std::string("the library has no ") + name);
        }
        return symbol;
    };
    auto getClassObject = reinterpret_cast<QuentaDllGetClassObjectFn>(resolve("DllGetClassObject"));
    strings_.reset(new StringFunctions{reinterpret_cast<QuentaStringAllocFn>(resolve("QuentaStringAlloc")),
                                   reinterpret_cast<QuentaStringFreeFn>(resolve("QuentaStringFree")),
                                   reinterpret_cast<QuentaStringLengthFn>(resolve("QuentaStringLength"))});
    QuentaClassFactory* factory = nullptr;
    QuentaStatus status = getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory,
                                         reinterpret_cast<void**>(&factory));
    if (QUENTA_SUCCEEDED(status) && factory) {
        status = factory->lpVtbl->CreateInstance(factory, nullptr, &QUENTA_IID_IUploader,
                                                 reinterpret_cast<void**>(&object_));
        factory->lpVtbl->Release(factory);
    }
    if (QUENTA_FAILED(status) || !object_) {
        ::dlclose(library_);
        cannotCreate("status " + std::to_string(status));
    }
}

UploaderComponent::~UploaderComponent() {
    object_->lpVtbl->Release(object_);
    ::dlclose(library_);
}

void UploaderComponent::putText(int member, const std::string& value) {
    auto text = strings_->make(value);
    switch (member) {
    case URL: object_->lpVtbl->put_URL(object_, text.get()); break;
    case User: object_->lpVtbl->put_User(object_, text.get()); break;
    default: object_->lpVtbl->put_Password(object_, text.get()); break;
    }
}

void UploaderComponent::setURL(const std::string& url) { putText(URL, url); }
void UploaderComponent::setUser(const std::string& user) { putText(User, user); }
void UploaderComponent::setPassword(const std::string& password) { putText(Password, password); }

bool UploaderComponent::uploadTenants(const std::string& setup, const std::string& tenant) {
    auto setupText = strings_->make(setup);
    auto tenantText = strings_->make(tenant);
    QuentaBool result = 0;
    object_->lpVtbl->UploadTenants(object_, setupText.get(), tenantText.get(), &result);
    return result != 0;
}

bool UploaderComponent::uploadBills(const std::string& recipients, const std::string& payments,
                                    const std::string& pending) {
    auto recipientText = strings_->make(recipients);
    auto paymentText = strings_->make(payments);
    auto pendingText = strings_->make(pending);
    QuentaBool result = 0;
    object_->lpVtbl->UploadBills(object_, recipientText.get(), paymentText.get(), pendingText.get(), &result);
    return result != 0;
}

std::int32_t UploaderComponent::status() const {
    std::int32_t status = 0;
    object_->lpVtbl->get_Status(object_, &status);
    return status;
}

std::string UploaderComponent::payments() const {
    QuentaString text = nullptr;
    object_->lpVtbl->get_Payments(object_, &text);
    std::string out = text ? fromUtf16(text, strings_->length(text)) : std::string();
    strings_->free(text);
    return out;
}

UploaderFactory defaultUploaderFactory() {
    return [] { return std::make_unique<UploaderComponent>(); };
}

}  // namespace tp
