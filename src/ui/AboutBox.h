#pragma once
// The about box: the program's purpose, the maker, the build date and time and the protocol
// version. Created once with the main window and shown modally on request.

#include <QDialog>
#include <cstdint>
#include <functional>

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    // The caption follows currentLanguage, asked each time the box becomes active.
    AboutBox(QWidget* parent, std::function<std::uint8_t()> currentLanguage);

    static constexpr int kWidth = 342;
    static constexpr int kHeight = 420;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<std::uint8_t()> currentLanguage_;
};
