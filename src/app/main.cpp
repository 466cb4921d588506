#include "app/TFormHlav.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TFormHlav window;
    window.FormCreate();
    window.show();
    app.exec();
    return 0;
}
