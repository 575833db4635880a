// What goes on the wire: the request line, headers and body, the fixed target
// whatever the URL's path, the Base64 line breaks of data and token, CR and LF
// escaped only in the target, the line splitting, Windows-1252 text, and one
// kept-alive connection per operation.
#include "QuentaTestSupport.h"

using namespace qt;

namespace {

class QuentaRequestTest : public FolderTest {
protected:
    ScriptedServer server{[](const RecordedRequest& r) {
        return answer(200, r.op() == "p" ? "" : "OK\r\nsecond line\r\n");
    }};

    std::vector<RecordedRequest> ofOp(const std::string& op) const {
        std::vector<RecordedRequest> out;
        for (const auto& r : server.requests()) {
            if (r.op() == op) {
                out.push_back(r);
            }
        }
        return out;
    }
};

TEST_F(QuentaRequestTest, RequestIsAnHttp10GetWithTheParametersInQueryAndBody) {
    Uploader u;
    u.connect(server.url("/some/where/evendorpay.php?x=1"));
    const Outcome o = u.tenants("O1|Owner|Ann Lee\r\n", "");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.status, 200);

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const RecordedRequest& r : requests) {
        EXPECT_EQ(r.method, "GET");
        EXPECT_EQ(r.version, "HTTP/1.0");
        EXPECT_EQ(r.target.rfind("/integration/upload.php?op=", 0), 0u) << r.target;
        EXPECT_EQ(r.headers.at("connection"), "keep-alive");
        EXPECT_EQ(r.headers.at("content-type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(r.headers.at("user-agent"), "QuentaUploadLibrary/0.3");
        EXPECT_EQ(r.headers.count("authorization"), 0u);
        // The body is the parameter text unescaped; the query holds the same.
        EXPECT_EQ(r.query(), r.body);
        EXPECT_EQ(r.param("token"), r.bodyParam("token"));
        EXPECT_EQ(base64Decode(r.param("token")), "tenant-user:s3cret:");
    }
    EXPECT_EQ(requests[0].body, "op=s&data=" + requests[0].param("data") + "&token=" +
                                    requests[0].param("token"));
    EXPECT_EQ(requests[0].dataLine(), "O1|Owner|Ann Lee\r"); // CR kept, LF cut
    EXPECT_EQ(requests[1].body, "op=p&token=" + requests[1].param("token"));
}

TEST_F(QuentaRequestTest, Base64OutputBreaksAfterEveryComplete76CharacterLine) {
    struct Case {
        std::size_t length;
        std::string expectedShape; // L = 76 characters
    };
    const Case cases[] = {{56, "L"}, {57, "L\r\n"}, {58, "L\r\nxx=="}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string line;
        for (std::size_t i = 0; i < c.length; ++i) {
            line.push_back(static_cast<char>('!' + (i * 7) % 90));
        }
        Uploader u;
        u.connect(server.url());
        u.tenants(line, "");
        const RecordedRequest r = server.requests().at(server.requests().size() - 2);
        const std::string data = r.bodyParam("data");
        ASSERT_GE(data.size(), 76u);
        const std::string rest = data.substr(76);
        if (c.length == 56) {
            EXPECT_EQ(rest, "");
            EXPECT_EQ(data.back(), '=');
        } else if (c.length == 57) {
            EXPECT_EQ(rest, "\r\n");
        } else {
            ASSERT_EQ(rest.size(), 6u);
            EXPECT_EQ(rest.substr(0, 2), "\r\n");
            EXPECT_EQ(rest.substr(4), "==");
        }
        EXPECT_EQ(data.find_first_of("\r\n"), c.length == 56 ? std::string::npos : 76u);
        EXPECT_EQ(base64Decode(data), line);
        // The target carries the same text with only CR and LF escaped.
        EXPECT_EQ(r.param("data"), data);
        EXPECT_EQ(r.target.find_first_of("\r\n "), std::string::npos);
    }
}

TEST_F(QuentaRequestTest, TokenOf55CredentialCharactersEndsWithALineBreak) {
    struct Case {
        std::string user, password, tail;
    };
    const Case cases[] = {
        {std::string(27, 'u'), std::string(27, 'p'), ""},         // 54: 76 characters exactly
        {std::string(27, 'u'), std::string(28, 'p'), "\r\n"},     // 55: break at the very end
        {std::string(28, 'u'), std::string(28, 'p'), "\r\nxx=="}, // 56
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user.size() + c.password.size());
        Uploader u;
        u.connect(server.url(), c.user, c.password);
        u.tenants("", "");
        const RecordedRequest r = server.requests().back();
        const std::string token = r.bodyParam("token");
        ASSERT_EQ(token.size(), 76 + c.tail.size());
        EXPECT_EQ(token.substr(76, 2), c.tail.substr(0, 2));
        EXPECT_EQ(base64Decode(token), c.user + ":" + c.password + ":");
        if (!c.tail.empty()) {
            EXPECT_NE(r.target.find("%0D%0A"), std::string::npos);
        }
        EXPECT_EQ(logText().find(token.substr(0, 20)), std::string::npos);
    }
}

TEST_F(QuentaRequestTest, LinesAreCutAtLineFeedsAndShortOnesSkipped) {
    struct Case {
        const char* name;
        std::u16string setup;
        std::vector<std::string> sent;
        std::vector<std::string> loggedIndexes;
    };
    const Case cases[] = {
        {"five characters skipped, six sent", u"ABCDE\nABCDEF\n", {"ABCDEF"}, {"1"}},
        {"carriage return counts", u"ABCDE\r\nABCD\r\n", {"ABCDE\r"}, {"0"}},
        {"three CR LF lines, last empty line skipped",
         u"O1|Owner|A\r\nP1|Prop|B\r\nU1|Unit|C\r\n",
         {"O1|Owner|A\r", "P1|Prop|B\r", "U1|Unit|C\r"},
         {"0", "1", "2"}},
        {"text ends at its first zero", std::u16string(u"ABCDEFGH\nIJKLMN", 15) + u'\0' + u"\nOPQRSTU",
         {"ABCDEFGH", "IJKLMN"},
         {"0", "1"}},
        {"empty text sends only the payment request", u"", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove("QuentaDLL.log");
        const std::size_t before = server.requests().size();
        Uploader u;
        u.connect(server.url());
        Text setup(c.setup);
        QuentaBool result = 0;
        ASSERT_EQ(u->lpVtbl->UploadTenants(u.get(), setup.get(), nullptr, &result), QUENTA_S_OK);
        const auto all = server.requests();
        std::vector<std::string> sent;
        for (std::size_t i = before; i < all.size(); ++i) {
            if (all[i].op() == "s") {
                sent.push_back(all[i].dataLine());
            }
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(all.back().op(), "p");
        std::vector<std::string> indexes;
        for (const std::string& line : logLines()) {
            if (line.rfind("Uploaded Setup line ", 0) == 0) {
                indexes.push_back(line.substr(20));
            }
        }
        EXPECT_EQ(indexes, c.loggedIndexes);
    }
}

TEST_F(QuentaRequestTest, OneOperationUsesOneKeptAliveConnection) {
    Uploader u;
    u.connect(server.url());
    u.tenants("S000001\r\nS000002\r\nS000003\r\n", "T1|Ann|activate|\r\nT2|Bob|activate|\r\n");
    EXPECT_EQ(server.connections(), 1);
    EXPECT_EQ(server.requests().size(), 6u);
    u.bills("V1|Vendor|x|activate\r\n", "B1|V1||10\r\n", "B2|V1||20\r\n");
    EXPECT_EQ(server.connections(), 2); // a new operation opens its own connection
    for (const auto& r : server.requests()) {
        EXPECT_EQ(r.connection, r.op() == "s" || r.op() == "t" || r.op() == "p" ? 1 : 2);
    }
    const std::vector<std::string> ops = {"s", "s", "s", "t", "t", "p", "v", "b", "b"};
    std::vector<std::string> sent;
    for (const auto& r : server.requests()) {
        sent.push_back(r.op());
    }
    EXPECT_EQ(sent, ops);
}

TEST_F(QuentaRequestTest, TextsTravelAsWindows1252) {
    ScriptedServer latin([](const RecordedRequest& r) {
        return answer(200, r.op() == "p" ? std::string("P1,\x80\xE9\x81,T\n") : "OK\n");
    });
    Uploader u;
    u.connect(latin.url(), "Jos\xC3\xA9", "\xE2\x82\xAC\xF0\x9F\x98\x80"); // José, €😀
    const Outcome o = u.tenants("Caf\xC3\xA9 \xE2\x82\xAC \xE6\xBC\xA2|x", "");
    const auto requests = latin.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].dataLine(), "Caf\xE9 \x80 ?|x");
    EXPECT_EQ(base64Decode(requests[0].param("token")), "Jos\xE9:\x80?:");
    EXPECT_EQ(o.payments, "P1,\xE2\x82\xAC\xC3\xA9\xC2\x81,T\n"); // €, é and U+0081
}

} // namespace
