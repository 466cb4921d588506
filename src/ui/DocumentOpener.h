#pragma once
// Showing a document in the desktop's own viewer, behind one door so a test can see which file
// was asked for instead of starting a viewer. The platform's file (PosixDocumentOpener.cpp)
// supplies the desktop's way.

#include <QString>

#include <functional>

class QObject;

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // Asks the desktop to show the file. failed runs once the desktop has said that it cannot
    // (no opener, no viewer for the file): at once or a little later, on this thread, and never
    // after context is gone; it does not run when the document is shown.
    virtual void open(const QString& path, QObject* context, std::function<void()> failed) = 0;

    static DocumentOpener& current();
    // Used from now on instead of the desktop; nullptr restores it. The caller keeps ownership
    // and installs nullptr before the object goes.
    static void install(DocumentOpener* opener);
};

// The desktop's own way of showing a document.
DocumentOpener& desktopDocumentOpener();
