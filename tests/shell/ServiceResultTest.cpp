// ReportServiceResult: exactly one message after every exchange: the success message only for
// "True" with status 200 (leaving the busy pointer alone), a message of its own for 401, 403, 404,
// 501 and 503, and the default message with the status for every other case.
#include "Globals.h"
#include "ProgramFolderFixture.h"
#include "ServiceResult.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

std::string defaultText(const std::string& status) {
    return "The action could not be performed because of the following error: " + status +
           "\r\rPlease notify us of this error.";
}

class ServiceResultTest : public ProgramFolderFixture {};

TEST_F(ServiceResultTest, ShowsTheMessageOfTheStatus) {
    const std::string reset = "Please reset your URL, User Name and Password from the main Orvanta screen";
    struct Case {
        const char* result;
        std::int16_t status;
        std::string title;
        std::string text;
    } cases[] = {
        {"True", 200, "Hestora Orvanta", "Successful connection to Pelwin Payment Services!"},
        {"False", 200, "Orvanta error", defaultText("200")},
        {"True", 401, "Orvanta error",
         "The action could not be performed because of the authorization failed for the user name, URL, or "
         "password. " + reset},
        {"False", 403, "Orvanta error",
         "The action could not be performed because of a wrong user name, URL or password. " + reset + "."},
        {"False", 404, "Orvanta error", "The action could not be performed because the URL was not found. " + reset},
        {"False", 500, "Orvanta error", defaultText("500")},
        {"False", 501, "Orvanta error",
         "The action could not be performed because the server is unavailable or busy. Please try again later."},
        {"False", 503, "Orvanta error",
         "The action could not be performed because of a technical problem with the Internet server. Please "
         "notify us of this error."},
        {"False", 9999, "Orvanta error", defaultText("9999")},
        {"", -1, "Orvanta error", defaultText("-1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.result) + " " + std::to_string(c.status));
        ScriptedMessenger shown;
        shown.busy = true;
        g->LastResult = c.result;
        ReportServiceResult(*g, shown, c.status);
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].title, c.title);
        EXPECT_EQ(shown.shown[0].text, c.text);
        EXPECT_EQ(shown.shown[0].icon, MessageIcon::Information);
        const bool success = c.title == "Hestora Orvanta";
        // The failure messages restore the pointer first; success does not touch it.
        EXPECT_EQ(shown.busyChanges, success ? std::vector<bool>{} : std::vector<bool>{false});
        EXPECT_EQ(shown.shown[0].busyWhenShown, success);
    }
}

}  // namespace
}  // namespace tp::test
