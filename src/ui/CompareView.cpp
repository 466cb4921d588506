#include "ui/CompareView.h"

#include "model/Messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using varko::Language;
using varko::textIn;
using varko::TextRow;

namespace {

// clang-format off
const TextRow kTitle = {"Compare with %1", "Vergleich mit %1", "Comparaison avec %1", "Porovnání s %1"}; // ours
const TextRow kPage = {"Page", "Seite", "Page", "Stránka"}; // ours
const TextRow kValue = {"Value", "Wert", "Valeur", "Hodnota"}; // ours
const TextRow kWindow = {"Window", "Fenster", "Fenêtre", "Okno"}; // ours
const TextRow kOther = {"Other", "Andere", "Autre", "Druhé"}; // ours
const TextRow kDiffer = {"%n value(s) differ.", "%n Wert(e) verschieden.", "%n valeur(s) différente(s).", "Liší se hodnot: %n."}; // ours
const TextRow kEqual = {"The sets are equal.", "Die Kenndaten sind gleich.", "Les paramètres sont identiques.", "Parametry jsou shodné."}; // ours
const TextRow kLacking = {"%n value(s) not in the file.", "%n Wert(e) nicht in der Datei.", "%n valeur(s) absente(s) du fichier.", "Hodnot, které soubor nemá: %n."}; // ours
const TextRow kNotInFile = {"not in the file", "nicht in der Datei", "absent du fichier", "není v souboru"}; // ours
const TextRow kTake = {"&Take", "Ü&bernehmen", "&Reprendre", "&Převzít"}; // ours
const TextRow kTakeHint = {"Copy the other value of the selected rows into the window", "Den anderen Wert der gewählten Zeilen ins Fenster übernehmen", "Copier l'autre valeur des lignes choisies dans la fenêtre", "Převzít druhou hodnotu vybraných řádků do okna"}; // ours
const TextRow kTakeAll = {"Take &all", "&Alle übernehmen", "Reprendre &tout", "Převzít &vše"}; // ours
const TextRow kClose = {"&Close", "&Schließen", "&Fermer", "&Zavřít"}; // ours
// clang-format on

QPushButton* addButton(QHBoxLayout* buttons, QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    buttons->addWidget(button);
    return button;
}

} // namespace

CompareView::CompareView(QWidget* window)
    : QDialog(window), summary_(new QLabel(this)), rows_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("FormCompare"));
    setModal(false);
    summary_->setObjectName(QStringLiteral("LabelCompareSummary"));
    rows_->setObjectName(QStringLiteral("TreeCompareRows"));
    rows_->setColumnCount(4);
    rows_->setRootIsDecorated(false);
    rows_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rows_->setUniformRowHeights(true);
    rows_->header()->setStretchLastSection(false);
    rows_->header()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* buttons = new QHBoxLayout;
    take_ = addButton(buttons, this, "ButtonCompareTake");
    takeAll_ = addButton(buttons, this, "ButtonCompareTakeAll");
    buttons->addStretch();
    close_ = addButton(buttons, this, "ButtonCompareClose");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(rows_);
    layout->addLayout(buttons);
    resize(640, 400);

    connect(take_, &QPushButton::clicked, this, &CompareView::takeSelected);
    connect(takeAll_, &QPushButton::clicked, this, &CompareView::takeAllRequested);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(rows_, &QTreeWidget::itemSelectionChanged, this, &CompareView::updateButtons);
    connect(rows_, &QTreeWidget::itemDoubleClicked, this, &CompareView::takeSelected);
}

void CompareView::showRows(const QList<CompareRow>& rows, const QString& otherName,
                           Language language) {
    setWindowTitle(textIn(kTitle, language).arg(otherName));
    rows_->setHeaderLabels({textIn(kPage, language), textIn(kValue, language),
                            textIn(kWindow, language), textIn(kOther, language)});
    const auto lacking = std::count_if(rows.begin(), rows.end(),
                                       [](const CompareRow& row) { return row.otherLacks; });
    const auto differing = rows.size() - lacking;
    QStringList summary;
    if (differing > 0)
        summary << textIn(kDiffer, language).replace("%n", QString::number(differing));
    if (lacking > 0)
        summary << textIn(kLacking, language).replace("%n", QString::number(lacking));
    summary_->setText(rows.isEmpty() ? textIn(kEqual, language) : summary.join(' '));
    take_->setText(textIn(kTake, language));
    take_->setToolTip(textIn(kTakeHint, language));
    takeAll_->setText(textIn(kTakeAll, language));
    close_->setText(textIn(kClose, language));

    rows_->clear();
    takeable_.clear();
    QList<QTreeWidgetItem*> items;
    for (const CompareRow& row : rows) {
        const QString other = row.otherLacks ? textIn(kNotInFile, language) : row.otherValue;
        items << new QTreeWidgetItem(QStringList{row.page, row.caption, row.windowValue, other});
        takeable_ << !row.otherLacks;
    }
    rows_->addTopLevelItems(items);
    for (int column = 0; column < rows_->columnCount(); ++column) {
        if (column != 1)
            rows_->resizeColumnToContents(column);
    }
    updateButtons();
}

void CompareView::takeSelected() {
    QList<int> selected;
    for (QTreeWidgetItem* item : rows_->selectedItems())
        selected << rows_->indexOfTopLevelItem(item);
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    emit takeRequested(selected);
}

bool CompareView::takeable(QTreeWidgetItem* item) const {
    return takeable_.value(rows_->indexOfTopLevelItem(item));
}

void CompareView::updateButtons() {
    const QList<QTreeWidgetItem*> selected = rows_->selectedItems();
    take_->setEnabled(std::any_of(selected.begin(), selected.end(),
                                  [this](QTreeWidgetItem* item) { return takeable(item); }));
    takeAll_->setEnabled(takeable_.contains(true));
}
