#include "ui/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The names of Qt's catalogues, in the order of the languages.
constexpr const char* kCatalogues[varko::kLanguageCount] = {nullptr, "qt_de", "qt_fr", "qt_cs"};

} // namespace

QtTexts::QtTexts(QObject* parent) : QObject(parent), translator_(new QTranslator(this)) {}

bool QtTexts::use(varko::Language language) {
    QCoreApplication::removeTranslator(translator_);
    const char* catalogue = kCatalogues[varko::columnOf(language)];
    if (catalogue == nullptr)
        return true;
    if (!translator_->load(QString::fromLatin1(catalogue),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator_);
    return true;
}
