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
DocumentOpener* installed = nullptr;

} // namespace

DocumentOpener& DocumentOpener::current() {
    return installed != nullptr ? *installed : desktopOpener;
}

void DocumentOpener::install(DocumentOpener* opener) {
    installed = opener;
}
