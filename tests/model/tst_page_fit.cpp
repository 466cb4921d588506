// The window's picture on the printable page: as large as fits, at the top-left corner, never
// out of proportion.

#include "model/PageFit.h"

#include <QTest>

using namespace varko;

class TestPageFit : public QObject {
    Q_OBJECT
private slots:
    void fitsKeepingProportions_data() {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QRectF>("expected");
        // A4 at 100 dpi less the margins, and the window's own client area.
        const QSizeF a4(748, 1090);
        QTest::newRow("wider than the page fills its width")
            << QSizeF(954, 750) << a4 << QRectF(0, 0, 748, 750 * 748.0 / 954);
        QTest::newRow("taller than the page fills its height")
            << QSizeF(300, 1200) << a4 << QRectF(0, 0, 300 * 1090.0 / 1200, 1090);
        QTest::newRow("smaller than the page grows to fit")
            << QSizeF(95.4, 75) << a4 << QRectF(0, 0, 748, 75 * 748.0 / 95.4);
        QTest::newRow("landscape page, wide picture fills the height")
            << QSizeF(954, 750) << QSizeF(1090, 748) << QRectF(0, 0, 954 * 748.0 / 750, 748);
        QTest::newRow("same proportions fill the page")
            << QSizeF(200, 100) << QSizeF(400, 200) << QRectF(0, 0, 400, 200);
        QTest::newRow("empty picture") << QSizeF(0, 750) << a4 << QRectF();
        QTest::newRow("empty page") << QSizeF(954, 750) << QSizeF(748, 0) << QRectF();
    }
    void fitsKeepingProportions() {
        QFETCH(QSizeF, picture);
        QFETCH(QSizeF, page);
        QFETCH(QRectF, expected);
        const QRectF fitted = fitOnPage(picture, page);
        QCOMPARE(fitted, expected);
        if (!expected.isEmpty()) {
            QVERIFY(fitted.width() <= page.width() && fitted.height() <= page.height());
            QCOMPARE(fitted.width() / fitted.height(), picture.width() / picture.height());
        }
    }
};

QTEST_GUILESS_MAIN(TestPageFit)
#include "tst_page_fit.moc"
