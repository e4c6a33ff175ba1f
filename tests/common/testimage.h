#ifndef TESTIMAGE_H
#define TESTIMAGE_H

// EDID images for tests: the samples of tests/data, checksums, bytes as hex
// text, and the reference/working pair that the editors are given. Needs
// QtCore and the EDID core only (no widgets), so the core tests use it too.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "ediddecode.h"
#include "edidtypes.h"

using Image = std::array<Byte, 256>;

// ---------------------------------------------------------------------------
// Samples: tests/data/NAME.bin ("NAME" and "NAME.bin" both name it).

inline QString samplePath(const QString &name)
{
    const QString file = name.endsWith(QLatin1String(".bin")) ? name : name + QLatin1String(".bin");
    return QStringLiteral(VOZEVU_TEST_DATA "/") + file;
}

// Names (without .bin) of every sample, sorted.
inline QStringList sampleNames()
{
    QStringList names;
    const QStringList files = QDir(QStringLiteral(VOZEVU_TEST_DATA))
                                  .entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        names << file.left(file.size() - 4);
    return names;
}

// The sample's bytes as they are in the file. A missing sample stops the test
// program: it is a broken checkout, not a result.
inline QByteArray readSample(const QString &name)
{
    QFile file(samplePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read sample %s", qPrintable(file.fileName()));
    return file.readAll();
}

// The sample as a 256-byte image: its first 256 bytes over zeros.
inline QByteArray sampleImage(const QString &name)
{
    return readSample(name).leftJustified(256, '\0', true);
}

inline Image loadSample(const QString &name)
{
    const QByteArray bytes = sampleImage(name);
    Image image{};
    std::memcpy(image.data(), bytes.constData(), image.size());
    return image;
}

// ---------------------------------------------------------------------------
// Checksums of 128-byte blocks (base block at 0, extension at 128).

// Sum of the 128 bytes from `block`, modulo 256: 0 when the checksum is right.
inline int blockSum(const unsigned char *block)
{
    unsigned sum = 0;
    for (int i = 0; i < 128; ++i)
        sum += block[i];
    return int(sum % 256);
}

inline int blockSum(const Image &image, int first) { return blockSum(image.data() + first); }

inline int blockSum(const std::vector<unsigned char> &image, int first)
{
    return blockSum(image.data() + first);
}

inline int blockSum(const QByteArray &image, int first)
{
    Q_ASSERT(image.size() >= first + 128);
    return blockSum(reinterpret_cast<const unsigned char *>(image.constData()) + first);
}

// Sets the last byte of the block so that its 128 bytes sum to 0.
inline void fixChecksum(unsigned char *block)
{
    block[127] = 0;
    block[127] = Byte((256 - blockSum(block)) % 256);
}

inline void fixChecksum(Image &image, int first = 0) { fixChecksum(image.data() + first); }

inline void fixChecksum(QByteArray &image, int first = 0)
{
    Q_ASSERT(image.size() >= first + 128);
    fixChecksum(reinterpret_cast<unsigned char *>(image.data()) + first);
}

// Bytes to replace in an image: (index, value) pairs.
using BytePatches = std::initializer_list<std::pair<int, Byte>>;

// The sample with `patches` applied and the checksum of each block they
// touch made right (no patches: the sample as it is).
inline Image loadSample(const QString &name, BytePatches patches)
{
    Image image = loadSample(name);
    bool touched[2] = {false, false};
    for (const auto &patch : patches) {
        Q_ASSERT(patch.first >= 0 && patch.first < 256);
        image[size_t(patch.first)] = patch.second;
        touched[patch.first / 128] = true;
    }
    for (int block = 0; block < 2; ++block)
        if (touched[block])
            fixChecksum(image, 128 * block);
    return image;
}

// ---------------------------------------------------------------------------
// Bytes and hex text.

// "00 FF 1A" as bytes (spaces are skipped).
inline QByteArray hexBytes(const char *text) { return QByteArray::fromHex(text); }

// `n` bytes as upper-case hex text ("00 FF ..."), for readable failures.
inline QByteArray hexText(const unsigned char *bytes, int n)
{
    return QByteArray(reinterpret_cast<const char *>(bytes), n).toHex(' ').toUpper();
}

inline QByteArray hexText(const Image &image, int first, int n) { return hexText(image.data() + first, n); }

// A valid base block: header, version 1.`revision`, four unused descriptors
// (tag 0x10), everything else 0, checksum right.
inline Image baseBlockImage(int revision = 3)
{
    static const Byte header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    Image image{};
    std::memcpy(image.data(), header, 8);
    image[18] = 1;
    image[19] = Byte(revision);
    for (int slot = 0; slot < 4; ++slot)
        image[size_t(54 + 18 * slot + 3)] = 0x10;
    fixChecksum(image);
    return image;
}

// A 256-byte image (base block all 0) whose CEA-861 extension holds
// `collection` as its data blocks, then `timings`, with the extension's
// checksum right.
inline QByteArray ceaExtensionImage(const QByteArray &collection, const QByteArray &timings = QByteArray(),
                                    int version = 3, unsigned char support = 0)
{
    QByteArray image(256, '\0');
    image[128] = 0x02;
    image[129] = char(version);
    image[130] = char(4 + collection.size());
    image[131] = char(support);
    const QByteArray body = collection + timings;
    for (int i = 0; i < body.size() && 132 + i < 255; ++i)
        image[132 + i] = body[i];
    fixChecksum(image, 128);
    return image;
}

// hdmi-tv with its last data block made an audio block whose length (31) runs
// 19 bytes past d into the timings: what the page reads from it takes 127 of
// the 123 bytes, so the timings do not fit, yet every byte is in the file.
inline QByteArray audioPastOffsetD()
{
    QByteArray image = sampleImage(QStringLiteral("hdmi-tv"));
    image[128 + 26] = char(0x3F);
    fixChecksum(image, 128);
    return image;
}

// ---------------------------------------------------------------------------
// The reference and working images an editor is given, as the main window
// holds them. Each is its own 256-byte heap block, so that a read or write
// past byte 255 is caught by the address sanitizer.

class EdidImages
{
public:
    EdidImages() = default;
    EdidImages(const EdidImages &) = delete;
    EdidImages &operator=(const EdidImages &) = delete;

private:
    std::vector<unsigned char> referenceBlock = std::vector<unsigned char>(256, 0);
    std::vector<unsigned char> workingBlock = std::vector<unsigned char>(256, 0);

public:
    unsigned char *const reference = referenceBlock.data();
    unsigned char *const working = workingBlock.data();

    // Both images from `bytes`: the first 256 over zeros.
    void set(const QByteArray &bytes)
    {
        const QByteArray image = bytes.leftJustified(256, '\0', true);
        std::memcpy(reference, image.constData(), 256);
        std::memcpy(working, image.constData(), 256);
    }

    void set(const Image &image)
    {
        std::memcpy(reference, image.data(), 256);
        std::memcpy(working, image.data(), 256);
    }

    // Both images from a sample, as a file is opened: a revision other than 0
    // replaces byte 19 (and the checksum is made right), and the core's
    // revision is set from byte 19.
    bool load(const QString &name, int revision = 0)
    {
        if (!QFile::exists(samplePath(name)))
            return false;
        QByteArray image = sampleImage(name);
        if (revision != 0) {
            image[19] = char(revision);
            fixChecksum(image, 0);
        }
        set(image);
        EDIDGetVersionRevision(working);
        return true;
    }

    // Both images from a sample with `patches` applied (see loadSample), and
    // the base block decoded into `info`, as a file is shown; false if it
    // does not decode.
    bool loadDecoded(const QString &name, _EDID_MANDATORY_INFO *info, BytePatches patches = {})
    {
        set(loadSample(name, patches));
        return EDIDGetMandatoryInfo(working, info);
    }

    // A base block of `revision` (see baseBlockImage) whose descriptor `slot`
    // holds the 18 `descriptor` bytes; sets the core's revision.
    void build(int revision, int slot, const QByteArray &descriptor)
    {
        Image image = baseBlockImage(revision);
        std::memcpy(image.data() + 54 + 18 * slot, descriptor.constData(), 18);
        fixChecksum(image);
        set(image);
        EDIDGetVersionRevision(working);
    }

    // The decoded descriptor of a slot of the working image.
    _EDID_MONITOR_DESC decode(int slot) const { return EDIDGet18ByteInfo(working, slot); }

    QByteArray workingBytes(int first = 0, int n = 256) const { return bytes(working, first, n); }
    QByteArray referenceBytes(int first = 0, int n = 256) const { return bytes(reference, first, n); }

    // The 18 bytes of descriptor slot 0-3.
    QByteArray slot(int slot) const { return workingBytes(54 + 18 * slot, 18); }
    QByteArray referenceSlot(int slot) const { return referenceBytes(54 + 18 * slot, 18); }

    // Whether the working block from `first` (0 or 128) sums to 0.
    bool checksumOk(int first = 0) const { return blockSum(working + first) == 0; }

    // Indexes of the bytes of the working image that differ from the
    // reference, the base block's checksum (byte 127) aside.
    QList<int> changedBytes() const
    {
        QList<int> changed;
        for (int i = 0; i < 256; ++i)
            if (i != 127 && working[i] != reference[i])
                changed << i;
        return changed;
    }

    // Whether a byte other than those of descriptor `slot` (and byte 127) changed.
    bool changedOutsideSlot(int slot) const
    {
        for (int i : changedBytes())
            if (i < 54 + 18 * slot || i >= 72 + 18 * slot)
                return true;
        return false;
    }

private:
    static QByteArray bytes(const unsigned char *image, int first, int n)
    {
        return QByteArray(reinterpret_cast<const char *>(image) + first, n);
    }
};

#endif // TESTIMAGE_H
