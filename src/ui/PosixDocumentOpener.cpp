#include "ui/DocumentOpener.h"

#include <QObject>
#include <QProcess>

namespace {

// xdg-open hands the file to the desktop's viewer and says by its exit status whether it could
// (2 to 4: no such file, no tool, no viewer). Where no desktop environment runs, it waits for the
// viewer instead, so its status comes when the viewer closes: a failure to start one still comes
// at once.
class XdgDocumentOpener final : public DocumentOpener {
public:
    void open(const QString& path, QObject* context, std::function<void()> failed) override {
        // Not a child of the window: the viewer may outlive the window's close, and deleting a
        // running QProcess would end it. Its output goes nowhere, so a viewer that writes after
        // the program has gone meets no closed pipe.
        auto* opener = new QProcess;
        opener->setStandardInputFile(QProcess::nullDevice());
        opener->setStandardOutputFile(QProcess::nullDevice());
        opener->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(opener, &QProcess::finished, context,
                         [failed](int exitCode, QProcess::ExitStatus status) {
                             if (status != QProcess::NormalExit || exitCode != 0)
                                 failed();
                         });
        QObject::connect(opener, &QProcess::errorOccurred, context,
                         [failed](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 failed();
                         });
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        QObject::connect(opener, &QProcess::errorOccurred, opener,
                         [opener](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 opener->deleteLater();
                         });
        opener->start(QStringLiteral("xdg-open"), {path});
    }
};

} // namespace

DocumentOpener& desktopDocumentOpener() {
    static XdgDocumentOpener opener;
    return opener;
}
