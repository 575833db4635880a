// Globals: the state the whole program shares for one run: the open host database, the exchange-
// file names, the service credentials, the outcome of the last exchange and the ID-file account
// defaults. One object per run, owned by the program and passed to the routines.
#pragma once

#include "HostDatabase.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace tp {

// Texts of messages more than one routine shows.
inline constexpr const char* LoginMessageText =
    "You must have a valid LOGIN entry in the User Name, Password, and URL. Please correct that and try again.";
inline constexpr const char* LoginMessageTitle = "Login Message";

class Messenger;

struct Globals {
    explicit Globals(std::filesystem::path programFolder);
    ~Globals();

    std::filesystem::path ProgramFolder;
    std::string DatabasePath;
    std::unique_ptr<tp::HostDatabase> HostDatabase;

    std::string SiteCode;
    std::string SetupFileName;
    std::string TenantListFileName;
    std::string PaymentFileName;
    std::string OwnerListFileName;
    std::string VendorListFileName;
    std::string DisbursementFileName;

    std::string ServiceURL;
    std::string ServiceUser;
    std::string ServicePassword;
    bool LoginMissing = false;

    std::string LastResult;
    std::int16_t LastStatus = 0;

    // Scratch values: the number of the last text file opened (file streams need none, so it is
    // kept only for parity with the host's conventions) and the button of the last question.
    int FileNumber = 0;
    int LastAnswer = 0;

    std::string RentIncomeDefault;
    std::string RentRemarkDefault;
    std::string MgmtFeeDefault;
    std::string MgmtFeeRemarkDefault;
    std::string LateFeeDefault;
    std::string LateFeeRemarkDefault;

    // Program folder & "/" & name.
    std::filesystem::path pathOf(const std::string& fileName) const;
    // The open database; error 3024 when start-up could not open it.
    tp::HostDatabase& database() const;
};

// Makes `folder` the working directory, so that the component's log lands beside the data, and
// returns its absolute path; nothing (after a message on `err`) when it cannot be used.
std::optional<std::filesystem::path> enterProgramFolder(const std::filesystem::path& folder, std::ostream& err);

// Fixes SiteCode and the exchange-file names.
void DeriveExchangeFileNames(Globals& g);
// The login check of the menu commands: false, after the login message, when credentials miss.
bool LoginCheck(const Globals& g, Messenger& messenger);
// The result of an operation as the shared state keeps it: "True" or "False".
inline const char* resultText(bool result) { return result ? "True" : "False"; }

}  // namespace tp
