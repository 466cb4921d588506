#pragma once
// The window's pages and the state they show, without the program around them: the widgets
// with their control tables and texts, the document, the form and the link. The main window
// adds the flows, the settings and the close; a printout or a picture of the pages needs these
// alone.

#include "app/Printout.h"
#include "model/Language.h"
#include "ui/MainWindowUi.h"

#include <memory>

class FormBinder;
class QtTexts;
class QMainWindow;
class WindowLink;
namespace varko {
class Document;
struct ParamImage;
} // namespace varko

class WindowParts final {
public:
    // Builds the widgets into window, with the link's labels and the test labels hidden as
    // they start.
    explicit WindowParts(QMainWindow& window);
    ~WindowParts();
    WindowParts(const WindowParts&) = delete;
    WindowParts& operator=(const WindowParts&) = delete;

    MainWindowUi ui;
    varko::Document& document() { return *document_; }
    FormBinder& form() { return *form_; }
    WindowLink& link() { return *link_; }

    // The set of a file in the language, as Open leaves a window just started, named as the
    // file label names it.
    void showForPrintout(const varko::ParamImage& image, const QString& file,
                         varko::Language language);
    // The pages of a printout (see takePrintout in Printout.h).
    QList<QPicture> takePrintout(PrintScope scope, const PagePrinter& print);
    // Every text in the document's language; done again whenever the language changes.
    void applyTexts();

private:
    QMainWindow& window_;
    varko::Document* document_;
    FormBinder* form_ = nullptr;
    QtTexts* qtTexts_;
    // A child of the window as the other parts are, but gone with these parts, before the window
    // deletes its children: its session works on the document's settings until it ends.
    std::unique_ptr<WindowLink> link_;
};
