#include "ui/DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopDocumentOpener final : public DocumentOpener {
public:
    bool open(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

DesktopDocumentOpener desktopOpener;
DocumentOpener* installedOpener = nullptr;

} // namespace

DocumentOpener& DocumentOpener::current() {
    return installedOpener != nullptr ? *installedOpener : desktopOpener;
}

void DocumentOpener::install(DocumentOpener* opener) {
    installedOpener = opener;
}
