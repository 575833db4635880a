// frmLogin: the login screen. Its three boxes start empty every time it opens; Save puts the
// trimmed entries into the shared state and closes it (whoever opened it stores them), Cancel
// closes it and changes nothing.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tp {

struct Globals;

class FrmLogin : public QDialog {
    Q_OBJECT
public:
    FrmLogin(Globals& g, QWidget* parent = nullptr);

    // Shows the screen modally; true when it was closed with Save.
    bool showModal();

private:
    void cmdSave_Click();

    Globals& g_;
    QLineEdit* txtUserName_;
    QLineEdit* txtPassword_;
    QLineEdit* txtURL_;
};

}  // namespace tp
