#ifndef DESCRIPTORTESTUTIL_H
#define DESCRIPTORTESTUTIL_H

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QStringList>
#include <QStringListModel>
#include <QTest>
#include <QTimer>

#include <cstring>

#include "ediddecode.h"
#include "edidtypes.h"
#include "hexaviewer.h"
#include "stringinfo.h"

// A reference and a working image as the main window holds them.
struct TestImage
{
    unsigned char reference[256];
    unsigned char working[256];

    TestImage()
    {
        memset(reference, 0, sizeof reference);
        memset(working, 0, sizeof working);
    }

    // Reads tests/data/<name> (a 128-byte image is padded with zeros). A
    // revision other than 0 replaces byte 19 and fixes the checksum. Both
    // images get the bytes and the core's revision is set from byte 19.
    bool load(const QString &name, int revision = 0)
    {
        QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll().left(256);
        memset(working, 0, sizeof working);
        memcpy(working, bytes.constData(), size_t(bytes.size()));
        if (revision != 0) {
            working[19] = (unsigned char)revision;
            fixChecksum(working);
        }
        memcpy(reference, working, sizeof working);
        EDIDGetVersionRevision(working);
        return true;
    }

    // An image of the given revision with descriptor `slot` set to `bytes` (18).
    void build(int revision, int slot, const QByteArray &bytes)
    {
        static const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
        memset(working, 0, sizeof working);
        memcpy(working, header, 8);
        working[18] = 1;
        working[19] = (unsigned char)revision;
        for (int i = 0; i < 4; ++i)
            memcpy(working + 54 + 18 * i, "\x00\x00\x00\x10\x00", 5);
        memcpy(working + 54 + 18 * slot, bytes.constData(), 18);
        fixChecksum(working);
        memcpy(reference, working, sizeof working);
        EDIDGetVersionRevision(working);
    }

    static void fixChecksum(unsigned char *image)
    {
        unsigned sum = 0;
        for (int i = 0; i < 127; ++i)
            sum += image[i];
        image[127] = (unsigned char)((256 - sum % 256) % 256);
    }

    _EDID_MONITOR_DESC decode(int slot) const
    {
        return EDIDGet18ByteInfo(working, slot);
    }

    QByteArray slot(int slot) const
    {
        return QByteArray(reinterpret_cast<const char *>(working) + 54 + 18 * slot, 18);
    }

    QByteArray referenceSlot(int slot) const
    {
        return QByteArray(reinterpret_cast<const char *>(reference) + 54 + 18 * slot, 18);
    }

    bool checksumOk() const
    {
        unsigned sum = 0;
        for (int i = 0; i < 128; ++i)
            sum += working[i];
        return sum % 256 == 0;
    }

    // Whether the working image differs from the reference outside `slot` and byte 127.
    bool changedOutside(int slot) const
    {
        for (int i = 0; i < 256; ++i) {
            if (i == 127 || (i >= 54 + 18 * slot && i < 72 + 18 * slot))
                continue;
            if (working[i] != reference[i])
                return true;
        }
        return false;
    }
};

inline QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Records and accepts every message box that opens while it lives.
class MessageCatcher : public QObject
{
public:
    QStringList titles;
    QStringList texts;

    MessageCatcher()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                titles << box->windowTitle();
                texts << box->text();
                box->accept();
            }
        });
        timer.start();
    }

private:
    QTimer timer;
};

// Types `text` into the field as a user would (the validator and the maximum
// length apply), then presses Return.
inline void typeAndReturn(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (const QChar c : text) {
        // Key events carrying the character, as a keyboard sends them (also
        // for characters outside ASCII).
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
    QTest::keyClick(field, Qt::Key_Return);
}

// A user's pick of item `index` in a combo box.
inline void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The rows the viewer shows in its "Block Description" pane.
inline StringInfo viewerRows()
{
    HexaViewer *viewer = HexaViewer::getInstance();
    auto *labels = viewer->findChild<QListView *>(QStringLiteral("descList"));
    auto *values = viewer->findChild<QListView *>(QStringLiteral("valueList"));
    StringInfo rows;
    if (!labels || !values)
        return rows;
    const QAbstractItemModel *lm = labels->model();
    const QAbstractItemModel *vm = values->model();
    for (int r = 0; r < lm->rowCount(); ++r)
        rows.append(qMakePair(lm->index(r, 0).data().toString(),
                              r < vm->rowCount() ? vm->index(r, 0).data().toString() : QString()));
    return rows;
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

#endif // DESCRIPTORTESTUTIL_H
