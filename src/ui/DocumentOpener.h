#pragma once
// Showing a document in the desktop's own viewer, behind one door so a test can see which file
// was asked for instead of starting a viewer.

#include <QString>

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // Asks the desktop to show the file; false when it reports that it cannot.
    virtual bool open(const QString& path) = 0;

    static DocumentOpener& current();
    // Used from now on instead of the desktop; nullptr restores it. The caller keeps ownership
    // and installs nullptr before the object goes.
    static void install(DocumentOpener* opener);
};
