#pragma once
// The main window. It owns the whole state of a run: the parameter image, the link, the undo
// history, the settings; the logic lives in the headless layers and this class wires it up.

#include "model/ParamImage.h"

#include <QMainWindow>

class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlav(QWidget* parent = nullptr);

    const varko::ParamImage& image() const { return paramImage; }

    void FormCreate();

private:
    varko::ParamImage paramImage;
};
