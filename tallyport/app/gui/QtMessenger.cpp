#include "QtMessenger.h"

#include <QApplication>
#include <QMessageBox>

namespace tp {
namespace {

QString shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtMessenger::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), shown(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

Answer QtMessenger::ask(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), shown(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtMessenger::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

}  // namespace tp
