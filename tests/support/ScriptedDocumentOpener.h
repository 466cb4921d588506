#pragma once
// A desktop that records which documents it was asked to show and answers as scripted instead
// of starting a viewer. Installed for as long as the object lives.

#include "ui/DocumentOpener.h"

#include <QStringList>

class ScriptedDocumentOpener final : public DocumentOpener {
public:
    ScriptedDocumentOpener() { install(this); }
    ~ScriptedDocumentOpener() override { install(nullptr); }
    ScriptedDocumentOpener(const ScriptedDocumentOpener&) = delete;
    ScriptedDocumentOpener& operator=(const ScriptedDocumentOpener&) = delete;

    void open(const QString& path, QObject*, std::function<void()> failed) override {
        asked << path;
        if (!opens)
            failed();
    }

    QStringList asked;
    bool opens = true; // whether the desktop reports that it shows the document
};
