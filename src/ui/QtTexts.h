#pragma once
// Qt's own texts in the window's language: the buttons of message boxes and file dialogs, the
// file dialogs' labels, the edit fields' context menu and the names of keys in shortcuts. They
// come from Qt's translations (Debian's qt6-translations-l10n); without them Qt speaks English.

#include "model/Language.h"

#include <QObject>

class QTranslator;

class QtTexts : public QObject {
    Q_OBJECT
public:
    explicit QtTexts(QObject* parent = nullptr);

    // Qt's texts from now on in language, for the whole application; false when Qt has no
    // translation into it here (English needs none).
    bool use(varko::Language language);

private:
    QTranslator* translator_;
};
