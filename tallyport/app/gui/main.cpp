// tallyport: the desktop program. It makes the program folder (--folder DIR, or the current
// folder) its working directory, runs start-up on the main menu and shows it.
#include "CredentialStore.h"
#include "FrmOrvantaMain.h"
#include "Globals.h"
#include "QtMessenger.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <filesystem>
#include <iostream>

#include <cstdlib>

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((!platform || !*platform) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::cerr << "No display is available: the desktop program needs one (use tallyport-cli instead).\n";
        return 3;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvanta");

    std::filesystem::path folder = std::filesystem::current_path();
    QString screenshot;  // --screenshot FILE: save a picture of the menu and quit (for the docs)
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) folder = args[++i].toStdString();
        else if (args[i] == "--screenshot" && i + 1 < args.size()) screenshot = args[++i];
        else {
            std::cerr << "usage: tallyport [--folder DIR]\n";
            return 2;
        }
    }
    auto programFolder = tp::enterProgramFolder(folder, std::cerr);
    if (!programFolder) return 1;

    tp::Globals g(*programFolder);
    tp::QtMessenger messenger;
    tp::CredentialStore store;
    tp::FrmOrvantaMain menu(g, messenger, store, tp::defaultUploaderFactory());
    if (menu.startUp() == tp::StartUpOutcome::EndProgram) return 1;
    menu.show();
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(500, &menu, [&] {
            menu.grab().save(screenshot);
            app.quit();
        });
    }
    return app.exec();
}
