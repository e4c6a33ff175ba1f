#ifndef CEAVIDEOCAPABILITY_H
#define CEAVIDEOCAPABILITY_H

#include "ceablock.h"
#include "ceafixedpayload.h"

namespace Ui {
class CEAVideoCapability;
}

// Video capability data block (extended tag 0): quantization range flags
// and the overscan/underscan behaviour of the preferred, IT and CE formats.
// Its payload comes with the extended tag byte first.
class CEAVideoCapability : public CEABlock
{
    Q_OBJECT

public:
    explicit CEAVideoCapability(CEABlock *parent = nullptr);
    ~CEAVideoCapability() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

public slots:
    void updateUI() override;
    void updateModel();

private slots:
    void on_helpButton_clicked(bool checked);

private:
    Ui::CEAVideoCapability *ui;
    // QY (bit 7), QS (bit 6), S_PT (bits 5-4), S_IT (bits 3-2), S_CE (bits 1-0).
    CEAFixedPayload capabilityByte;
};

#endif // CEAVIDEOCAPABILITY_H
