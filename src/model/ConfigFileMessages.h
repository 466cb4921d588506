#pragma once
// Messages about the program's own files (the settings and the last state), in its four
// languages. Unlike the numbered messages they name the files, so the user can find them.

#include "model/Language.h"
#include <QString>
#include <QStringList>
#include <cstdint>

namespace varko {

// At start-up, for a settings file that could not be read: where it went, or (movedTo empty)
// that it could not be moved either.
QString unreadableSettingsText(const QString& path, const QString& movedTo, Language language);

// At close, for the files that could not be written; each keeps what it held before.
QString filesNotSavedText(const QStringList& paths, Language language);

} // namespace varko
