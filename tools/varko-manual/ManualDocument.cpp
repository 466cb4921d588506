#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextLayout>

namespace {

// The document is laid out in pixels of 1/96 inch and scaled onto the PDF's pages.
constexpr qreal kDocumentDpi = 96;
constexpr qreal kBodyPoints = 10.5;
constexpr qreal kFooterPoints = 8.5;
constexpr QMarginsF kPageMarginsMillimetres(20, 16, 20, 18);

struct PictureUse {
    int position;
    int length;
    QTextImageFormat format;
};

QList<PictureUse> pictureUses(const QTextDocument& document) {
    QList<PictureUse> uses;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                uses.append({fragment.position(), fragment.length(),
                             fragment.charFormat().toImageFormat()});
        }
    }
    return uses;
}

// A picture wider than the text is shrunk to its width and keeps its proportions; a picture that
// stands alone in its paragraph is centred.
void fitPictures(QTextDocument& document, const QList<PictureUse>& uses,
                 const QMap<QString, QImage>& pictures, qreal textWidth) {
    for (PictureUse use : uses) {
        const QImage picture = pictures.value(use.format.name());
        const qreal width = qMin<qreal>(picture.width(), textWidth);
        use.format.setWidth(width);
        use.format.setHeight(width * picture.height() / picture.width());
        QTextCursor cursor(&document);
        cursor.setPosition(use.position);
        cursor.setPosition(use.position + use.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(use.format);
        if (cursor.block().length() - 1 == use.length) {
            QTextBlockFormat centred = cursor.blockFormat();
            centred.setAlignment(Qt::AlignHCenter);
            cursor.setBlockFormat(centred);
        }
    }
}

// The page the first line of a block is laid out on: the page that holds its middle, as a line
// moved over to a page starts a rounding error away from its top.
int firstLinePage(const QTextDocument& document, const QTextBlock& block) {
    const QTextLayout* layout = block.layout();
    const qreal middle =
        document.documentLayout()->blockBoundingRect(block).top() +
        (layout->lineCount() > 0 ? layout->lineAt(0).naturalTextRect().center().y() : 0);
    return int(middle / document.pageSize().height());
}

// The first heading left at the foot of a page with its text (or picture) on the next one.
QTextBlock orphanedHeading(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.next().isValid(); block = block.next()) {
        // A heading already at the top of a page stays, whatever follows it: the loop ends.
        const QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() > 0 &&
            !(format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) &&
            firstLinePage(document, block) != firstLinePage(document, block.next()))
            return block;
    }
    return {};
}

// Lays the document out on pages of that size; a heading that would be left at the foot of a
// page goes over to the next page with its text. Each move shifts what follows, so the layout is
// made again from the start after each; a heading moves at most once.
void paginate(QTextDocument& document, const QSizeF& page) {
    for (;;) {
        document.setPageSize(page);
        document.pageCount(); // the whole layout, not only as far as it is asked for
        const QTextBlock heading = orphanedHeading(document);
        if (!heading.isValid())
            return;
        QTextBlockFormat format = heading.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).setBlockFormat(format);
    }
}

// Lays the document out page by page on the writer, each page with its number at the foot.
// Screenshots are kept lossless: the writer would otherwise store them as JPEG and blur the text.
void printPages(QTextDocument& document, QPdfWriter& writer) {
    const qreal scale = writer.resolution() / kDocumentDpi;
    const QSizeF page = QSizeF(writer.width(), writer.height()) / scale;
    paginate(document, page);
    // In the document's pixels: the painter is already scaled to the page.
    QFont footer = document.defaultFont();
    footer.setPixelSize(qRound(kFooterPoints * kDocumentDpi / 72));

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.scale(scale, scale);
    for (int number = 1; number <= document.pageCount(); ++number) {
        if (number > 1)
            writer.newPage();
        const QRectF shown(QPointF(0, (number - 1) * page.height()), page);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown); // a line at the foot of a page belongs to the next one
        document.drawContents(&painter, shown);
        painter.restore();
        painter.setFont(footer);
        const QRectF foot(0, page.height(), page.width(),
                          kPageMarginsMillimetres.bottom() / 2 * kDocumentDpi / 25.4);
        painter.drawText(foot, Qt::AlignCenter, QString::number(number));
    }
}

} // namespace

QString writeManual(const QString& markdown, const QMap<QString, QImage>& pictures,
                    const QString& title, const QString& pdfPath) {
    QTextDocument document;
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPointSizeF(kBodyPoints);
    document.setDefaultFont(body);
    document.setMarkdown(markdown); // which drops all resources
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        document.addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());

    const QList<PictureUse> uses = pictureUses(document);
    for (const PictureUse& use : uses) {
        const QImage picture = pictures.value(use.format.name());
        if (picture.isNull())
            return QStringLiteral("the text names an unknown picture \"%1\"")
                .arg(use.format.name());
    }

    // Written in full or not at all: a build stopped half-way leaves the last good manual.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("VARKO Tool"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     kPageMarginsMillimetres, QPageLayout::Millimeter));
    document.setDocumentMargin(0);
    fitPictures(document, uses, pictures, writer.width() * kDocumentDpi / writer.resolution());
    printPages(document, writer);
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
    return {};
}
