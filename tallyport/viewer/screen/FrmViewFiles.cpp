#include "FrmViewFiles.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tp {

FrmViewFiles::FrmViewFiles(Globals& g, Messenger& messenger, QWidget* parent)
    : QWidget(parent), viewer_(g, messenger) {
    setObjectName("frmViewFiles");
    setWindowTitle("Orvanta Files");
    resize(900, 600);

    labHeading_ = new QLabel(this);
    labHeading_->setObjectName("labHeading");
    labHeading_->setWordWrap(true);
    optFiles_ = new QGroupBox("File List:", this);
    optFiles_->setObjectName("optFiles");
    optionLayout_ = new QVBoxLayout(optFiles_);
    options_ = new QButtonGroup(this);
    lstFileContents_ = new QListWidget(this);
    lstFileContents_->setObjectName("lstFileContents");
    lstFileContents_->setUniformItemSizes(true);  // large files stay quick to show
    auto* cmdDelete = new QPushButton("&DELETE the selected file", this);
    cmdDelete->setObjectName("cmdDelete");
    auto* cmdExit = new QPushButton("&Exit", this);
    cmdExit->setObjectName("cmdExit");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labHeading_);
    layout->addWidget(optFiles_);
    layout->addWidget(lstFileContents_, 1);
    layout->addLayout(buttons);

    connect(options_, &QButtonGroup::idClicked, this, &FrmViewFiles::optFiles_Click);
    connect(cmdDelete, &QPushButton::clicked, this, [this] { viewer_.deleteChosen(); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void FrmViewFiles::open() {
    if (!isVisible()) Form_Load();
    show();
    raise();
    activateWindow();
}

void FrmViewFiles::Form_Load() {
    labHeading_->setText(ExchangeFileViewer::Heading);
    for (QAbstractButton* old : options_->buttons()) {
        options_->removeButton(old);
        delete old;
    }
    int index = 0;
    for (const ExchangeFileViewer::Entry& entry : viewer_.entries()) {
        auto* option = new QRadioButton(QString::fromStdString(entry.caption), optFiles_);
        option->setObjectName(QString("optFiles_%1").arg(index));
        optionLayout_->addWidget(option);
        options_->addButton(option, index++);
    }
    lstFileContents_->clear();
}

void FrmViewFiles::optFiles_Click(int index) {
    lstFileContents_->clear();
    QStringList lines;
    for (const std::string& line : viewer_.choose(index)) lines << QString::fromStdString(line);
    lstFileContents_->addItems(lines);
}

}  // namespace tp
