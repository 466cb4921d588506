#include "ui/DocumentOpener.h"

namespace {

DocumentOpener* installedOpener = nullptr;

} // namespace

DocumentOpener& DocumentOpener::current() {
    return installedOpener != nullptr ? *installedOpener : desktopDocumentOpener();
}

void DocumentOpener::install(DocumentOpener* opener) {
    installedOpener = opener;
}
