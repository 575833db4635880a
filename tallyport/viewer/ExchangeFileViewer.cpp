#include "ExchangeFileViewer.h"

#include "AppError.h"
#include "ExchangeFiles.h"
#include "Globals.h"
#include "Messenger.h"
#include "Windows1252.h"

#include <filesystem>

namespace tp {

ExchangeFileViewer::ExchangeFileViewer(Globals& g, Messenger& messenger) : g_(g), messenger_(messenger) {}

std::vector<ExchangeFileViewer::Entry> ExchangeFileViewer::entries() const {
    auto entry = [](const std::string& shown, const char* description, const std::string& opened) {
        return Entry{shown + " - " + description, opened};
    };
    return {
        entry(g_.SetupFileName, "This is the SETUP data (all Hestora info) uploaded to the payment processor.",
              g_.SetupFileName),
        entry(g_.TenantListFileName, "These are the Orvanta TENANTS uploaded to the payment processor.",
              g_.TenantListFileName),
        entry(g_.OwnerListFileName, "These are the Orvanta OWNERS uploaded to the payment processor.",
              g_.OwnerListFileName),
        entry(g_.VendorListFileName, "These are the Orvanta VENDORS uploaded to the payment processor.",
              g_.VendorListFileName),
        entry(g_.PaymentFileName,
              "These are the CURRENT (not yet processed )TENANT PAYMENTS downloaded from the payment processor.",
              g_.PaymentFileName),
        entry("HX_Pelwin_PaymentFile_LastDownload",
              "These are the PREVIOUS TENANT PAYMENTS downloaded from the payment processor.",
              "HX_Pelwin_PaymentFile_LastDownload.txt"),
        entry(g_.DisbursementFileName, "These are the OWNER and VENDOR PAYMENTS uploaded to the payment processor.",
              g_.DisbursementFileName),
        entry("HX_Pelwin_Distribution_LastUpload",
              "These are the PREVIOUS OWNER and VENDOR PAYMENTS uploaded to the payment processor.",
              "HX_Pelwin_Distribution_LastUpload.txt"),
        entry("HX_Pelwin_Distribution_Response",
              "These are the responses for the OWNER and VENDOR PAYMENTS returned from the payment processor.",
              "HX_Pelwin_Distribution_Response.txt"),
    };
}

void ExchangeFileViewer::CheckChosenFile() {
    ChosenFileFound = !ChosenFileName.empty() && fileExists(g_.pathOf(ChosenFileName));
    if (!ChosenFileFound)
        messenger_.message("The file you chose does not exist in the Hestora folder", "Orvanta Notice",
                           MessageIcon::Information);
}

std::vector<std::string> ExchangeFileViewer::ShowFileContents() {
    const std::string text = cp1252::toUtf8(readFileBytes(g_.pathOf(ChosenFileName)));
    std::vector<std::string> lines;
    if (text.empty()) {
        messenger_.message("There is no data in this file.", "Hestora Orvanta", MessageIcon::Information);
        return lines;
    }
    for (std::size_t start = 0;;) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

bool ExchangeFileViewer::select(int index) {
    const std::vector<Entry> all = entries();
    if (index < 0 || index >= static_cast<int>(all.size())) return false;
    ChosenFileName = all[static_cast<std::size_t>(index)].openedName;
    return true;
}

std::vector<std::string> ExchangeFileViewer::choose(int index) {
    if (!select(index)) return {};
    CheckChosenFile();
    if (!ChosenFileFound) return {};
    try {
        return ShowFileContents();
    } catch (const AppError& e) {
        reportError(messenger_, e);
        return {};
    }
}

bool ExchangeFileViewer::deleteChosen() {
    CheckChosenFile();
    if (!ChosenFileFound) return false;
    Answer answer = messenger_.ask("Are you SURE you want to delete the file: " + ChosenFileName + "?",
                                   "Delete File", MessageIcon::None);
    g_.LastAnswer = static_cast<int>(answer);
    if (answer != Answer::Yes) return false;
    std::error_code ec;
    if (!std::filesystem::remove(g_.pathOf(ChosenFileName), ec)) {
        reportError(messenger_, AppError(err::PathFileAccess, "Path/File access error: " +
                                                                  g_.pathOf(ChosenFileName).string() + ": " +
                                                                  (ec ? ec.message() : "the file is gone")));
        return false;
    }
    messenger_.message("File Deleted!", "Delete File", MessageIcon::Information);
    return true;
}

}  // namespace tp
