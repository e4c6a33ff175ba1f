#ifndef CEATESTUTIL_H
#define CEATESTUTIL_H

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

// Reference and working images on the heap at their exact size, so that a
// read past byte 255 is caught by the address sanitizer.
struct Images {
    std::vector<unsigned char> reference = std::vector<unsigned char>(256, 0);
    std::vector<unsigned char> working = std::vector<unsigned char>(256, 0);

    void set(const QByteArray &bytes)
    {
        for (int i = 0; i < 256; ++i)
            reference[i] = working[i] = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    }
    QByteArray extension(const std::vector<unsigned char> &image) const
    {
        return QByteArray(reinterpret_cast<const char *>(image.data() + 128), 128);
    }
};

inline QByteArray readSample(const QString &name)
{
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + name + QStringLiteral(".bin"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A 256-byte image whose extension holds `collection` as data blocks,
// followed by `timings`, with its checksums right.
inline QByteArray makeImage(const QByteArray &collection, const QByteArray &timings = QByteArray(),
                            int version = 3, unsigned char support = 0)
{
    QByteArray image(256, '\0');
    image[128] = 0x02;
    image[129] = static_cast<char>(version);
    image[130] = static_cast<char>(4 + collection.size());
    image[131] = static_cast<char>(support);
    QByteArray body = collection + timings;
    for (int i = 0; i < body.size() && 132 + i < 255; ++i)
        image[132 + i] = body[i];
    unsigned sum = 0;
    for (int i = 128; i < 255; ++i)
        sum += static_cast<unsigned char>(image[i]);
    image[255] = static_cast<char>((256 - sum % 256) % 256);
    return image;
}

// Accepts every modal message box that opens while it lives, keeping title and text.
class ModalCloser
{
public:
    ModalCloser()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this]() {
            QWidget *modal = QApplication::activeModalWidget();
            if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
                titles << box->windowTitle();
                texts << box->text();
                if (whileOpen)
                    whileOpen();
                box->accept();
            }
        });
        timer.start();
    }
    QStringList titles;
    QStringList texts;
    std::function<void()> whileOpen;  // run once per box, before it is closed

private:
    QTimer timer;
};

#endif // CEATESTUTIL_H
