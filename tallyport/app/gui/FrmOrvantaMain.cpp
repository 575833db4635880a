#include "FrmOrvantaMain.h"

#include "FrmLogin.h"
#include "FrmViewFiles.h"
#include "Globals.h"
#include "LoginCommand.h"
#include "Messenger.h"
#include "PaymentCheck.h"
#include "UploadAll.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tp {
namespace {

QLabel* wrappedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumWidth(260);
    return b;
}

// A frame holding its explanation above its button or buttons.
QGroupBox* frame(const QString& name, const QString& caption, QLabel* explanation,
                 std::initializer_list<QPushButton*> buttons, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) row->addWidget(b);
    row->addStretch();
    layout->addLayout(row);
    return box;
}

constexpr const char* NotYetText = "This command is not available in this version of Orvanta.";

}  // namespace

FrmOrvantaMain::FrmOrvantaMain(Globals& g, Messenger& messenger, CredentialStore& store,
                               UploaderFactory makeUploader, QWidget* parent)
    : QWidget(parent), g_(g), messenger_(messenger), store_(store), makeUploader_(std::move(makeUploader)) {
    setObjectName("frmOrvantaMain");
    setWindowTitle("Orvanta Main Menu");
    setMinimumWidth(600);

    auto* cmdUploadAll = button("cmdUploadAll", "&Upload All Info NOW", this);
    auto* cmdDownloadPayment = button("cmdDownloadPayment", "&Download and Post Rent Payments", this);
    auto* cmdMakePayments = button("cmdMakePayments", "Make Payments to Owners and Vendors", this);
    auto* cmdTenantUpdate = button("cmdTenantUpdate", "&Activate or Change TENANTS", this);
    auto* cmdOwnerUpdate = button("cmdOwnerUpdate", "&Activate or Change OWNERS", this);
    auto* cmdVendorUpdate = button("cmdVendorUpdate", "&Activate or Change VENDORS", this);
    for (QPushButton* b : {cmdTenantUpdate, cmdOwnerUpdate, cmdVendorUpdate}) b->setMinimumWidth(190);
    auto* cmdLogin = button("cmdLogin", "Reset Log in", this);
    auto* cmdViewFiles = button("cmdViewFiles", "View Files", this);
    for (QPushButton* b : {cmdLogin, cmdViewFiles}) b->setMinimumWidth(120);
    cmdExit_ = button("cmdExit", "&Exit", this);
    cmdExit_->setMinimumWidth(120);
    labVersion_ = new QLabel(this);
    labVersion_->setObjectName("labVersion");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel("labIntro",
                                   "Welcome to Hestora Orvanta! Choose from one of the options below to upload your "
                                   "information and download any payments that have been received.",
                                   this));
    layout->addWidget(frame("fraOption1", "Upload ALL Hestora Owners, Properties, Units, and Tenants",
                            wrappedLabel("Label1",
                                         "Use this step ONLY if you are setting up Orvanta for the first time OR if "
                                         "you have added or deleted any Owners, Properties, Units, or Tenants in the "
                                         "Hestora Program.",
                                         this),
                            {cmdUploadAll}, this));
    layout->addWidget(frame("fraOption2", "Check for any Tenant rent payments",
                            wrappedLabel("labStep2",
                                         "Use this step each time you want to download any Tenant rent payments that "
                                         "have been made. This will enable you to post the payments automatically to "
                                         "the Hestora ledgers, plus you can optionally charge management fees on "
                                         "those payments and create a register entry.",
                                         this),
                            {cmdDownloadPayment}, this));
    layout->addWidget(frame("fraOption4",
                            "Make Orvanta Payments for Owners or Vendors from the Hestora to their Bank Accounts",
                            wrappedLabel("labStep4",
                                         "Use this step to transfer any checks in the Entered Check File to the bank "
                                         "accounts of Owners or Vendors automatically. To do this, you must have "
                                         "already set up the bank accounts for transfer and have set the appropriate "
                                         "Owners or Vendors for payment using Orvanta.",
                                         this),
                            {cmdMakePayments}, this));
    layout->addWidget(frame("fraOption3", "Activate your Owners, Tenants, or Vendors to use Orvanta ",
                            wrappedLabel("labStep3",
                                         "Perform this step to activate or change the Owners, Tenants, or Vendors "
                                         "that use Orvanta service. You must use this section in order to activate "
                                         "any users of the Orvanta system.",
                                         this),
                            {cmdTenantUpdate, cmdOwnerUpdate, cmdVendorUpdate}, this));

    auto* utilities = new QVBoxLayout;
    utilities->addWidget(cmdLogin);
    utilities->addWidget(cmdViewFiles);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(utilities);
    bottom->addStretch();
    bottom->addWidget(cmdExit_, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(labVersion_, 0, Qt::AlignBottom | Qt::AlignRight);
    layout->addLayout(bottom);

    connect(cmdUploadAll, &QPushButton::clicked, this, &FrmOrvantaMain::cmdUploadAll_Click);
    connect(cmdDownloadPayment, &QPushButton::clicked, this, &FrmOrvantaMain::cmdDownloadPayment_Click);
    connect(cmdMakePayments, &QPushButton::clicked, this, &FrmOrvantaMain::cmdMakePayments_Click);
    for (QPushButton* b : {cmdTenantUpdate, cmdOwnerUpdate, cmdVendorUpdate})
        connect(b, &QPushButton::clicked, this, &FrmOrvantaMain::cmdUpdate_Click);
    connect(cmdLogin, &QPushButton::clicked, this, &FrmOrvantaMain::cmdLogin_Click);
    connect(cmdViewFiles, &QPushButton::clicked, this, &FrmOrvantaMain::cmdViewFiles_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
}

FrmOrvantaMain::~FrmOrvantaMain() { delete viewer_; }

StartUpOutcome FrmOrvantaMain::startUp() {
    // Word-wrapped explanations need the height that goes with the form's width.
    constexpr int Width = 720;
    resize(Width, layout()->totalHeightForWidth(Width));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    labVersion_->setText(TP_VERSION);
    return RunStartUp(g_, messenger_, store_, *this, CheckForPaymentFile);
}

FrmLogin& FrmOrvantaMain::loginScreen() {
    if (!login_) login_ = new FrmLogin(g_, this);
    return *login_;
}

FrmViewFiles& FrmOrvantaMain::viewerScreen() {
    // A window of its own (no parent), so that it stays usable beside the menu and may outlive it.
    if (!viewer_) viewer_ = new FrmViewFiles(g_, messenger_);
    return *viewer_;
}

bool FrmOrvantaMain::showLogin(Globals&) { return loginScreen().showModal(); }

void FrmOrvantaMain::cmdUploadAll_Click() {
    UploadAllInfoNow(g_, messenger_, makeUploader_);  // runs the login check itself
    if (!g_.LoginMissing) cmdExit_->setFocus();
}

void FrmOrvantaMain::cmdDownloadPayment_Click() {
    if (!LoginCheck(g_, messenger_)) return;
    messenger_.message(NotYetText, "Hestora Orvanta", MessageIcon::Information);
}

void FrmOrvantaMain::cmdMakePayments_Click() {
    if (!LoginCheck(g_, messenger_)) return;
    messenger_.message(NotYetText, "Hestora Orvanta", MessageIcon::Information);
}

void FrmOrvantaMain::cmdUpdate_Click() {
    if (!LoginCheck(g_, messenger_)) return;
    messenger_.message(NotYetText, "Hestora Orvanta", MessageIcon::Information);
}

void FrmOrvantaMain::cmdLogin_Click() {
    loginScreen().showModal();
    finishLogin(g_, messenger_, store_);
}

void FrmOrvantaMain::cmdViewFiles_Click() {
    FrmViewFiles& viewer = viewerScreen();
    viewer.open();
}

void FrmOrvantaMain::closeEvent(QCloseEvent* event) {
    g_.HostDatabase.reset();  // the database is released when the menu closes
    event->accept();
}

}  // namespace tp
