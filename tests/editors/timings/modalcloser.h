#ifndef MODALCLOSER_H
#define MODALCLOSER_H

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

// Watches for modal windows while a test drives an editor: every message box
// that opens is recorded (title, text) and accepted; any other modal dialog
// is handed to `onDialog`, which must close it.
class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }

    std::function<void(QWidget *)> onDialog;
    QStringList titles;
    QStringList texts;

    void clear()
    {
        titles.clear();
        texts.clear();
    }

private:
    QTimer timer;

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            titles << box->windowTitle();
            texts << box->text();
            box->accept();
        } else if (onDialog) {
            onDialog(modal);
        }
    }
};

#endif // MODALCLOSER_H
