// The last-state file: its 23-line layout and a reader that takes what it can.

#include "storage/LastStateFile.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace varko;

namespace {

constexpr std::uint8_t kBefore = 0xEE;

LastState Filled(std::uint8_t value) {
    LastState state;
    state.image.bytes.fill(value);
    state.reserved.fill(value);
    return state;
}

// Image byte k holds k; the reserved bytes run on from 250 and wrap to 0.
LastState LayoutState() {
    LastState state;
    for (int k = 0; k < kImageSize; ++k)
        state.image[k] = static_cast<std::uint8_t>(k);
    for (int k = 0; k < kLastStateReserved; ++k)
        state.reserved[k] = static_cast<std::uint8_t>(250 + k);
    return state;
}

std::uint8_t ByteAt(const LastState& state, int index) {
    return index < kImageSize ? state.image[index] : state.reserved[index - kImageSize];
}

QByteArray Numbers(int count, int first = 1) {
    QByteArrayList numbers;
    for (int i = 0; i < count; ++i)
        numbers.append(QByteArray::number(first + i));
    return numbers.join(' ');
}

} // namespace

class LastStateFileTest : public QObject {
    Q_OBJECT
private slots:
    void writerProducesTheExactLayout() {
        const QByteArray expected = ReadTestData("last_state_layout.txt");
        const QByteArray written = WriteLastState(LayoutState());
        QCOMPARE(written.split('\n'), expected.split('\n'));
        QCOMPARE(written, expected);
    }

    void writtenStateReadsBack() {
        LastState state = Filled(kBefore);
        QCOMPARE(ReadLastState(WriteLastState(LayoutState()), state), kLastStateCount);
        QVERIFY(state == LayoutState());
    }

    // first is the value expected in byte 0, the following bytes count up from it.
    void readerTakesWhatItCan_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("first");
        QTest::newRow("fifty numbers") << Numbers(50) << 50 << 1;
        QTest::newRow("LF and tabs") << Numbers(30).replace(' ', "\t\n") << 30 << 1;
        QTest::newRow("stops at a word") << Numbers(5) + " x " + Numbers(5) << 5 << 1;
        QTest::newRow("stops inside a word") << Numbers(5) + " 6abc 7" << 6 << 1;
        QTest::newRow("more than 207") << Numbers(300) << kLastStateCount << 1;
        QTest::newRow("low 8 bits") << Numbers(10, 256) << 10 << 0;
        QTest::newRow("negative") << Numbers(3, -1) << 3 << 255;
        QTest::newRow("empty") << QByteArray() << 0 << 0;
    }
    void readerTakesWhatItCan() {
        QFETCH(QByteArray, text);
        QFETCH(int, taken);
        QFETCH(int, first);
        LastState state = Filled(kBefore);
        QCOMPARE(ReadLastState(text, state), taken);
        for (int index = 0; index < kLastStateCount; ++index) {
            const int expected = index < taken ? (first + index) & 0xFF : kBefore;
            QVERIFY2(ByteAt(state, index) == expected, qPrintable(QString::number(index)));
        }
    }

    void fileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath("new folder/_VARKO_v75ini");
        QVERIFY(SaveLastStateFile(path, LayoutState()));
        LastState state = Filled(kBefore);
        QVERIFY(LoadLastStateFile(path, state));
        QVERIFY(state == LayoutState());
    }

    void missingFileLeavesTheState() {
        QTemporaryDir dir;
        LastState state = Filled(kBefore);
        QVERIFY(!LoadLastStateFile(dir.filePath("missing"), state));
        QVERIFY(state == Filled(kBefore));
    }
};

QTEST_GUILESS_MAIN(LastStateFileTest)
#include "last_state_file_test.moc"
