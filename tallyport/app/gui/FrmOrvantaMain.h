// frmOrvantaMain: the main menu, the program's home screen. Loading it runs start-up; its buttons
// open the other screens or run an exchange. Every command that needs the service guards itself
// with the login check; no button is ever disabled. The login screen and the viewer are created
// the first time they are opened and reused afterwards.
#pragma once

#include "StartUp.h"
#include "UploaderComponent.h"

#include <QWidget>

#include <memory>

class QPushButton;
class QLabel;

namespace tp {

struct Globals;
class Messenger;
class CredentialStore;
class FrmLogin;
class FrmViewFiles;

class FrmOrvantaMain : public QWidget, public LoginPrompt {
    Q_OBJECT
public:
    FrmOrvantaMain(Globals& g, Messenger& messenger, CredentialStore& store, UploaderFactory makeUploader,
                   QWidget* parent = nullptr);
    ~FrmOrvantaMain() override;

    // The start-up sequence (the form's load): centres the form, sets the version label and runs
    // start-up with the login screen and the payment check.
    StartUpOutcome startUp();

    bool showLogin(Globals& g) override;

    FrmLogin& loginScreen();
    FrmViewFiles& viewerScreen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdUploadAll_Click();
    void cmdDownloadPayment_Click();
    void cmdMakePayments_Click();
    void cmdUpdate_Click();
    void cmdLogin_Click();
    void cmdViewFiles_Click();

    Globals& g_;
    Messenger& messenger_;
    CredentialStore& store_;
    UploaderFactory makeUploader_;
    QPushButton* cmdExit_ = nullptr;
    QLabel* labVersion_ = nullptr;
    FrmLogin* login_ = nullptr;
    FrmViewFiles* viewer_ = nullptr;
};

}  // namespace tp
