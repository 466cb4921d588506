#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        const QString qtPattern = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        const QString bracketed = '(' + pattern + ')';
        if (description.endsWith(bracketed)) {
            description.chop(bracketed.size());
            filters << description + '(' + qtPattern + ')';
        } else {
            filters << description + " (" + qtPattern + ')';
        }
    }
    return filters;
}

namespace {

class DesktopFileDialogs final : public FileDialogs {
public:
    bool execute(QWidget* parent, FileDialog& dialog) override {
        const bool save = dialog.kind == FileDialog::Kind::Save;
        QFileDialog box(parent);
        box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = qtNameFilters(dialog.filter);
        box.setNameFilters(filters);
        if (dialog.filterIndex >= 1 && dialog.filterIndex <= filters.size())
            box.selectNameFilter(filters[dialog.filterIndex - 1]);
        box.setDefaultSuffix(dialog.defaultExt);
        if (!dialog.fileName.isEmpty()) {
            const QFileInfo file(dialog.fileName);
            box.setDirectory(file.absolutePath());
            box.selectFile(file.fileName());
        }
        if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
            return false;
        dialog.fileName = box.selectedFiles().constFirst();
        dialog.filterIndex = static_cast<int>(filters.indexOf(box.selectedNameFilter())) + 1;
        return true;
    }
};

DesktopFileDialogs desktopDialogs;
FileDialogs* installedDialogs = nullptr;

} // namespace

FileDialogs& FileDialogs::current() {
    return installedDialogs != nullptr ? *installedDialogs : desktopDialogs;
}

void FileDialogs::install(FileDialogs* dialogs) {
    installedDialogs = dialogs;
}
