// The window a printout is taken from without the program running.

#include "app/MainWindow.h"
#include "app/WindowLink.h"

#include "document/Document.h"
#include "model/FormMapping.h"
#include "ui/FormBinder.h"

#include <QLabel>
#include <QProgressBar>

using namespace varko;

void MainWindow::startForPrintout(const ParamImage& image, const QString& file,
                                  std::uint8_t language) {
    buildParts();
    document_->setLanguage(language);
    // As Open leaves the window.
    ParamImage opened = image;
    normalize(opened, document_->settings());
    form_->passThrough(opened);
    document_->startWith(opened);
    ui.fileLabel->setText(file);
    ui.statusLabel->hide();
    ui.programGauge->hide();
    ui.dataErrorLabel->hide();
    ui.versionWarningLabel->hide();
    for (QLabel* label : ui.testLabels)
        label->hide();
}
