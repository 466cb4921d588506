#pragma once
// The platform's default printer behind one door, so a test can take the printed pages (or
// refuse them) instead of a print server.

#include <QPicture>
#include <QString>

class Printers {
public:
    virtual ~Printers() = default;

    // The name of the default printer; empty when no printer is set up.
    virtual QString defaultPrinter() = 0;
    // One job of one page on the default printer, without a dialog: the picture fitted to the
    // printable page at its top-left corner. Returns an empty string once the printer has taken
    // the job, else what the printing system said.
    virtual QString printPage(const QPicture& page, const QString& title) = 0;

    static Printers& current();
    // Used from now on instead of the platform's printer; nullptr restores it. The caller keeps
    // ownership and installs nullptr before the object goes.
    static void install(Printers* printers);
};
