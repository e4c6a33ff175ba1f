#ifndef CEAVENDORDESCRIPTOR_H
#define CEAVENDORDESCRIPTOR_H

#include <array>

#include "ceablock.h"

class CEAVendorSpecificBlock;
class QSpacerItem;

namespace Ui {
class CEAVendorSpecificDescriptor;
}

// Vendor-specific data blocks (tag 3) and vendor-specific video and audio
// blocks (extended tags 1 and 17) as raw bytes: the IEEE OUI, least
// significant byte first, then up to 28 bytes of the vendor's own.
class CEAVendorSpecificDescriptor : public CEABlock
{
    Q_OBJECT

public:
    static constexpr int rowCount = 28;
    static constexpr int ouiSize = 3;

    explicit CEAVendorSpecificDescriptor(CEABlockType type, CEABlock *parent = nullptr);
    ~CEAVendorSpecificDescriptor() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    // Most data bytes a block of this kind can hold, OUI included: the 5-bit
    // length of the header counts the extended tag byte too.
    static int capacity(CEABlockType type);

public slots:
    void updateUI() override;

private slots:
    void on_addVSDBButton_clicked();
    void on_delVSDBButton_clicked();
    void on_regIDField_editingFinished();
    void on_helpButton_clicked(bool checked);

private:
    // Row k, made (with the rows before it) the first time it is needed.
    CEAVendorSpecificBlock *row(int k);
    void changeByteCount(int count);

    Ui::CEAVendorSpecificDescriptor *ui;
    std::array<CEAVendorSpecificBlock *, rowCount> vendorBlocks;
    int madeRows;
    bool rowsNumbered;   // rows take their own number once a reset has numbered them
    int byteCount;
    QSpacerItem *rowSpacer;
};

#endif // CEAVENDORDESCRIPTOR_H
