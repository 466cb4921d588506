#pragma once
// The about box: the program's purpose, the maker, the build date and time and the protocol
// version. Created once with the main window and shown modally on request.

#include <QDialog>

namespace varko {
class Document;
}

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    // The caption follows the document's language, read each time the box becomes active.
    AboutBox(QWidget* parent, const varko::Document& document);

    static constexpr int kWidth = 342;
    static constexpr int kHeight = 420;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const varko::Document& document_;
};
