#include "PresetImage.h"
#include "document/Document.h"
#include "model/Normalize.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace varko;
Q_DECLARE_METATYPE(varko::ChangeOrigin)
Q_DECLARE_METATYPE(varko::SetOrigin)

namespace {

// A change that normalization undoes in part: the throttle calibration beyond its cap.
void overCap(ParamImage& image) {
    image.tps0() = 255;
}

ParamImage normalized(ParamImage image) {
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

// A document started on the start-up model, its history begun there. The ring is 40 kB: off
// the stack, as the window keeps it.
std::unique_ptr<Document> startedDocument() {
    auto document = std::make_unique<Document>();
    document->startWith(startUpImage());
    document->startHistory();
    return document;
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void changeOrigins_data();
    void changeOrigins();
    void setOrigins_data();
    void setOrigins();
    void programAfterChangeArmsOnTheFirstRecordedStep();
    void readSetIsAStepThatProgramsNothing();
    void undoRestoresThePageAndProgramsWhenAsked();
    void savedAndInUnit();
    void fileThatLacksBytesHoldsNoSavedSet();
};

void TestDocument::changeOrigins_data() {
    QTest::addColumn<ChangeOrigin>("origin");
    QTest::addColumn<bool>("normalizes");
    QTest::addColumn<bool>("recorded"); // an undo step, and a program when that is on
    QTest::newRow("edit") << ChangeOrigin::Edit << true << true;
    QTest::newRow("commit") << ChangeOrigin::Commit << true << false;
    QTest::newRow("as it is") << ChangeOrigin::AsIs << false << false;
}

void TestDocument::changeOrigins() {
    QFETCH(ChangeOrigin, origin);
    QFETCH(bool, normalizes);
    QFETCH(bool, recorded);
    const auto document = startedDocument();
    document->setProgramAfterChange(true);
    QSignalSpy shown(document.get(), &Document::imageChanged);
    QSignalSpy programs(document.get(), &Document::programRequested);

    ParamImage changed = document->image();
    overCap(changed);
    QVERIFY(normalized(changed) != changed); // the fixture shows the difference
    document->apply(overCap, origin);

    QCOMPARE(document->image(), normalizes ? normalized(changed) : changed);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(document->canUndo(), recorded);
    QCOMPARE(programs.count(), recorded ? 1 : 0);
}

void TestDocument::setOrigins_data() {
    QTest::addColumn<SetOrigin>("origin");
    QTest::addColumn<bool>("normalizes");
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<bool>("keepsFile");
    QTest::newRow("new") << SetOrigin::New << true << true << false;
    QTest::newRow("open") << SetOrigin::Open << true << true << true;
    QTest::newRow("history") << SetOrigin::History << true << true << true;
    QTest::newRow("read") << SetOrigin::Read << false << false << true;
    QTest::newRow("read ended") << SetOrigin::ReadEnded << false << true << true;
}

void TestDocument::setOrigins() {
    QFETCH(SetOrigin, origin);
    QFETCH(bool, normalizes);
    QFETCH(bool, recorded);
    QFETCH(bool, keepsFile);
    const auto document = startedDocument();
    document->setFile("/tunes/mine.ign");
    QSignalSpy fileChanges(document.get(), &Document::fileChanged);

    ParamImage other = presetImage(BikeCode::hondaVfr750);
    overCap(other);
    document->replace(other, origin);

    QCOMPARE(document->image(), normalizes ? normalized(other) : other);
    QCOMPARE(document->canUndo(), recorded);
    QCOMPARE(document->file(), keepsFile ? QString("/tunes/mine.ign") : QString());
    QCOMPARE(fileChanges.count(), keepsFile ? 0 : 1);
}

// The first recorded step after the box is ticked programs only when the set changed; every
// later one programs, changed or not.
void TestDocument::programAfterChangeArmsOnTheFirstRecordedStep() {
    const auto document = startedDocument();
    document->setProgramAfterChange(true);
    QSignalSpy programs(document.get(), &Document::programRequested);
    const auto unchanged = [](ParamImage&) {};
    document->apply(unchanged, ChangeOrigin::Edit);
    QCOMPARE(programs.count(), 0);
    document->apply(unchanged, ChangeOrigin::Edit);
    QCOMPARE(programs.count(), 1);
    document->setProgramAfterChange(false);
    document->apply(overCap, ChangeOrigin::Edit);
    QCOMPARE(programs.count(), 1);
}

// The set a read brought is one step back from the next edit, and the unit, which holds it, is
// owed nothing: neither the read nor the next unchanged step programs, even once armed.
void TestDocument::readSetIsAStepThatProgramsNothing() {
    const auto document = startedDocument();
    document->setProgramAfterChange(true);
    QSignalSpy programs(document.get(), &Document::programRequested);
    document->apply(overCap, ChangeOrigin::Edit); // armed from here on
    QCOMPARE(programs.count(), 1);
    const ParamImage beforeRead = document->image();

    document->setPage(3);
    const ParamImage read = presetImage(BikeCode::hondaVfr750);
    document->replace(read, SetOrigin::ReadEnded);
    QCOMPARE(programs.count(), 1);
    document->apply([](ParamImage&) {}, ChangeOrigin::Edit);
    QCOMPARE(programs.count(), 1);

    document->setPage(1);
    document->apply([](ParamImage& image) { image.limiter() = 99; }, ChangeOrigin::Edit);
    QCOMPARE(programs.count(), 2);
    document->undo();
    QCOMPARE(document->image(), read);
    QCOMPARE(document->page(), 3);
    QCOMPARE(programs.count(), 3); // an undo programs what it restores, as ever
    document->undo();
    QCOMPARE(document->image(), beforeRead);
}

void TestDocument::undoRestoresThePageAndProgramsWhenAsked() {
    const auto document = startedDocument(); // on page 0
    const ParamImage start = document->image();
    document->setPage(2);
    document->apply([](ParamImage& image) { image.limiter() = 99; }, ChangeOrigin::Edit);
    const ParamImage edited = document->image();
    document->setProgramAfterChange(true);
    QSignalSpy pages(document.get(), &Document::pageRestored);
    QSignalSpy programs(document.get(), &Document::programRequested);

    document->undo();
    QCOMPARE(document->image(), start);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.at(0).at(0).toInt(), 0);
    QCOMPARE(document->page(), 0);
    QVERIFY(!document->canUndo() && document->canRedo());
    document->undo(); // nothing left to undo: nothing happens
    QCOMPARE(programs.count(), 1);

    document->redo();
    QCOMPARE(document->image(), edited);
    QCOMPARE(document->page(), 2);
    QCOMPARE(programs.count(), 2);
}

// The file's set counts every byte a file holds; the unit's what a verify compares (not the
// read-out lock).
void TestDocument::savedAndInUnit() {
    const auto document = startedDocument();
    QVERIFY(!document->isSaved() && !document->isInUnit());
    document->fileHolds(document->image());
    document->unitHolds(document->image());
    QVERIFY(document->isSaved() && document->isInUnit());

    QSignalSpy known(document.get(), &Document::knownSetsChanged);
    document->apply([](ParamImage& image) { image.noReading() = 1; }, ChangeOrigin::AsIs);
    QCOMPARE(known.count(), 1);
    QVERIFY(!document->isSaved());
    QVERIFY(document->isInUnit());

    document->apply([](ParamImage& image) { image.limiter() = 99; }, ChangeOrigin::Edit);
    QVERIFY(!document->isInUnit());
    document->unitUnknown();
    QVERIFY(!document->isInUnit());
}

// Saving would write the window's values where the file has none.
void TestDocument::fileThatLacksBytesHoldsNoSavedSet() {
    const auto document = startedDocument();
    ImageBytes lacking;
    lacking.set(Field::limiter);
    QSignalSpy known(document.get(), &Document::knownSetsChanged);
    document->fileHolds(document->image(), lacking);
    QCOMPARE(known.count(), 1);
    QVERIFY(!document->isSaved());
    document->fileHolds(document->image()); // saved
    QVERIFY(document->isSaved());
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
