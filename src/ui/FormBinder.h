#pragma once
// The window's controls as a view of the document's set: shows the set in the controls with the
// display rules, and takes what the controls hold into a set (a typed value not yet taken
// included). It owns the form state and runs its own changes of the controls without their
// handlers; it follows the document, so nobody has to tell it when to show.

#include "document/Document.h"
#include "model/FormMapping.h"
#include "model/ParamImage.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QMainWindow;
struct MainWindowUi;

class FormBinder final : public QObject {
    Q_OBJECT
public:
    // The controls of ui must be built, control tables included.
    FormBinder(QMainWindow& window, MainWindowUi& ui, varko::Document& document);

    // The document's set into the controls, then the display rules and the map's cells.
    void show();
    // What the controls hold into image.
    void commitPending(varko::ParamImage& image);
    // What the controls hold, then change when given, as one change of the document's set.
    void commit(varko::ChangeOrigin origin, const varko::Document::Change& change = {});
    // What image becomes when the controls show it and give it back: their ranges and lists
    // (a model code the list does not hold leaves the list where it is).
    void passThrough(varko::ParamImage& image) const;
    // The model the list shows; the start-up model while it shows none.
    std::uint8_t listedBike() const;

    void applyDisplayRules();
    // The unit's firmware name, date and time, which the rules show in the unit's labels.
    void setUnitTexts(const std::array<QString, 3>& texts);
    // While a printout is taken the rules give the printing look.
    void setPrinting(bool on);
    bool printing() const { return printing_; }

    // Switches the page; the focus leaving an edit on the old page runs no handler.
    void showPage(int page);
    // Only the tab of the page left visible, so that page is in front; and all tabs again.
    void showOnlyTab(int page);
    void showEveryTab();

    // Set while the binder itself changes the controls: a focus move caused by hiding or
    // disabling a control then runs no handler.
    bool updatingControls() const { return updating_; }

private:
    void readChoices();
    void writeControls();
    void withoutHandlers(const std::function<void()>& change);

    QMainWindow& window_;
    MainWindowUi& ui_;
    varko::Document& document_;
    varko::FormState state_;
    std::array<QString, 3> unitTexts_;
    bool printing_ = false;
    bool updating_ = false;
};
