#include "ServiceResult.h"

#include "Globals.h"
#include "Messenger.h"

namespace tp {

std::string serviceErrorText(std::int16_t status) {
    switch (status) {
    case 401:
        return "The action could not be performed because of the authorization failed for the user name, URL, or "
               "password. Please reset your URL, User Name and Password from the main Orvanta screen";
    case 403:
        return "The action could not be performed because of a wrong user name, URL or password. Please reset "
               "your URL, User Name and Password from the main Orvanta screen.";
    case 404:
        return "The action could not be performed because the URL was not found. Please reset your URL, User "
               "Name and Password from the main Orvanta screen";
    case 501:
        return "The action could not be performed because the server is unavailable or busy. Please try again "
               "later.";
    case 503:
        return "The action could not be performed because of a technical problem with the Internet server. "
               "Please notify us of this error.";
    default:
        return "The action could not be performed because of the following error: " + std::to_string(status) +
               "\r\rPlease notify us of this error.";
    }
}

void ReportServiceResult(const Globals& g, Messenger& messenger, std::int16_t status) {
    if (g.LastResult == "True" && status == 200) {
        messenger.message(SuccessMessageText, "Hestora Orvanta", MessageIcon::Information);
        return;
    }
    messenger.setBusy(false);
    messenger.message(serviceErrorText(status), "Orvanta error", MessageIcon::Information);
}

}  // namespace tp
