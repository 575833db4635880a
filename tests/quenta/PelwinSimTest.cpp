// The stand-in's own behaviour: the token check, the one script path, the
// payments handed out once, bill answers 0 and 4, accepted bills not counted
// twice, the state kept between runs, and the raw parameters ("+" stays "+",
// CR LF inside the data). Driven through the component where it can be, and
// with raw requests where the component would never send them.
#include "QuentaTestSupport.h"

using namespace qt;

namespace {

class PelwinSimTest : public FolderTest {
protected:
    std::vector<std::string> credentials() const { return {"--user", "u", "--password", "p"}; }
};

TEST_F(PelwinSimTest, WrongTokenGets401AndOtherPathsGet404) {
    Sim sim(folder(), credentials());
    Uploader u;
    u.connect(sim.url(), "u", "wrong");
    EXPECT_EQ(u.tenants("S000001\r\n", "").status, 401);

    const std::string token = "dTpwOg=="; // u:p:
    const std::string other = rawExchange(
        sim.port(), "GET /integration/other.php?op=p&token=" + token +
                        " HTTP/1.0\r\nHost: x\r\n\r\n");
    EXPECT_EQ(other.rfind("HTTP/1.0 404", 0), 0u) << other;
    const std::string right = rawExchange(
        sim.port(), "GET /integration/upload.php?op=p&token=" + token +
                        " HTTP/1.0\r\nHost: x\r\n\r\n");
    EXPECT_EQ(right.rfind("HTTP/1.0 200", 0), 0u) << right;
    // Parameters may come in the body alone.
    const std::string body = "op=p&token=" + token;
    const std::string inBody = rawExchange(
        sim.port(), "GET /integration/upload.php HTTP/1.0\r\nHost: x\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\n\r\n" + body);
    EXPECT_EQ(inBody.rfind("HTTP/1.0 200", 0), 0u) << inBody;
}

TEST_F(PelwinSimTest, PaymentsAreHandedOutOnce) {
    writeFile("pay.txt", "P1,U2,T2,100,6/1/2010,,6/2/2010,ACH,Rent\nP1,U3,T3,50,6/1/2010,77,6/2/2010,Check,Late Fee");
    Sim sim(folder(), {"--user", "u", "--password", "p", "--payments", "pay.txt", "--fail", "s=503"});
    {
        Uploader u;
        u.connect(sim.url(), "u", "p");
        const Outcome o = u.tenants("", "");
        EXPECT_EQ(o.payments, "P1,U2,T2,100,6/1/2010,,6/2/2010,ACH,Rent\n"
                              "P1,U3,T3,50,6/1/2010,77,6/2/2010,Check,Late Fee\n");
        const Outcome again = u.tenants("S000001\r\n", "");
        EXPECT_EQ(again.status, 503); // the --fail on "s"
        EXPECT_EQ(again.result, 1);
        EXPECT_EQ(again.payments, "");
    }
    const std::string out = sim.stop();
    EXPECT_NE(out.find("stopped: requests=3 connections=2"), std::string::npos) << out;
}

TEST_F(PelwinSimTest, BillsAreAcceptedForActivatedPayeesOnlyAndOnce) {
    Sim sim(folder(), {"--user", "u", "--password", "p", "--state", "state.txt"});
    Uploader u;
    u.connect(sim.url(), "u", "p");
    const Outcome first = u.bills(
        "V3|Vendor|Acme|1 Main St|Town|ST|12345||||||a@b.c|activate\r\n"
        "O5|Owner|Ann Lee|2 Oak St|Town|ST|12345||||||a@b.c|deactivate\r\n"
        "O%5|Owner|Bob Lee|2 Oak St|Town|ST|12345|||||||activate\r\n",
        "B1|V3|June|10.5\r\nB2|O5||20\r\nB3|O%5||30\r\nB4|V9||40\r\n", "B1|V3|June|10.5\r\n");
    EXPECT_EQ(first.status, 200);
    EXPECT_EQ(first.payments, "V3,B1,0\nO5,B2,4\nO%5,B3,0\nV9,B4,4\nV3,B1,0\n");
    EXPECT_EQ(readFile("state.txt"),
              "participant\tO%5\tactivate\nparticipant\tO5\tdeactivate\n"
              "participant\tV3\tactivate\nbill\tB1\nbill\tB3\n");
    sim.stop();

    // A later run knows the activated payees and the accepted bills.
    Sim later(folder(), {"--user", "u", "--password", "p", "--state", "state.txt"});
    Uploader v;
    v.connect(later.url(), "u", "p");
    EXPECT_EQ(v.bills("", "B5|V3||1\r\nB3|O%5||30\r\nB6|O5||2\r\n", "").payments,
              "V3,B5,0\nO%5,B3,0\nO5,B6,4\n");
    EXPECT_NE(readFile("state.txt").find("bill\tB5\n"), std::string::npos);
}

TEST_F(PelwinSimTest, DataKeepsPlusSignsAndLineBreaks) {
    Sim sim(folder(), credentials());
    Uploader u;
    u.connect(sim.url(), "u", "p");
    // "~~~" encodes as "fn5+", "???" as "Pz8/"; 60 characters break the Base64 line.
    const std::string line = "T1|~~~|???|" + std::string(49, 'x');
    EXPECT_EQ(u.tenants("", line + "\r\n").status, 200);
    EXPECT_NE(sim.output().find("op=t status=200 data=\"" + line + "\\r\""), std::string::npos)
        << sim.output();
}

TEST_F(PelwinSimTest, FaultOptionsStallDropAndFail) {
    // Dropping the connection is a network error for the component.
    Sim dropping(folder(), {"--user", "u", "--password", "p", "--drop", "p"});
    Uploader u;
    u.connect(dropping.url(), "u", "p");
    const Outcome dropped = u.tenants("S000001\r\n", "");
    EXPECT_EQ(dropped.status, 9999);
    EXPECT_EQ(dropped.result, 0);

    Sim failing(folder(), {"--user", "u", "--password", "p", "--fail", "v=501", "--fail", "b=503"});
    Uploader v;
    v.connect(failing.url(), "u", "p");
    const Outcome failed = v.bills("V3|Vendor|x|||||||||||activate\r\n", "B1|V3||1\r\n", "");
    EXPECT_EQ(failed.status, 501);
    EXPECT_EQ(failed.payments, "");

    // A stalled answer comes, late, after the configured time.
    Sim stalling(folder(), {"--user", "u", "--password", "p", "--stall", "p",
                            "--stall-seconds", "1"});
    const std::string late = rawExchange(
        stalling.port(), "GET /integration/upload.php?op=p&token=dTpwOg== HTTP/1.0\r\n\r\n");
    EXPECT_EQ(late.rfind("HTTP/1.0 200", 0), 0u) << late;
    EXPECT_NE(stalling.output().find("op=p status=200 stalled"), std::string::npos);
}

} // namespace
