// The desktop program's screens, driven through their object names on the offscreen platform: the
// main menu's guards and its "Upload All Info NOW" against the service stand-in, the start-up and
// "Reset Log in" login screen, the version label, and the exchange file viewer. Message boxes and
// questions are checked through the program's message interface.
#include "CredentialStore.h"
#include "DemoPortfolio.h"
#include "FrmLogin.h"
#include "FrmOrvantaMain.h"
#include "FrmViewFiles.h"
#include "Globals.h"
#include "HostDatabase.h"
#include "ScriptedMessenger.h"
#include "SimServer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

using namespace tp;
using tp::test::ScriptedMessenger;
using tp::test::SimServer;

namespace {

const std::string LoginLine =
    "[Login Message] You must have a valid LOGIN entry in the User Name, Password, and URL. Please correct that and "
    "try again.";

// Fills and closes the login screen as soon as it is shown modally.
void whenLoginShows(const std::function<void(FrmLogin&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* login = qobject_cast<FrmLogin*>(QApplication::activeModalWidget());
        QVERIFY(login);
        act(*login);
    });
}

void typeAndSave(FrmLogin& login, const QString& user, const QString& password, const QString& url) {
    login.findChild<QLineEdit*>("txtUserName")->setText(user);
    login.findChild<QLineEdit*>("txtPassword")->setText(password);
    login.findChild<QLineEdit*>("txtURL")->setText(url);
    QTest::mouseClick(login.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
}

}  // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    std::unique_ptr<Globals> g;
    std::unique_ptr<CredentialStore> store;
    std::unique_ptr<ScriptedMessenger> messenger;
    std::unique_ptr<FrmOrvantaMain> menu;

    void click(const char* name) {
        auto* button = menu->findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void loggedInAt(const std::string& url) {
        g->ServiceURL = url;
        g->ServiceUser = "demo";
        g->ServicePassword = "secret";
        g->LoginMissing = false;
        DeriveExchangeFileNames(*g);
    }

private slots:
    void init() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyport-gui-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        {
            auto db = HostDatabase::create(folder / HostDatabase::FileName);
            fillDemoPortfolio(*db);
        }
        std::ofstream(folder / "IDFILE.DAT", std::ios::binary) << demoIdFileText();
        g = std::make_unique<Globals>(folder);
        g->HostDatabase = HostDatabase::open(g->DatabasePath);
        store = std::make_unique<CredentialStore>(folder / "config" / "Hestora.ini");
        messenger = std::make_unique<ScriptedMessenger>();
        menu = std::make_unique<FrmOrvantaMain>(*g, *messenger, *store, defaultUploaderFactory());
    }

    void cleanup() {
        menu.reset();
        g.reset();
        std::filesystem::remove_all(folder);
    }

    void withoutLoginEveryServiceButtonShowsOnlyTheLoginMessage() {
        g->LoginMissing = true;
        for (const char* name : {"cmdUploadAll", "cmdDownloadPayment", "cmdMakePayments", "cmdTenantUpdate",
                                 "cmdOwnerUpdate", "cmdVendorUpdate"}) {
            messenger->shown.clear();
            click(name);
            QCOMPARE(messenger->lines(), std::vector<std::string>{LoginLine});
        }
        QVERIFY(!std::filesystem::exists(folder / "HX_Pelwin_Setup_HXOR.txt"));

        messenger->shown.clear();
        click("cmdViewFiles");
        QVERIFY(menu->viewerScreen().isVisible());
        menu->viewerScreen().close();
        QVERIFY(messenger->shown.empty());
    }

    void uploadAllAgainstTheStandInReportsSuccessAndFocusesExit() {
        SimServer sim;
        loggedInAt(sim.url());
        menu->show();
        click("cmdUploadAll");
        QCOMPARE(messenger->lines(),
                 std::vector<std::string>{"[Hestora Orvanta] Successful connection to Pelwin Payment Services!"});
        QCOMPARE(menu->focusWidget(), menu->findChild<QPushButton*>("cmdExit"));
        QCOMPARE(g->LastStatus, std::int16_t(200));
    }

    void uploadAllWithTheServiceUnreachableShowsTheDefaultMessage() {
        loggedInAt(tp::test::unreachableUrl());
        click("cmdUploadAll");
        QCOMPARE(messenger->lines(),
                 std::vector<std::string>{"[Orvanta error] The action could not be performed because of the "
                                          "following error: 9999\r\rPlease notify us of this error."});
        QVERIFY(std::filesystem::exists(folder / g->SetupFileName));
        QVERIFY(std::filesystem::exists(folder / g->TenantListFileName));
        QVERIFY(!messenger->busy);
    }

    void startUpLoginCancelShowsTheLoginMessageAndStoresNothing() {
        whenLoginShows([](FrmLogin& login) {
            QTest::mouseClick(login.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        QCOMPARE(menu->startUp(), StartUpOutcome::LoginMissing);
        QCOMPARE(messenger->lines(), std::vector<std::string>{LoginLine});
        QVERIFY(g->LoginMissing);
        QVERIFY(g->SetupFileName.empty());
        QVERIFY(!std::filesystem::exists(store->path()));
    }

    void startUpLoginSaveStoresTheTrimmedValuesEncodedAndRunsThePaymentCheck() {
        whenLoginShows([](FrmLogin& login) {
            QVERIFY(login.findChild<QLineEdit*>("txtUserName")->text().isEmpty());
            typeAndSave(login, "  jo ", "abc", " http://127.0.0.1:9/x ");
        });
        QCOMPARE(menu->startUp(), StartUpOutcome::Ready);
        QVERIFY(messenger->shown.empty());
        QCOMPARE(store->read("username"), std::string("mr"));
        QCOMPARE(store->read("password"), std::string("def"));
        QCOMPARE(g->ServiceUser, std::string("jo"));
        QCOMPARE(g->ServiceURL, std::string("http://127.0.0.1:9/x"));
        QCOMPARE(g->SetupFileName, std::string("HX_Pelwin_Setup_HXOR.txt"));
        QCOMPARE(g->RentIncomeDefault, std::string("Rent Income;B-4000"));  // the ID file was loaded
        QCOMPARE(menu->findChild<QLabel*>("labVersion")->text(), QString(TP_VERSION));
    }

    void resetLoginStoresCompleteValuesAndRefusesAnEmptyUrl() {
        whenLoginShows([](FrmLogin& login) { typeAndSave(login, "ann", "pw", ""); });
        click("cmdLogin");
        QCOMPARE(messenger->lines(), std::vector<std::string>{LoginLine});
        QVERIFY(!std::filesystem::exists(store->path()));

        messenger->shown.clear();
        whenLoginShows([](FrmLogin& login) { typeAndSave(login, "ann", "pw", "http://h/upload.php"); });
        click("cmdLogin");
        QVERIFY(messenger->shown.empty());
        QCOMPARE(store->read("username"), std::string("dqq"));
        QVERIFY(!g->LoginMissing);
        // The credentials became complete: the names are derived and the ID file is read.
        QCOMPARE(g->TenantListFileName, std::string("HX_Pelwin_Tenant_HXOR.txt"));
        QCOMPARE(g->LateFeeRemarkDefault, std::string("MONTH Late Fee"));
        QCOMPARE(&menu->loginScreen(), menu->findChild<FrmLogin*>("frmLogin"));
    }

    void viewerShowsAFileAndDeletesItAfterYesWhileTheMenuStaysUsable() {
        loggedInAt("http://127.0.0.1:9/upload.php");
        std::ofstream(folder / g->SetupFileName, std::ios::binary) << "one\r\ntwo\r\n";
        menu->show();
        click("cmdViewFiles");
        FrmViewFiles& viewer = menu->viewerScreen();
        QVERIFY(viewer.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(viewer.windowTitle(), QString("Orvanta Files"));

        auto options = viewer.findChildren<QRadioButton*>();
        QCOMPARE(options.size(), 9);
        QVERIFY(!options[0]->isChecked());
        QTest::mouseClick(viewer.findChild<QRadioButton*>("optFiles_0"), Qt::LeftButton);
        auto* list = viewer.findChild<QListWidget*>("lstFileContents");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("two\r"));

        messenger->answerNext(Answer::Yes);
        QTest::mouseClick(viewer.findChild<QPushButton*>("cmdDelete"), Qt::LeftButton);
        QCOMPARE(messenger->lines(),
                 (std::vector<std::string>{
                     "[Delete File] Are you SURE you want to delete the file: HX_Pelwin_Setup_HXOR.txt?",
                     "[Delete File] File Deleted!"}));
        QVERIFY(!std::filesystem::exists(folder / g->SetupFileName));
        QCOMPARE(list->count(), 3);  // the list keeps the deleted file's lines

        // The menu still answers while the viewer is open, and the viewer is reused.
        messenger->shown.clear();
        g->LoginMissing = true;
        click("cmdUploadAll");
        QCOMPARE(messenger->lines(), std::vector<std::string>{LoginLine});
        click("cmdViewFiles");
        QCOMPARE(&menu->viewerScreen(), &viewer);
        viewer.close();
    }
};

QTEST_MAIN(MainMenuTest)
#include "MainMenuTest.moc"
