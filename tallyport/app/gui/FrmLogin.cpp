#include "FrmLogin.h"

#include "Globals.h"
#include "LoginCommand.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tp {
namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit* textBox(const QString& name, QWidget* parent) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    return t;
}

}  // namespace

FrmLogin::FrmLogin(Globals& g, QWidget* parent) : QDialog(parent), g_(g) {
    setObjectName("frmLogin");
    setWindowTitle("Orvanta Login Page");
    setModal(true);

    auto* instructions = label("labInstructions",
                               "You must enter all 3 items below the first time your access your account. Please type "
                               "carefully and enter the User Name, Password, and URL that you have been assigned. DO "
                               "NOT ENTER ANYTHING UNLESS YOUR ACCOUNT IS NEW OR HAS CHANGED.",
                               this);
    instructions->setWordWrap(true);

    txtUserName_ = textBox("txtUserName", this);
    txtPassword_ = textBox("txtPassword", this);  // shown in clear, as users type it from their letter
    txtURL_ = textBox("txtURL", this);
    txtURL_->setMinimumWidth(360);

    auto* grid = new QGridLayout;
    grid->addWidget(label("labUserName", "User Name: ", this), 0, 0);
    grid->addWidget(txtUserName_, 0, 1);
    grid->addWidget(label("labPassword", "Password:", this), 1, 0);
    grid->addWidget(txtPassword_, 1, 1);
    grid->addWidget(label("labURL", "URL: ", this), 2, 0);
    grid->addWidget(txtURL_, 2, 1);

    auto* cmdSave = new QPushButton("&Save and Exit", this);
    cmdSave->setObjectName("cmdSave");
    cmdSave->setDefault(true);
    auto* cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, &FrmLogin::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool FrmLogin::showModal() {
    txtUserName_->clear();
    txtPassword_->clear();
    txtURL_->clear();
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    return exec() == QDialog::Accepted;
}

void FrmLogin::cmdSave_Click() {
    applyLoginEntries(g_, txtURL_->text().toStdString(), txtUserName_->text().toStdString(),
                      txtPassword_->text().toStdString());
    accept();
}

}  // namespace tp
