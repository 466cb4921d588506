#include "app/SaveAndUnitFields.h"

#include "document/Document.h"
#include "model/Messages.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

using namespace varko;

namespace {

// clang-format off
const TextRow kSaved = {"Saved", "Gespeichert", "Enregistré", "Uloženo"}; // ours
const TextRow kNotSaved = {"Not saved", "Nicht gespeichert", "Non enregistré", "Neuloženo"}; // ours
const TextRow kFileHint = {
    "Whether the set differs from the file last opened or saved",
    "Ob sich die Kenndaten von der zuletzt geöffneten oder gespeicherten Datei unterscheiden",
    "Si les paramètres diffèrent du dernier fichier ouvert ou enregistré",
    "Zda se parametry liší od naposledy otevřeného nebo uloženého souboru",
}; // ours
const TextRow kInUnit = {"In unit", "In der Zündung", "Dans le boitier", "V zapalování"}; // ours
const TextRow kNotInUnit = {"Not in unit", "Nicht in der Zündung", "Pas dans le boitier", "Není v zapalování"}; // ours
const TextRow kUnitHint = {
    "Whether the set differs from what the unit last confirmed by read, program or verify",
    "Ob sich die Kenndaten von dem unterscheiden, was die Zündung zuletzt beim Lesen, Programmieren oder Vergleichen bestätigt hat",
    "Si les paramètres diffèrent de ce que le boitier a confirmé en dernier par lecture, programmation ou vérification",
    "Zda se parametry liší od toho, co zapalování naposledy potvrdilo čtením, programováním nebo verifikací",
}; // ours
// clang-format on

QLabel* addField(QStatusBar* bar, const char* name) {
    auto* field = new QLabel(bar);
    field->setObjectName(name);
    field->setContentsMargins(6, 0, 6, 0);
    bar->addPermanentWidget(field);
    return field;
}

void showState(QLabel* field, bool same, const TextRow& sameText, const TextRow& otherText,
               const TextRow& hint, Language language) {
    // Runs on every edit: a field that keeps its text keeps its hint and look as well, and is
    // not restyled.
    const QString text = textIn(same ? sameText : otherText, language);
    if (field->text() == text)
        return;
    field->setText(text);
    field->setToolTip(textIn(hint, language));
    // The state worth a second look stands out.
    field->setStyleSheet(same ? QString() : QStringLiteral("color: #a00000;"));
}

} // namespace

SaveAndUnitFields::SaveAndUnitFields(QMainWindow& window, const Document& document)
    : QObject(&window), document_(document), fileField_(addField(window.statusBar(), "LabelSaved")),
      unitField_(addField(window.statusBar(), "LabelInUnit")) {
    connect(&document, &Document::knownSetsChanged, this, &SaveAndUnitFields::show);
    connect(&document, &Document::languageChanged, this, &SaveAndUnitFields::show);
}

void SaveAndUnitFields::show() {
    const Language language = document_.language();
    showState(fileField_, document_.isSaved(), kSaved, kNotSaved, kFileHint, language);
    showState(unitField_, document_.isInUnit(), kInUnit, kNotInUnit, kUnitHint, language);
}
