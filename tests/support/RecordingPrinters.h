#pragma once
// A default printer for tests: each job's page is kept as an image, together with what the
// test wants to know about the window at that moment; it can refuse jobs from a given one on,
// or stand for a computer without any printer. Installed for as long as the object lives.

#include "ui/Printers.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <functional>

class RecordingPrinters final : public Printers {
public:
    RecordingPrinters() { install(this); }
    ~RecordingPrinters() override { install(nullptr); }
    RecordingPrinters(const RecordingPrinters&) = delete;
    RecordingPrinters& operator=(const RecordingPrinters&) = delete;

    QString defaultPrinter() override { return name; }

    QString printPage(const QPicture& page, const QString& title) override {
        ++jobsOffered;
        if (whilePrinting)
            whilePrinting();
        if (refuseFromJob >= 0 && jobsOffered > refuseFromJob)
            return refusal;
        titles << title;
        pages << imageOf(page);
        return {};
    }

    static QImage imageOf(const QPicture& page) {
        QImage image(page.boundingRect().size(), QImage::Format_RGB32);
        image.fill(Qt::magenta); // whatever the picture leaves unpainted shows
        QPainter painter(&image);
        painter.drawPicture(0, 0, page);
        return image;
    }

    QString name = QStringLiteral("Test printer"); // empty: no printer is set up
    int refuseFromJob = -1; // the jobs after this many are refused; -1: none is
    QString refusal = QStringLiteral("The printer is not accepting jobs.");
    std::function<void()> whilePrinting; // runs as each job arrives, refused ones included

    int jobsOffered = 0;
    QList<QImage> pages; // the printed jobs' pages, in order
    QStringList titles;
};
