#pragma once
// How the window names a compared value and shows it: the page it is on, the captions around
// its control in the current language, its value in the units of the window, and the controls
// that show it.

#include "model/ComparedValues.h"
#include "model/FormMapping.h"
#include "model/Language.h"

#include <QString>
#include <cstdint>
#include <vector>

class QWidget;
struct MainWindowUi;

struct ComparedValueName {
    int page = -1; // tab index; -1 for the other bytes, which no page shows
    QString pageCaption;
    QString caption;
};

// Reads the captions the window shows now, so the names follow the window's language.
ComparedValueName compareValueName(const QWidget* window, const MainWindowUi& ui,
                                   const varko::ComparedValue& value,
                                   const varko::FormState& windowState, varko::Language language);

// The value as the window shows it for the image whose controls would hold state. The other
// bytes show the raw values of those that differ from the counterpart.
QString compareValueText(const MainWindowUi& ui, const varko::ComparedValue& value,
                         const varko::ParamImage& image, const varko::FormState& state,
                         const varko::ParamImage& counterpart, varko::Language language);

// The controls that show the value; none for the other bytes.
std::vector<QWidget*> compareValueControls(const MainWindowUi& ui,
                                           const varko::ComparedValue& value);
