#include "ceainfoframeshortblock.h"

namespace {
const int ouiSize = 3;
}

CEAInfoFrameShortBlock::CEAInfoFrameShortBlock(infoFrameBlockType type, QObject *parent)
    : QObject(parent), type(type), ieeOUI(QStringLiteral("000000"))
{
}

CEAInfoFrameShortBlock *CEAInfoFrameShortBlock::read(const unsigned char *data, int size,
                                                     int *used)
{
    const int header = data[0];
    const auto code = static_cast<infoFrameBlockType>(header & 0x1F);
    if (code == INFOFRAME_VENDOR_SPECIFIC && size < 1 + ouiSize)
        return nullptr;
    auto *block = new CEAInfoFrameShortBlock(code);
    int i = 1;
    if (code == INFOFRAME_VENDOR_SPECIFIC) {
        block->ieeOUI = QStringLiteral("%1%2%3")
                            .arg(data[3], 2, 16, QLatin1Char('0'))
                            .arg(data[2], 2, 16, QLatin1Char('0'))
                            .arg(data[1], 2, 16, QLatin1Char('0'))
                            .toUpper();
        i += ouiSize;
    }
    const int end = qMin(i + (header >> 5), size);
    block->payload = QByteArray(reinterpret_cast<const char *>(data) + i, end - i);
    *used = end;
    return block;
}

int CEAInfoFrameShortBlock::getSize() const
{
    return 1 + (type == INFOFRAME_VENDOR_SPECIFIC ? ouiSize : 0) + payload.size();
}

QByteArray CEAInfoFrameShortBlock::getEDIDData() const
{
    QByteArray data(1, static_cast<char>((payload.size() << 5) | (type & 0x1F)));
    if (type == INFOFRAME_VENDOR_SPECIFIC)
        data += ouiBytes(ieeOUI);
    return data + payload;
}

// As strtoul with base 16: leading blanks, then an optional 0x, then the
// digits up to the first other character.
QByteArray CEAInfoFrameShortBlock::ouiBytes(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i + 1 < text.size() && text.at(i) == QLatin1Char('0')
        && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        i += 2;
    }
    quint32 value = 0;
    for (; i < text.size(); ++i) {
        const char c = text.at(i).toLatin1();
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            break;
        value = ((value << 4) | static_cast<quint32>(digit)) & 0xFFFFFF;
    }
    QByteArray bytes;
    for (int b = 0; b < ouiSize; ++b)
        bytes.append(static_cast<char>((value >> (8 * b)) & 0xFF));
    return bytes;
}
