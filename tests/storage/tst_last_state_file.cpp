// The last-state file: its 23-line layout and a reader that takes what it can.

#include "storage/LastStateFile.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace varko;

namespace {

constexpr std::uint8_t kBefore = 0xEE;

LastState filledWith(std::uint8_t value) {
    LastState state;
    state.image.bytes.fill(value);
    state.reserved.fill(value);
    return state;
}

// Image byte k holds k; the reserved bytes run on from 250 and wrap to 0.
LastState layoutState() {
    LastState state;
    for (int k = 0; k < kImageSize; ++k)
        state.image[k] = static_cast<std::uint8_t>(k);
    for (int k = 0; k < kLastStateReserved; ++k)
        state.reserved[k] = static_cast<std::uint8_t>(250 + k);
    return state;
}

std::uint8_t byteAt(const LastState& state, int index) {
    return index < kImageSize ? state.image[index] : state.reserved[index - kImageSize];
}

QByteArray numbersText(int count, int first = 1) {
    QByteArrayList numbers;
    for (int i = 0; i < count; ++i)
        numbers.append(QByteArray::number(first + i));
    return numbers.join(' ');
}

} // namespace

class TestLastStateFile : public QObject {
    Q_OBJECT
private slots:
    void writerProducesTheExactLayout() {
        const QByteArray expected = readTestData("last_state_layout.txt");
        const QByteArray written = writeLastState(layoutState());
        QCOMPARE(written.split('\n'), expected.split('\n'));
        QCOMPARE(written, expected);
    }

    void writtenStateReadsBack() {
        LastState state = filledWith(kBefore);
        QCOMPARE(readLastState(writeLastState(layoutState()), state), kLastStateCount);
        QVERIFY(state == layoutState());
    }

    // first is the value expected in byte 0, the following bytes count up from it.
    void readerTakesWhatItCan_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("first");
        QTest::newRow("fifty numbers") << numbersText(50) << 50 << 1;
        QTest::newRow("LF and tabs") << numbersText(30).replace(' ', "\t\n") << 30 << 1;
        QTest::newRow("stops at a word") << numbersText(5) + " x " + numbersText(5) << 5 << 1;
        QTest::newRow("stops inside a word") << numbersText(5) + " 6abc 7" << 6 << 1;
        QTest::newRow("more than 207") << numbersText(300) << kLastStateCount << 1;
        QTest::newRow("low 8 bits") << numbersText(10, 256) << 10 << 0;
        QTest::newRow("negative") << numbersText(3, -1) << 3 << 255;
        QTest::newRow("empty") << QByteArray() << 0 << 0;
    }
    void readerTakesWhatItCan() {
        QFETCH(QByteArray, text);
        QFETCH(int, taken);
        QFETCH(int, first);
        LastState state = filledWith(kBefore);
        QCOMPARE(readLastState(text, state), taken);
        for (int index = 0; index < kLastStateCount; ++index) {
            const int expected = index < taken ? (first + index) & 0xFF : kBefore;
            QVERIFY2(byteAt(state, index) == expected, qPrintable(QString::number(index)));
        }
    }

    void fileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath("new folder/_VARKO_v75ini");
        QVERIFY(saveLastStateFile(path, layoutState()));
        LastState state = filledWith(kBefore);
        QVERIFY(loadLastStateFile(path, state));
        QVERIFY(state == layoutState());
    }

    void missingFileLeavesTheState() {
        QTemporaryDir dir;
        LastState state = filledWith(kBefore);
        QVERIFY(!loadLastStateFile(dir.filePath("missing"), state));
        QVERIFY(state == filledWith(kBefore));
    }
};

QTEST_GUILESS_MAIN(TestLastStateFile)
#include "tst_last_state_file.moc"
