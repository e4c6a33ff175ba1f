#include "ceablock.h"

#include <QBrush>
#include <QListWidgetItem>

#include "hexaviewer.h"

// Row 13 is the list of detailed timing descriptors after the data block
// collection: its codes are kept for reference but never matched against a
// block of the image (extended tag 6 is the HDR static metadata block).
const CEABlockTags CEABlock::ceaBlockTypeAssociation[CEA_BLOCK_TYPE_COUNT] = {
    {0, 0},   // Unknown
    {2, 0},   // Video
    {1, 0},   // Audio
    {4, 0},   // Speaker allocation
    {3, 0},   // Vendor specific
    {7, 0},   // Video capability
    {7, 5},   // Colorimetry
    {7, 1},   // Vendor specific video
    {7, 17},  // Vendor specific audio
    {7, 32},  // InfoFrame
    {7, 14},  // YCbCr 4:2:0 video
    {7, 15},  // YCbCr 4:2:0 capability map
    {7, 13},  // Video format preference
    {7, 6},   // Detailed timing (pseudo kind)
};

const QString CEABlock::displayName[CEA_BLOCK_TYPE_COUNT] = {
    QStringLiteral("Unknown"),
    QStringLiteral("Video"),
    QStringLiteral("Audio"),
    QStringLiteral("Speaker allocation"),
    QStringLiteral("Vendor specific"),
    QStringLiteral("Video capability"),
    QStringLiteral("Colorimetry"),
    QStringLiteral("Vendor specific video"),
    QStringLiteral("Vendor specific audio"),
    QStringLiteral("Info frame"),
    QStringLiteral("YCbCr 4:2:0 Video"),
    QStringLiteral("YCbCr 4:2:0 capability map"),
    QStringLiteral("Video format preference"),
    QStringLiteral("Detailed timing"),
};

const qint32 CEABlock::subBlockSize[CEA_BLOCK_TYPE_COUNT] = {
    0, 1, 3, 3, 1, 1, 2, 1, 1, 1, 1, 1, 1, 18
};

CEABlock::CEABlock(QWidget *parent)
    : QFrame(parent), reference(nullptr), working(nullptr), helpVisible(false),
      type(CEA_UNKNOWN)
{
    emit valueChanged();
}

void CEABlock::initFields(_EDID_CEA_DATA_BLOCK_INFO, unsigned char *reference,
                          unsigned char *working)
{
    this->reference = reference;
    this->working = working;
}

void CEABlock::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    updateEDID();
}

QByteArray CEABlock::getEDIDData()
{
    return QByteArray();
}

QString CEABlock::getDisplayName()
{
    return displayName[type];
}

int CEABlock::getType()
{
    return ceaBlockTypeAssociation[type].tag;
}

int CEABlock::getSubType()
{
    return ceaBlockTypeAssociation[type].extTag;
}

int CEABlock::getSubType(CEABlockType t)
{
    if (t < 0 || t >= CEA_BLOCK_TYPE_COUNT)
        return 0;
    return ceaBlockTypeAssociation[t].extTag;
}

CEABlockType CEABlock::getBlockType(unsigned char tag, unsigned char extTag)
{
    for (int row = CEA_UNKNOWN; row < CEA_DETAILED_TIMING; ++row) {
        const CEABlockTags &codes = ceaBlockTypeAssociation[row];
        if (codes.tag != tag)
            continue;
        if (codes.tag == 7 && codes.extTag != extTag)
            continue;
        return static_cast<CEABlockType>(row);
    }
    return CEA_UNKNOWN;
}

bool CEABlock::displayHelpMessage()
{
    return helpVisible;
}

QString CEABlock::getHelpMessage()
{
    return helpMessage;
}

QByteArray CEABlock::payloadBytes(const _EDID_CEA_DATA_BLOCK_INFO &info, int max)
{
    const int length = static_cast<int>(info.length);
    const int count = qMin(qMax(length, 0), qMax(max, 0));
    if (count == 0 || info.payload == nullptr)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(info.payload), count);
}

void CEABlock::markMissing(QListWidgetItem *item, bool missing)
{
    if (missing) {
        item->setForeground(QBrush(Qt::black));
        item->setBackground(QBrush(Qt::red));
    } else {
        item->setData(Qt::ForegroundRole, QVariant());
        item->setData(Qt::BackgroundRole, QVariant());
    }
}

void CEABlock::updateEDID()
{
    emit valueChanged();
    if (reference != nullptr && working != nullptr)
        HexaViewer::getInstance()->updateByteArray(reference, working, 128, 255);
}

void CEABlock::onSubBlockValueChanged()
{
    emit valueChanged();
}

void CEABlock::updateUI()
{
}
