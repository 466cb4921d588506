// The main window's steps that belong to the device link.

#include "app/MainWindow.h"
#include "app/WindowLink.h"

void MainWindow::openPort() {
    link->engine().openPort();
}

void MainWindow::closePort() {
    link->closePort();
}

void MainWindow::startAutoProgram() {
    link->startAutoProgram();
}
