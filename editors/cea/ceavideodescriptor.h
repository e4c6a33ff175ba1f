#ifndef CEAVIDEODESCRIPTOR_H
#define CEAVIDEODESCRIPTOR_H

#include <QVector>

#include "ceablock.h"

class CEAShortVideoBlock;
class QSpacerItem;

namespace Ui {
class CEAVideoDescriptor;
}

// Video data block (tag 2) and YCbCr 4:2:0 video data block (tag 7, extended
// tag 14): one row per short video descriptor, added and deleted at the end.
class CEAVideoDescriptor : public CEABlock
{
    Q_OBJECT

public:
    explicit CEAVideoDescriptor(CEABlockType type, CEABlock *parent = nullptr);
    ~CEAVideoDescriptor() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    void addVideoShortBlock();
    void delVideoShortBlock();

    int rowCount() const { return shortVideoBlockCount; }
    // Rows a block of this kind can hold: 31 payload bytes, the extended tag
    // taking one of them in the YCbCr 4:2:0 variant.
    int maxRows() const;

private slots:
    void update();
    void on_addVideoItemButton_clicked();
    void on_delVideoItemButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    CEAShortVideoBlock *row(int index);

    Ui::CEAVideoDescriptor *ui;
    // Rows are created when their position is first used, and then kept
    // (hidden once deleted) with their value.
    QVector<CEAShortVideoBlock *> shortVideoBlocks;
    int shortVideoBlockCount;
    int initializedBlockCount;
    QSpacerItem *rowSpacer;
};

#endif // CEAVIDEODESCRIPTOR_H
