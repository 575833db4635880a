#include "Globals.h"

#include "AppError.h"
#include "Messenger.h"
#include "TextRules.h"

#include <ostream>

namespace tp {

Globals::Globals(std::filesystem::path programFolder)
    : ProgramFolder(std::move(programFolder)),
      DatabasePath((ProgramFolder / tp::HostDatabase::FileName).string()) {}

Globals::~Globals() = default;

std::filesystem::path Globals::pathOf(const std::string& fileName) const { return ProgramFolder / fileName; }

tp::HostDatabase& Globals::database() const {
    if (!HostDatabase) throw AppError(err::DatabaseNotFound, "The host database is not open.");
    return *HostDatabase;
}

std::optional<std::filesystem::path> enterProgramFolder(const std::filesystem::path& folder, std::ostream& err) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    if (!ec) std::filesystem::current_path(absolute, ec);
    if (ec) {
        err << "The folder " << folder.string() << " cannot be used: " << ec.message() << "\n";
        return std::nullopt;
    }
    return absolute;
}

void DeriveExchangeFileNames(Globals& g) {
    g.SiteCode = "HXOR";
    const std::string site = trim(g.SiteCode);
    g.SetupFileName = "HX_Pelwin_Setup_" + site + ".txt";
    g.TenantListFileName = "HX_Pelwin_Tenant_" + site + ".txt";
    g.PaymentFileName = "HX_Pelwin_PaymentFile.txt";
    g.OwnerListFileName = "HX_Pelwin_Owner_" + site + ".txt";
    g.VendorListFileName = "HX_Pelwin_Vendor_" + site + ".txt";
    g.DisbursementFileName = "HX_Pelwin_DisbursementPayment.txt";
}

bool LoginCheck(const Globals& g, Messenger& messenger) {
    if (!g.LoginMissing) return true;
    messenger.message(LoginMessageText, LoginMessageTitle, MessageIcon::Information);
    return false;
}

}  // namespace tp
