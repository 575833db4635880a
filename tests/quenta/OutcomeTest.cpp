// How the service's answers and failures become Result, Status and Payments:
// whole answers read in chunks, redirects not followed, rejected lines
// reported through Status, bill answers collected, and network and URL errors
// caught as Status 9999 with their text in Payments and in the log.
#include "QuentaTestSupport.h"

#include <filesystem>
#include <regex>

using namespace qt;

namespace {

class QuentaOutcomeTest : public FolderTest {};

std::string paymentRecords(std::size_t bytes) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i) {
        text += "P" + std::to_string(i) + ",U" + std::to_string(i) + ",T" + std::to_string(i) +
                ",1500.5,6/1/2010,1234,6/2/2010,ACH,Rent\n";
    }
    return text.substr(0, bytes);
}

TEST_F(QuentaOutcomeTest, PaymentAnswerIsReadWholeAndInOrder) {
    struct Case {
        const char* name;
        std::string body;
        bool chunked;
        std::string expected;
    };
    std::string withZero = paymentRecords(1500);
    withZero[10] = '\0';
    const Case cases[] = {
        {"3000 bytes, chunked transfer", paymentRecords(3000), true, paymentRecords(3000)},
        {"3000 bytes, with length", paymentRecords(3000), false, paymentRecords(3000)},
        {"empty answer", "", false, ""},
        // A zero byte ends the text of its 1024-byte chunk only.
        {"zero byte", withZero, false, withZero.substr(0, 10) + withZero.substr(1024)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove("QuentaDLL.log");
        ScriptedServer server([&](const RecordedRequest&) {
            return c.chunked ? chunkedAnswer(200, c.body, 700) : answer(200, c.body);
        });
        Uploader u;
        u.connect(server.url());
        const Outcome o = u.tenants("", "");
        EXPECT_EQ(o.result, 1);
        EXPECT_EQ(o.status, 200);
        EXPECT_EQ(o.payments, c.expected);
        EXPECT_NE(logText().find("] Received Data:\n" + c.expected + "\n\n"), std::string::npos);
    }
}

TEST_F(QuentaOutcomeTest, RedirectIsRecordedAndNotFollowed) {
    ScriptedServer server([](const RecordedRequest&) {
        return answer(302, "", "Location: /integration/upload.php?op=p\r\n");
    });
    Uploader u;
    u.connect(server.url());
    const Outcome o = u.tenants("", "");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.status, 302);
    EXPECT_EQ(o.payments, "");
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(QuentaOutcomeTest, StatusIsTheFirstRejectionOfTheOperation) {
    // Each case: the answer status by op and line; the expected outcome.
    struct Case {
        const char* name;
        std::function<int(const RecordedRequest&)> status;
        std::string setup, recipients, bills;
        bool tenants;
        int expectedStatus;
        std::string expectedPayments;
    };
    const Case cases[] = {
        {"every setup line 500, payment request 200",
         [](const RecordedRequest& r) { return r.op() == "s" ? 500 : 200; },
         "S000001\r\nS000002\r\n", "", "", true, 500, "P1,U1,T1\n"},
        {"payment request 401 after accepted lines",
         [](const RecordedRequest& r) { return r.op() == "p" ? 401 : 200; },
         "S000001\r\n", "", "", true, 401, ""},
        {"bills answered 200, 500, 200",
         [](const RecordedRequest& r) { return r.dataLine().rfind("B2|", 0) == 0 ? 500 : 200; },
         "", "", "B1|V1||10\r\nB2|V1||20\r\nB3|V1||30\r\n", false, 500,
         "V1,B1,0\nV1,B3,0\n"},
        {"recipient answered 403, bills still sent",
         [](const RecordedRequest& r) { return r.op() == "v" ? 403 : 200; },
         "", "V1|Vendor|Ann|1 Main St|Town|ST|12345||||||a@b.c|activate\r\n",
         "B1|V1||10\r\n", false, 403, "V1,B1,0\n"},
        {"participant upload, all accepted",
         [](const RecordedRequest&) { return 200; },
         "", "O1|Owner|Ann|x|||||||||||activate\r\nO2|Owner|Bob|x|||||||||||delete\r\n", "",
         false, 200, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server([&](const RecordedRequest& r) {
            const int status = c.status(r);
            std::string body = "OK\n";
            if (r.op() == "p") {
                body = "P1,U1,T1\n";
            } else if (r.op() == "b") {
                const std::string line = r.dataLine();
                body = "V1," + line.substr(0, line.find('|')) + ",0\n";
            }
            return answer(status, status == 200 ? body : "rejected\n");
        });
        Uploader u;
        u.connect(server.url());
        const Outcome o = c.tenants ? u.tenants(c.setup, "") : u.bills(c.recipients, c.bills, "");
        EXPECT_EQ(o.result, 1);
        EXPECT_EQ(o.status, c.expectedStatus);
        EXPECT_EQ(o.payments, c.expectedPayments);
        // Every line was sent although some were rejected.
        const std::size_t lines = std::count(c.setup.begin(), c.setup.end(), '\n') +
                                  std::count(c.recipients.begin(), c.recipients.end(), '\n') +
                                  std::count(c.bills.begin(), c.bills.end(), '\n') +
                                  (c.tenants ? 1 : 0);
        EXPECT_EQ(server.requests().size(), lines);
    }
}

TEST_F(QuentaOutcomeTest, BillLogShowsTargetsWithTheTokenMasked) {
    ScriptedServer server([](const RecordedRequest& r) {
        return answer(r.dataLine().rfind("B2|", 0) == 0 ? 500 : 200, "V1,B,0\n");
    });
    Uploader u;
    u.connect(server.url(), "user", "secret-password");
    u.bills("V1|Vendor|Ann|x|||||||||||activate\r\n", "B1|V1||10\r\nB2|V1||20\r\n", "");
    const std::string token = server.requests().front().bodyParam("token");
    const std::vector<std::string> expected = {
        "Creating Uploader",
        "Put:URL:" + server.url(),
        "Put:User:user",
        "Put:Password:********",
        "Uploading Bills:" + server.url(),
        "Connection opened",
        "Uploaded Vendor ",
        "Result: V1,B,0",
        "/integration/upload.php?op=b&data=" + server.requests()[1].param("data") +
            "&token=********",
        "Uploaded Bill ",
        "/integration/upload.php?op=b&data=" + server.requests()[2].param("data") +
            "&token=********",
        "Upload Bill End"};
    EXPECT_EQ(logLines(), expected);
    EXPECT_EQ(logText().find(token), std::string::npos);
    EXPECT_EQ(logText().find("secret-password"), std::string::npos);
}

TEST_F(QuentaOutcomeTest, NetworkAndUrlErrorsEndAsStatus9999WithTheirText) {
    const std::string closed = "http://127.0.0.1:" + std::to_string(closedPort()) + "/x";
    struct Case {
        std::string url;
        std::string inMessage;
    };
    const Case cases[] = {
        {closed, "127.0.0.1"},
        {"", "empty"},
        {"no scheme here", "cannot be used"},
        {"ftp://127.0.0.1/file", "http"},
        {"http://", "cannot be used"},
        // Without a port the scheme's default is used; the path is ignored.
        {"http://127.0.0.1/some/path.php?q=1", "port 80"},
        {"https://127.0.0.1:8443/some/path.php", "port 8443"},
    };
    for (const bool bills : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.url + (bills ? " (bills)" : " (tenants)"));
            std::remove("QuentaDLL.log");
            Uploader u;
            u.connect(c.url);
            const Outcome o = bills ? u.bills("", "B1|V1||10\r\n", "") : u.tenants("S00001", "");
            EXPECT_EQ(o.result, 0);
            EXPECT_EQ(o.status, 9999);
            EXPECT_NE(o.payments.find(c.inMessage), std::string::npos) << o.payments;
            EXPECT_LE(o.payments.size(), 4096u);
            const auto lines = logLines();
            ASSERT_GE(lines.size(), 2u);
            EXPECT_EQ(lines[lines.size() - 2], "EXCEPTION:" + o.payments);
            EXPECT_EQ(lines.back(), bills ? "Upload Bill End" : "Upload Tenants End");
        }
    }
}

TEST_F(QuentaOutcomeTest, DroppedConnectionStopsTheRemainingLines) {
    ScriptedServer server([](const RecordedRequest& r) {
        return r.dataLine().rfind("S2", 0) == 0 ? std::string() : answer(200, "OK\n");
    });
    Uploader u;
    u.connect(server.url());
    const Outcome o = u.tenants("S1xxxx\r\nS2xxxx\r\nS3xxxx\r\n", "");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.status, 9999);
    EXPECT_FALSE(o.payments.empty());
    for (const auto& r : server.requests()) {
        EXPECT_TRUE(r.op() == "s" && r.dataLine().rfind("S3", 0) != 0) << r.target;
    }
}

TEST_F(QuentaOutcomeTest, UnopenableLogLeavesOperationsUnaffected) {
    std::filesystem::create_directory("QuentaDLL.log"); // cannot be opened as a file
    ScriptedServer server([](const RecordedRequest& r) {
        return answer(200, r.op() == "p" ? "P1,U1,T1\n" : "OK\n");
    });
    Uploader u;
    u.connect(server.url());
    const Outcome o = u.tenants("S000001\r\n", "");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.status, 200);
    EXPECT_EQ(o.payments, "P1,U1,T1\n");
    EXPECT_TRUE(std::filesystem::is_directory("QuentaDLL.log"));
}

TEST_F(QuentaOutcomeTest, LogFollowsTheUploadStepByStep) {
    ScriptedServer server([](const RecordedRequest& r) {
        return answer(r.dataLine().rfind("S2", 0) == 0 ? 500 : 200,
                      r.op() == "p" ? "P1,U1,T1\n" : "Accepted " + r.op() + "\r\nmore\r\n");
    });
    Uploader u;
    u.connect(server.url());
    Text date("1/1/2000");
    u->lpVtbl->put_Date(u.get(), date.get());
    u.tenants("S1xxxx\r\nS2xxxx\r\nS3xxxx\r\n", "T1|Ann|activate|\r\n");
    const std::vector<std::string> expected = {
        "Creating Uploader",         "Put:URL:" + server.url(),
        "Put:User:tenant-user",      "Put:Password:********",
        "Put:Date:1/1/2000",         "Uploading Tenants:" + server.url(),
        "Connection opened",         "Uploaded Setup line 0",
        "Result: Accepted s",        "Uploaded Setup line 2",
        "Result: Accepted s",        "Uploaded Tenant",
        "Result: Accepted t",        "Received Data:",
        "P1,U1,T1",                  "",
        "",                          "Upload Tenants End"};
    EXPECT_EQ(logLines(), expected);
    // The date is stored only: no request carries it.
    for (const auto& r : server.requests()) {
        EXPECT_EQ(r.target.find("date"), std::string::npos);
    }
}

} // namespace
