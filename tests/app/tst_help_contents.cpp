// Help > Contents: the manual of the current language is looked for beside the program, in the
// current directory and in the installed data folder, and handed to the desktop; when it is not
// there or the desktop cannot show it, the error names the file.

#include "Controls.h"
#include "FlowsFixture.h"
#include "ScriptedDocumentOpener.h"
#include "model/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kFrenchManual = QStringLiteral("manual_briskal_varko_fr.pdf");
const QString kFrenchError =
    QStringLiteral("Erreur à l´ouvertur du Fichier manual_briskal_varko_fr.pdf !");

enum class Place { Nowhere, BesideProgram, CurrentDirectory, InstalledData };

// A manual file where the row puts it, removed again with the folders made for it; the test's
// current directory is an empty temporary one meanwhile.
class PlacedManual {
public:
    explicit PlacedManual(Place place) : previousCurrent_(QDir::currentPath()) {
        QDir::setCurrent(current_.path());
        const QString programFolder = QCoreApplication::applicationDirPath();
        switch (place) {
        case Place::Nowhere:
            return;
        case Place::BesideProgram:
            folder_ = programFolder;
            break;
        case Place::CurrentDirectory:
            folder_ = current_.path();
            break;
        case Place::InstalledData:
            folder_ = QDir::cleanPath(programFolder + "/../share/varko");
            if (!QDir(programFolder + "/../share").exists())
                madeFolder_ = QDir::cleanPath(programFolder + "/../share");
            QDir().mkpath(folder_);
            break;
        }
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write("%PDF-1.4\n");
    }
    ~PlacedManual() {
        if (!folder_.isEmpty())
            QFile::remove(path());
        if (!madeFolder_.isEmpty())
            QDir(madeFolder_).removeRecursively();
        QDir::setCurrent(previousCurrent_);
    }
    PlacedManual(const PlacedManual&) = delete;
    PlacedManual& operator=(const PlacedManual&) = delete;

    QString path() const {
        return folder_.isEmpty() ? QString() : QDir(folder_).absoluteFilePath(kFrenchManual);
    }

private:
    QTemporaryDir current_;
    QString previousCurrent_;
    QString folder_;
    QString madeFolder_;
};

} // namespace

Q_DECLARE_METATYPE(Place)

class TestHelpContents : public QObject {
    Q_OBJECT
private slots:
    void frenchManualFound_data() {
        QTest::addColumn<Place>("place");
        QTest::newRow("beside the program") << Place::BesideProgram;
        QTest::newRow("in the current directory") << Place::CurrentDirectory;
        QTest::newRow("in the installed data folder") << Place::InstalledData;
    }
    void frenchManualFound() {
        QFETCH(Place, place);
        const PlacedManual manual(place);
        ScriptedDocumentOpener desktop;
        FlowsFixture f;
        f.trigger(Control::frenchItem);
        f.trigger(Control::contentsItem);
        QCOMPARE(desktop.asked, QStringList{manual.path()});
        QCOMPARE(f.window.boxes.shown, QStringList());
    }

    // Nothing to show, or a desktop that cannot show it: the error names the French file.
    void failureNamesTheFrenchFile_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<bool>("desktopShows");
        QTest::addColumn<int>("asked");
        QTest::newRow("no manual anywhere") << Place::Nowhere << true << 0;
        QTest::newRow("no viewer for it") << Place::CurrentDirectory << false << 1;
    }
    void failureNamesTheFrenchFile() {
        QFETCH(Place, place);
        QFETCH(bool, desktopShows);
        QFETCH(int, asked);
        const PlacedManual manual(place);
        ScriptedDocumentOpener desktop;
        desktop.opens = desktopShows;
        FlowsFixture f;
        f.trigger(Control::frenchItem);
        f.trigger(Control::contentsItem);
        QCOMPARE(desktop.asked.size(), asked);
        QCOMPARE(f.window.boxes.shown, QStringList{kFrenchError});
        QCOMPARE(f.window.boxes.warnings, QStringList());
    }

    // The English manual is not taken for the French one.
    void onlyTheCurrentLanguagesManual() {
        QTemporaryDir current;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());
        QFile(current.filePath("manual_briskal_varko_en.pdf")).open(QIODevice::WriteOnly);
        ScriptedDocumentOpener desktop;
        {
            FlowsFixture f;
            f.trigger(Control::contentsItem);
            QCOMPARE(desktop.asked, QStringList{current.filePath("manual_briskal_varko_en.pdf")});
            f.trigger(Control::frenchItem);
            f.trigger(Control::contentsItem);
            QCOMPARE(desktop.asked.size(), 1);
            QCOMPARE(f.window.boxes.shown, QStringList{kFrenchError});
        }
        QDir::setCurrent(previous);
    }

    // The desktop's opener, xdg-open, says by its exit status whether a viewer shows the file:
    // one that cannot is a failure, as is no xdg-open at all. Here a script stands in for it.
    void desktopSaysWhetherItShowsTheFile_data() {
        QTest::addColumn<QString>("opener"); // the script's body; empty: no xdg-open
        QTest::addColumn<bool>("fails");
        QTest::newRow("a viewer shows it") << ": >\"$0.ran\"; exit 0" << false;
        QTest::newRow("no viewer for it") << ": >\"$0.ran\"; exit 3" << true;
        QTest::newRow("no xdg-open") << QString() << true;
    }
    void desktopSaysWhetherItShowsTheFile() {
        QFETCH(QString, opener);
        QFETCH(bool, fails);
        QTemporaryDir bin;
        const QString script = bin.filePath("xdg-open");
        if (!opener.isEmpty()) {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(("#!/bin/sh\n" + opener + "\n").toUtf8()) > 0);
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        bool failed = false;
        QObject context;
        desktopDocumentOpener().open("/manual.pdf", &context, [&] { failed = true; });
        qputenv("PATH", path);
        if (fails) {
            QTRY_VERIFY(failed);
        } else {
            QTRY_VERIFY(QFile::exists(script + ".ran"));
            QTest::qWait(300); // the time its exit status takes to arrive
            QVERIFY(!failed);
        }
    }
};

QTEST_MAIN(TestHelpContents)
#include "tst_help_contents.moc"
