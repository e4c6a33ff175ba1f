#ifndef CEABLOCK_H
#define CEABLOCK_H

#include <QByteArray>
#include <QFrame>
#include <QString>

#include "edidcea.h"

class QListWidgetItem;

// Kind of a CEA-861 data block editor; also the row of the kind tables below.
enum CEABlockType {
    CEA_UNKNOWN = 0,
    CEA_VIDEO = 1,
    CEA_AUDIO = 2,
    CEA_SPEAKER_ALLOCATION = 3,
    CEA_VENDOR_SPECIFIC = 4,
    CEA_VIDEO_CAPABILITY = 5,
    CEA_COLORIMETRY = 6,
    CEA_VENDOR_SPECIFIC_VIDEO = 7,
    CEA_VENDOR_SPECIFIC_AUDIO = 8,
    CEA_INFO_FRAME = 9,
    CEA_YCBCR420_VIDEO = 10,
    CEA_YCBCR420_CAPABILITY_MAP = 11,
    CEA_VIDEO_FORMAT_PREFERENCE = 12,
    CEA_DETAILED_TIMING = 13
};

static const int CEA_BLOCK_TYPE_COUNT = 14;

// Data block tag (header bits 7-5) and, for tag 7, extended tag (first payload byte).
struct CEABlockTags {
    qint32 tag;
    qint32 extTag;
};

// Base of every editor of one CEA-861 data block, and of the editor of the
// extension's detailed timing descriptors (a pseudo block written after the
// data block collection, without header byte).
class CEABlock : public QFrame
{
    Q_OBJECT

public:
    explicit CEABlock(QWidget *parent = nullptr);

    // Load from one decoded block. For extended-tag kinds (other than video
    // capability) the payload starts after the extended tag byte. `length`
    // never reaches past the block nor past the image: read at most `length`
    // bytes from `payload`.
    virtual void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                            unsigned char *working);
    // Defaults of a block added by the user; reports a change.
    virtual void resetFields(unsigned char *reference, unsigned char *working);
    // The block's bytes without header byte (extended tag first for tag 7 kinds).
    virtual QByteArray getEDIDData();

    // Identity of the block as written: its tag, extended tag and list name.
    virtual QString getDisplayName();
    virtual int getType();
    virtual int getSubType();
    CEABlockType getBlockKind() const { return type; }
    bool isDetailedTimingList() const { return type == CEA_DETAILED_TIMING; }

    static int getSubType(CEABlockType t);
    // Kind of a data block of the image; the detailed timing pseudo kind never matches.
    static CEABlockType getBlockType(unsigned char tag, unsigned char extTag);

    bool displayHelpMessage();
    QString getHelpMessage();

    // Up to `max` bytes of the payload of `info` (never more than its length);
    // the rest of a fixed-size record is for the caller to default.
    static QByteArray payloadBytes(const _EDID_CEA_DATA_BLOCK_INFO &info, int max);

    // A list row that names what the image lacks is black on red; otherwise
    // it takes the list's colours.
    static void markMissing(QListWidgetItem *item, bool missing);

    static const CEABlockTags ceaBlockTypeAssociation[CEA_BLOCK_TYPE_COUNT];
    static const QString displayName[CEA_BLOCK_TYPE_COUNT];
    static const qint32 subBlockSize[CEA_BLOCK_TYPE_COUNT];

signals:
    void displayHelp(bool visible);
    void valueChanged();

public slots:
    void updateEDID();
    void onSubBlockValueChanged();
    virtual void updateUI();

protected:
    unsigned char *reference;
    unsigned char *working;
    bool helpVisible;
    QString helpMessage;
    CEABlockType type;
};

#endif // CEABLOCK_H
