// An exception that escapes an event handler is shown in a warning box and the event loop goes
// on with the next event.

#include "ScriptedMessageBoxes.h"
#include "app/VarkoApplication.h"

#include <QEvent>
#include <QtTest>
#include <stdexcept>

namespace {

// Throws what it is told to from its event handler, once for each posted event.
class FailingHandler final : public QObject {
public:
    std::function<void()> fail;
    int handled = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        fail();
        return true;
    }
};

void post(QObject* receiver) {
    QCoreApplication::postEvent(receiver, new QEvent(QEvent::User));
}

} // namespace

class TestExceptionHandling : public QObject {
    Q_OBJECT
private slots:
    void shownAndTheLoopGoesOn_data() {
        QTest::addColumn<std::function<void()>>("fail");
        QTest::addColumn<QString>("text");
        QTest::newRow("standard exception")
            << std::function<void()>([] { throw std::runtime_error("Broken handler"); })
            << "Broken handler";
        QTest::newRow("anything else")
            << std::function<void()>([] { throw 42; }) << "Unknown error.";
    }
    void shownAndTheLoopGoesOn() {
        QFETCH(std::function<void()>, fail);
        QFETCH(QString, text);
        ScriptedMessageBoxes boxes;
        FailingHandler handler;
        handler.fail = fail;
        post(&handler);
        post(&handler);
        QTRY_COMPARE(handler.handled, 2);
        QCOMPARE(boxes.warnings, (QStringList{text, text}));
    }
};

int main(int argc, char* argv[]) {
    VarkoApplication app(argc, argv);
    TestExceptionHandling test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exception_handling.moc"
