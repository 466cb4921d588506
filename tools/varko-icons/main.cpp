// Writes the program's icon for the desktop's icon theme at build time, from the logo compiled
// into the program, so the menu shows the same emblem as the window:
//
//   varko-icons <folder>
//
// gives <folder>/scalable/apps/varko.svg and <folder>/<n>x<n>/apps/varko.png for the theme's
// sizes, laid out as share/icons/hicolor expects them.

#include "ui/Logo.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

int fail(const QString& text) {
    std::fprintf(stderr, "varko-icons: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return fail(QStringLiteral("usage: varko-icons <folder>"));
    const QDir theme(arguments[1]);

    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = theme.filePath(folder + QStringLiteral("/varko.png"));
        if (!theme.mkpath(folder) || !logoIcon().pixmap(side, side).save(path))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }

    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return fail(QStringLiteral("cannot make %1/scalable/apps").arg(theme.path()));
    const QString svgPath = theme.filePath(QStringLiteral("scalable/apps/varko.svg"));
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setTitle(QStringLiteral("VARKO Tool"));
    svg.setSize(QSize(kEmblemSide, kEmblemSide));
    svg.setViewBox(QRect(0, 0, kEmblemSide, kEmblemSide));
    QPainter painter;
    if (!painter.begin(&svg))
        return fail(QStringLiteral("cannot write %1").arg(svgPath));
    paintEmblem(painter, QRectF(0, 0, kEmblemSide, kEmblemSide));
    return painter.end() ? 0 : fail(QStringLiteral("cannot write %1").arg(svgPath));
}
