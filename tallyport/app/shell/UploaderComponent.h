// UploaderComponent: one Uploader object of the Quenta component, loaded at run time from
// libquenta.so beside the program and created by its class identifier. Texts go in and come out
// as UTF-8; the operation's result is a plain bool (any non-zero result is true). The object is
// released when the wrapper goes out of scope.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

struct IUploader;

namespace tp {

class UploaderComponent {
public:
    // libquenta.so in the folder of the running executable.
    static std::filesystem::path defaultLibraryPath();

    // Loads the library and creates the object; error 429 when either fails.
    explicit UploaderComponent(const std::filesystem::path& library = defaultLibraryPath());
    ~UploaderComponent();
    UploaderComponent(const UploaderComponent&) = delete;
    UploaderComponent& operator=(const UploaderComponent&) = delete;

    void setURL(const std::string& url);
    void setUser(const std::string& user);
    void setPassword(const std::string& password);

    bool uploadTenants(const std::string& setup, const std::string& tenant);
    bool uploadBills(const std::string& recipients, const std::string& payments, const std::string& pending);

    std::int32_t status() const;
    std::string payments() const;

private:
    void putText(int member, const std::string& value);

    void* library_ = nullptr;
    IUploader* object_ = nullptr;
    struct StringFunctions;
    std::unique_ptr<StringFunctions> strings_;
};

// Creates the Uploader for one exchange (tests point it at another library).
using UploaderFactory = std::function<std::unique_ptr<UploaderComponent>()>;
UploaderFactory defaultUploaderFactory();

}  // namespace tp
