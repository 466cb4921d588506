#include "ui/AboutBox.h"

#include "document/Document.h"
#include "model/ParamImage.h"
#include "ui/Logo.h"
#include "ui/Place.h"
#include "ui/Texts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {

QLabel* addLabel(QWidget* box, const char* name, int x, int y, int width, int pixels,
                 const QString& text) {
    auto* label = placeWidget<QLabel>(box, QString::fromLatin1(name), x, y, width, pixels + 8);
    setPixelFont(label, pixels, false);
    label->setText(text);
    return label;
}

// The maker's lines are this project's own placeholders until a maker fills them in.
constexpr const char* kMakerAddress[] = {"VARKO Tool project", "Placeholder Street 1",
                                         "000 00 Sample Town", "Country to be filled in"};
constexpr int kMakerAddressTops[] = {180, 205, 230, 255};
constexpr const char* kMakerContact[] = {"varko-tool@example.org", "www.example.org/varko-tool"};
constexpr int kMakerContactTops[] = {291, 316};

} // namespace

AboutBox::AboutBox(QWidget* parent, const varko::Document& document)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      document_(document) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("BRISKAL VARKO"));
    setFixedSize(kWidth, kHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    addLabel(this, "LabelAbout", 16, 24, 320, 16,
             QStringLiteral("Programm for setting of ignition"));
    auto* logo = placeWidget<QLabel>(this, QStringLiteral("Image1"), 32, 72, 161, 81);
    logo->setPixmap(logoPixmap(logo->size(), devicePixelRatioF()));
    for (int i = 0; i < 4; ++i)
        addLabel(this, "LabelMaker", 32, kMakerAddressTops[i], 300, 16,
                 QString::fromLatin1(kMakerAddress[i]));
    for (int i = 0; i < 2; ++i)
        addLabel(this, "LabelMaker", 32, kMakerContactTops[i], 300, 16,
                 QString::fromLatin1(kMakerContact[i]));
    // The compiler's own date, "Mmm dd yyyy", pads a one-digit day with a blank.
    addLabel(this, "LabelDate", 32, 350, 200, 11, QString::fromLatin1(__DATE__).simplified());
    addLabel(this, "LabelTime", 32, 370, 200, 11, QString::fromLatin1(__TIME__));
    addLabel(this, "LabelRsKey", 32, 391, 200, 11,
             QStringLiteral("Version - %1").arg(int{varko::kProtocolVersion}));
    QLabel* ok = addLabel(this, "LabelExit", 272, 368, 50, 23, QStringLiteral("OK"));
    ok->setCursor(Qt::PointingHandCursor);
    ok->installEventFilter(this);

    // Once, where the screen is now; later changes of the screen do not move the box.
    const QRect screenArea = screen()->geometry();
    move(screenArea.width() / 2 - kWidth / 2, screenArea.height() / 2 - kHeight / 2);
}

bool AboutBox::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        setWindowTitle(aboutBoxCaption(document_.language()));
    }
    return QDialog::event(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
