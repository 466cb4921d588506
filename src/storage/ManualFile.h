#pragma once
// Where a manual is looked for: beside the program, in the current directory and in the
// installed data folder (share/varko beside the program's bin folder), in that order.

#include <QString>
#include <QStringList>

namespace varko {

QStringList manualFolders();
// The full path of the first folder's file of that name; empty when no folder has it.
QString findManual(const QString& fileName);

} // namespace varko
