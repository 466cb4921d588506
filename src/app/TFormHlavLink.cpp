// The main window's steps that belong to the device link.

#include "app/TFormHlav.h"
#include "app/WindowLink.h"

void TFormHlav::OpenComPort() {
    link->engine().OpenComPort();
}

void TFormHlav::CloseComPort() {
    link->Close();
}

void TFormHlav::StartAutoProgram() {
    link->engine().StartAutoProgram();
}
