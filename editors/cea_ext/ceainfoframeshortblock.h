#ifndef CEAINFOFRAMESHORTBLOCK_H
#define CEAINFOFRAMESHORTBLOCK_H

#include <QByteArray>
#include <QObject>
#include <QString>

// InfoFrame type codes (bits 4-0 of a short InfoFrame descriptor header).
enum infoFrameBlockType : quint32 {
    INFOFRAME_UNKNOWN = 0,
    INFOFRAME_VENDOR_SPECIFIC = 1,
    INFOFRAME_AUXILIARY_VIDEO = 2,
    INFOFRAME_SOURCE_PRODUCT = 3,
    INFOFRAME_AUDIO = 4,
    INFOFRAME_MPEG_SOURCE = 5,
    INFOFRAME_NTSC_VBI = 6
};

// One short InfoFrame descriptor of an InfoFrame data block: a header byte
// (bits 7-5: length of the payload that follows, bits 4-0: type code), the
// IEEE OUI for a vendor-specific one, then that payload, kept as it is.
class CEAInfoFrameShortBlock : public QObject
{
public:
    explicit CEAInfoFrameShortBlock(infoFrameBlockType type, QObject *parent = nullptr);

    // The descriptor at `data` (`size` bytes left in the block, at least 1);
    // `*used` is the number of bytes it takes there. A payload running past
    // the block keeps the bytes it has; null for a vendor-specific header
    // without its three OUI bytes.
    static CEAInfoFrameShortBlock *read(const unsigned char *data, int size, int *used);

    infoFrameBlockType getType() const { return type; }
    QString getIEEOUI() const { return ieeOUI; }
    void setIEEOUI(const QString &oui) { ieeOUI = oui; }
    int getSize() const;
    QByteArray getEDIDData() const;

    // The three low-order bytes of an OUI text read as a hexadecimal number,
    // least significant first.
    static QByteArray ouiBytes(const QString &text);

private:
    infoFrameBlockType type;
    QString ieeOUI;
    QByteArray payload;
};

#endif // CEAINFOFRAMESHORTBLOCK_H
