#ifndef CEAINFOFRAME_H
#define CEAINFOFRAME_H

#include <QList>

#include "ceablock.h"
#include "ceainfoframeshortblock.h"
#include "cealoadedbytes.h"

namespace Ui {
class CEAInfoFrame;
}

// InfoFrame data block (extended tag 0x20): the InfoFrames the sink accepts,
// most desired first, and how many vendor-specific InfoFrames it takes at
// once. After the extended tag: the InfoFrame processing descriptor header
// (bits 7-5: length n of its payload), the VSIF count, the n payload bytes,
// then the short InfoFrame descriptors.
class CEAInfoFrame : public CEABlock
{
    Q_OBJECT

public:
    explicit CEAInfoFrame(CEABlock *parent = nullptr);
    ~CEAInfoFrame() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    // Names of the InfoFrame type codes 0 to 6.
    static const QString infoFrameBlockName[7];

public slots:
    void updateUI() override;
    void updateSidePanel();

private slots:
    void on_addBlockButton_clicked();
    void on_removeBlockButton_clicked();
    void on_upButton_clicked();
    void on_downButton_clicked();
    void on_infoBlocks_currentRowChanged(int curentRow);
    void on_infoBlockType_currentRowChanged(int currentRow);
    void on_VSIFSpinBox_valueChanged(int arg1);
    void on_ieeeField_editingFinished();
    void on_helpButton_clicked(bool checked);

private:
    QByteArray encode() const;
    void clearBlocks();
    int typeCodeToAdd() const;
    void updateAddButton();
    void moveCurrent(int step);

    Ui::CEAInfoFrame *ui;
    QList<CEAInfoFrameShortBlock *> shortBlocks;
    // Processing descriptor header (bits 4-0 kept as read) and its payload.
    quint8 processingHeader;
    QByteArray processingPayload;
    // Bytes of a loaded block that end it without forming a descriptor (a
    // vendor-specific header without its OUI), written after the descriptors.
    QByteArray unreadBytes;
    CEALoadedBytes loaded;
};

#endif // CEAINFOFRAME_H
