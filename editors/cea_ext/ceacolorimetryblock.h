#ifndef CEACOLORIMETRYBLOCK_H
#define CEACOLORIMETRYBLOCK_H

#include "ceablock.h"
#include "ceafixedpayload.h"

namespace Ui {
class CEAColorimetryBlock;
}

// Colorimetry data block (extended tag 5): the eight extended-colorimetry
// flags of the sink as check boxes; the metadata byte is kept as it is.
class CEAColorimetryBlock : public CEABlock
{
    Q_OBJECT

public:
    explicit CEAColorimetryBlock(CEABlock *parent = nullptr);
    ~CEAColorimetryBlock() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

public slots:
    void updateUI() override;

private slots:
    void on_bt2020rgbCB_clicked(bool checked);
    void on_bt2020yccCB_clicked(bool checked);
    void on_bt2020cyccCB_clicked(bool checked);
    void on_adobergbCB_clicked(bool checked);
    void on_adobeycc601CB_clicked(bool checked);
    void on_sycc501CB_clicked(bool checked);
    void on_xvycc709CB_clicked(bool checked);
    void on_xvycc601CB_clicked(bool checked);
    void on_helpButton_clicked(bool checked);

private:
    void setFlag(int bit, bool checked);

    Ui::CEAColorimetryBlock *ui;
    // Flags byte, then metadata byte.
    CEAFixedPayload colorimetryData;
};

#endif // CEACOLORIMETRYBLOCK_H
