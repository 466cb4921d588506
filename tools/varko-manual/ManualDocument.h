#pragma once
// One manual: the Markdown text with the window's pictures, laid out on A4 pages of a PDF.

#include <QImage>
#include <QMap>
#include <QString>

// Writes the PDF; returns an error text, empty on success. Every picture the text names must be
// among the pictures.
QString writeManual(const QString& markdown, const QMap<QString, QImage>& pictures,
                    const QString& title, const QString& pdfPath);
