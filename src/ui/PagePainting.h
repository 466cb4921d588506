#pragma once
// Printed pages drawn onto a printer or a PDF file. A page is a recorded picture of the window,
// so its texts stay texts on paper and in the PDF.

#include <QList>
#include <QPicture>
#include <QString>

class QPagedPaintDevice;

// Draws the pages onto the device, one on each of its pages, each fitted to the printable area
// at its top-left corner. False when the device cannot be painted on.
bool paintPages(QPagedPaintDevice& device, const QList<QPicture>& pages);

// Writes the pages as a PDF file of A4 pages. False when the file cannot be written, with the
// system's words for why in reason when given.
bool writePdfFile(const QString& path, const QList<QPicture>& pages, QString* reason = nullptr);
