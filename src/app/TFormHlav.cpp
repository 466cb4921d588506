#include "app/TFormHlav.h"

TFormHlav::TFormHlav(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FormHlav");
}

void TFormHlav::FormCreate() {
    paramImage.bike() = 20;
}
