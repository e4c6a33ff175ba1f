#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Helpers of the widget tests: the EDID images of testimage.h, closing the
// modal boxes an editor opens (so that no test waits for a person), typing
// into fields as a user does, and reading the hex viewer's description pane.

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPair>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

#include "hexaviewer.h"
#include "stringinfo.h"
#include "testimage.h"

// The child widget of that object name; a missing one stops the test program
// with its name rather than a null pointer.
template <typename T>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (found == nullptr)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// ---------------------------------------------------------------------------
// Modal windows

// While it lives, answers every modal window that opens, each once, from a
// timer, and notes what it showed. The answer is, in this order:
//  - the next handler queued with expect();
//  - for a message box, a press on `button` (a box without it is rejected);
//  - for another dialog, `onDialog` when set;
//  - otherwise the window is rejected and counted in `unexpected`.
// With `strict` set, only handlers answer: every other window is unexpected.
class ModalCloser : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    // What a modal window showed before it was answered.
    struct Seen
    {
        QString title;
        QString text;          // message boxes only
        QString informative;   // message boxes only
        QStringList buttons;   // message boxes only, without '&'
    };

    explicit ModalCloser(int intervalMs = 5)
    {
        timer.setInterval(intervalMs);
        connect(&timer, &QTimer::timeout, this, &ModalCloser::poll);
        timer.start();
    }

    QMessageBox::StandardButton button = QMessageBox::Ok;
    bool strict = false;
    Handler onDialog;
    // Run while each message box is still open, before it is answered.
    std::function<void()> whileOpen;

    QStringList titles;   // of the message boxes, in order
    QStringList texts;
    QList<Seen> seen;     // every modal window, in order
    int unexpected = 0;

    void expect(const Handler &handler) { handlers.append(handler); }
    int pending() const { return handlers.size(); }

    void clear()
    {
        titles.clear();
        texts.clear();
        seen.clear();
        unexpected = 0;
    }

    // Waits until every queued handler has run and no modal window is open.
    bool settle(int timeoutMs = 5000)
    {
        const bool done = QTest::qWaitFor(
            [this] { return handlers.isEmpty() && QApplication::activeModalWidget() == nullptr; },
            timeoutMs);
        QCoreApplication::processEvents();
        return done;
    }

    // Closes a window as Escape does.
    static void reject(QWidget *window)
    {
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
    }

    // Presses the standard button of a message box; rejects a window without it.
    static Handler pressButton(QMessageBox::StandardButton which)
    {
        return [which](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box && box->button(which))
                box->button(which)->click();
            else
                reject(w);
        };
    }

    // Presses the message box button of that text; rejects a window without it.
    static Handler pressButtonText(const QString &text)
    {
        return [text](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                for (QAbstractButton *b : box->buttons()) {
                    if (b->text() == text) {
                        b->click();
                        return;
                    }
                }
            }
            reject(w);
        };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last)
            return;
        last = modal;
        auto *box = qobject_cast<QMessageBox *>(modal);
        Seen window;
        window.title = modal->windowTitle();
        if (box) {
            window.text = box->text();
            window.informative = box->informativeText();
            for (QAbstractButton *b : box->buttons())
                window.buttons << b->text().remove(QLatin1Char('&'));
            titles << window.title;
            texts << window.text;
        }
        seen << window;

        Handler answer;
        if (!handlers.isEmpty())
            answer = handlers.takeFirst();
        else if (box && !strict)
            answer = pressButton(button);
        else if (!strict && onDialog)
            answer = onDialog;
        else {
            ++unexpected;
            answer = reject;
        }

        // Answered from the event loop, not from inside this timer's slot: a
        // window that the answer opens in turn is then caught too.
        std::function<void()> run = whileOpen;
        QTimer::singleShot(0, modal, [run, answer, modal, box] {
            if (box && run)
                run();
            answer(modal);
        });
    }

    QTimer timer;
    QList<Handler> handlers;
    QPointer<QWidget> last;
};

// ---------------------------------------------------------------------------
// Fields

// Types `text` into the field as a keyboard does (the validator and the
// maximum length apply, characters outside ASCII included), then presses Return.
inline void typeAndReturn(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
    QTest::keyClick(field, Qt::Key_Return);
}

// Sets the text and reports the edit finished, as the field does when it
// loses the focus; the validator is not asked.
inline void finishEdit(QLineEdit *field, const QString &text)
{
    field->setText(text);
    emit field->editingFinished();
}

// Presses Return in the field without typing: the edit is finished when the
// text the field shows is acceptable to its validator.
inline void commitUnchanged(QLineEdit *field)
{
    QTest::keyClick(field, Qt::Key_Return);
}

// A user's pick of item `index` in a combo box.
inline void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// ---------------------------------------------------------------------------
// The hex viewer's description pane: its title and its two columns.

struct ViewerPane
{
    QString title;
    QStringList labels;
    QStringList values;

    StringInfo rows() const
    {
        StringInfo out;
        for (int r = 0; r < labels.size(); ++r)
            out.append(qMakePair(labels.at(r), values.value(r)));
        return out;
    }

    // What the viewer (by default the program's one) shows now.
    static ViewerPane now(QWidget *viewer = HexaViewer::getInstance())
    {
        ViewerPane pane;
        if (auto *name = viewer->findChild<QLineEdit *>(QStringLiteral("blockName")))
            pane.title = name->text();
        pane.labels = column(viewer, "descList");
        pane.values = column(viewer, "valueList");
        return pane;
    }

private:
    static QStringList column(QWidget *viewer, const char *name)
    {
        QStringList rows;
        auto *view = viewer->findChild<QListView *>(QLatin1String(name));
        const QAbstractItemModel *model = view ? view->model() : nullptr;
        for (int r = 0; model && r < model->rowCount(); ++r)
            rows << model->index(r, 0).data().toString();
        return rows;
    }
};

#endif // TESTSUPPORT_H
