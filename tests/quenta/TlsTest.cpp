// https: the stand-in serves TLS with a certificate from a test authority.
// Trusted through QUENTA_CA_FILE the upload succeeds; a certificate for
// another host name, or one from an authority nobody named, is refused.
#include "QuentaTestSupport.h"

#include <cstdlib>

using namespace qt;

namespace {

class QuentaTlsTest : public FolderTest {
protected:
    void TearDown() override {
        unsetenv("QUENTA_CA_FILE");
        FolderTest::TearDown();
    }
    static std::string cert(const std::string& name) {
        return std::string(TEST_CERTIFICATE_FOLDER) + "/" + name;
    }
    std::string httpsUrl(const Sim& sim) const {
        return "https://127.0.0.1:" + std::to_string(sim.port()) + "/integration/evendorpay.php";
    }
};

TEST_F(QuentaTlsTest, TrustedAuthorityAndMatchingHostSucceed) {
    writeFile("pay.txt", "P1,U2,T2,100,6/1/2010,,6/2/2010,ACH,Rent\n");
    Sim sim(folder(), {"--user", "u", "--password", "p", "--payments", "pay.txt", "--cert",
                       cert("server.pem"), "--key", cert("server.key")});
    setenv("QUENTA_CA_FILE", cert("ca.pem").c_str(), 1);
    Uploader u;
    u.connect(httpsUrl(sim), "u", "p");
    const Outcome o = u.tenants("S000001\r\n", "");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.status, 200);
    EXPECT_EQ(o.payments, "P1,U2,T2,100,6/1/2010,,6/2/2010,ACH,Rent\n");
    EXPECT_NE(sim.output().find("conn=1 req=2 op=p status=200"), std::string::npos)
        << sim.output();
}

TEST_F(QuentaTlsTest, UntrustedOrMismatchedCertificateIsRefused) {
    struct Case {
        const char* name;
        const char* certificate;
        bool trustAuthority;
    };
    const Case cases[] = {
        {"certificate for another host name", "other", true},
        {"authority not trusted", "server", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim(folder(), {"--user", "u", "--password", "p", "--cert",
                           cert(std::string(c.certificate) + ".pem"), "--key",
                           cert(std::string(c.certificate) + ".key")});
        if (c.trustAuthority) {
            setenv("QUENTA_CA_FILE", cert("ca.pem").c_str(), 1);
        } else {
            unsetenv("QUENTA_CA_FILE");
        }
        Uploader u;
        u.connect(httpsUrl(sim), "u", "p");
        const Outcome o = u.tenants("S000001\r\n", "");
        EXPECT_EQ(o.result, 0);
        EXPECT_EQ(o.status, 9999);
        EXPECT_FALSE(o.payments.empty());
        EXPECT_EQ(sim.output().find("op="), std::string::npos); // nothing was sent
    }
}

} // namespace
