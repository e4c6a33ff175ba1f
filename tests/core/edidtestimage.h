#ifndef EDIDTESTIMAGE_H
#define EDIDTESTIMAGE_H

// Helpers shared by the writer and CEA tests: sample images and checksums.

#include "edid.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <array>

using Image = std::array<Byte, 256>;

// A sample of tests/data as a 256-byte image (a 128-byte file is padded with 0).
inline Image loadSample(const QString& name)
{
    Image image{};
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + name + QStringLiteral(".bin"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(256);
        for (int i = 0; i < bytes.size(); ++i)
            image[size_t(i)] = Byte(bytes[i]);
    }
    return image;
}

// Names (without .bin) of every sample image.
inline QStringList sampleNames()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(VOZEVU_TEST_DATA)).entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name))
        names << file.left(file.size() - 4);
    return names;
}

// Sum of a 128-byte block modulo 256 (0 when its checksum is right).
inline int blockSum(const Image& image, int first)
{
    int sum = 0;
    for (int i = first; i < first + 128; ++i)
        sum += image[size_t(i)];
    return sum & 0xFF;
}

// The bytes first..first+n-1 of an image as hexadecimal text ("00 FF ..."), for readable failures.
inline QByteArray hexBytes(const Image& image, int first, int n)
{
    QByteArray out;
    for (int i = first; i < first + n; ++i) {
        if (i > first)
            out += ' ';
        out += QByteArray::number(image[size_t(i)], 16).rightJustified(2, '0').toUpper();
    }
    return out;
}

#endif // EDIDTESTIMAGE_H
