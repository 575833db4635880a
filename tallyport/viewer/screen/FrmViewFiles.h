// frmViewFiles: the exchange file viewer's screen, an ordinary window beside the menu. Each time
// it opens it lists the nine exchange files with no entry chosen; choosing one shows its lines,
// and the delete button removes the chosen file after a question.
#pragma once

#include "ExchangeFileViewer.h"

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QVBoxLayout;

namespace tp {

class FrmViewFiles : public QWidget {
    Q_OBJECT
public:
    FrmViewFiles(Globals& g, Messenger& messenger, QWidget* parent = nullptr);

    // Loads the screen (heading and entries) when it is not open, and shows it.
    void open();

private:
    void Form_Load();
    void optFiles_Click(int index);

    ExchangeFileViewer viewer_;
    QLabel* labHeading_;
    QGroupBox* optFiles_;
    QVBoxLayout* optionLayout_;
    QButtonGroup* options_;
    QListWidget* lstFileContents_;
};

}  // namespace tp
