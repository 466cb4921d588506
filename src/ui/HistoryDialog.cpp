#include "ui/HistoryDialog.h"

#include "ui/Texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace varko;

namespace {

HistoryText eventText(HistoryEvent event) {
    switch (event) {
    case HistoryEvent::Read:
        return HistoryText::Read;
    case HistoryEvent::Programmed:
        return HistoryText::Programmed;
    case HistoryEvent::BeforeProgramming:
        break;
    }
    return HistoryText::BeforeProgramming;
}

// "SIM01, 9.12.2026, #3": what is not known is left out.
QString unitText(const UnitIdentity& unit) {
    QStringList parts;
    for (const QString& part : {unit.name.trimmed(), unit.date.trimmed()}) {
        if (!part.isEmpty())
            parts << part;
    }
    if (unit.programmingCount >= 0)
        parts << QStringLiteral("#%1").arg(unit.programmingCount);
    return parts.join(QStringLiteral(", "));
}

QTreeWidgetItem* entryRow(const HistoryEntry& entry, int index, Language language) {
    auto* row = new QTreeWidgetItem({QLocale().toString(entry.when, QLocale::ShortFormat),
                                     historyText(eventText(entry.event), language),
                                     unitText(entry.unit), QFileInfo(entry.openFile).fileName()});
    row->setToolTip(3, entry.openFile);
    row->setData(0, Qt::UserRole, index);
    return row;
}

} // namespace

std::optional<HistoryEntry> chooseHistoryEntry(QWidget* parent, const QList<HistoryEntry>& entries,
                                               Language language) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("HistoryDialog"));
    dialog.setWindowTitle(historyText(HistoryText::Title, language));

    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("HistoryList"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHeaderLabels(
        {historyText(HistoryText::When, language), historyText(HistoryText::What, language),
         historyText(HistoryText::Unit, language), historyText(HistoryText::File, language)});
    for (int i = 0; i < entries.size(); ++i)
        list->addTopLevelItem(entryRow(entries[i], i, language));
    list->header()->resizeSections(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* open =
        buttons->addButton(historyText(HistoryText::Open, language), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("HistoryOpen"));
    QPushButton* cancel = buttons->addButton(historyText(HistoryText::Cancel, language),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("HistoryCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    const auto enableOpen = [list, open] { open->setEnabled(list->currentItem() != nullptr); };
    QObject::connect(list, &QTreeWidget::currentItemChanged, &dialog, enableOpen);
    list->setCurrentItem(list->topLevelItem(0)); // the newest
    enableOpen();

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(640, 360);

    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr)
        return std::nullopt;
    return entries[list->currentItem()->data(0, Qt::UserRole).toInt()];
}
