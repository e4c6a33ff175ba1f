#ifndef CEAHDMI14BVSDB_H
#define CEAHDMI14BVSDB_H

#include <array>

#include "ceablock.h"

class QCheckBox;
class QSpinBox;

namespace Ui {
class CEAHdmi14bVsdb;
}

// The HDMI 1.4b vendor-specific data block (tag 3, OUI 00-0C-03): physical
// address, capability flags, maximum TMDS clock, content types and
// latencies. The optional parts follow a chain of checkable boxes.
class CEAHdmi14bVsdb : public CEABlock
{
    Q_OBJECT

public:
    static constexpr int vsdbSize = 13;

    explicit CEAHdmi14bVsdb(CEABlock *parent = nullptr);
    ~CEAHdmi14bVsdb() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    // Bytes after the OUI and physical address that the checked chain writes.
    int optionalBytes() const;

public slots:
    void updateUI() override;

private slots:
    void on_regIDField_textChanged(const QString &arg1);
    void on_phyAddressA_valueChanged(int arg1);
    void on_phyAddressB_valueChanged(int arg1);
    void on_phyAddressC_valueChanged(int arg1);
    void on_phyAddressD_valueChanged(int arg1);
    void on_supportAICheckBox_clicked(bool checked);
    void on_dc48CheckBox_clicked(bool checked);
    void on_dc36CheckBox_clicked(bool checked);
    void on_dc30CheckBox_clicked(bool checked);
    void on_dcY444CheckBox_clicked(bool checked);
    void on_dviDualCheckBox_clicked(bool checked);
    void on_tmdsClockValue_valueChanged(int arg1);
    void on_graphicCheckBox_clicked(bool checked);
    void on_photoCheckBox_clicked(bool checked);
    void on_cinemaCheckBox_clicked(bool checked);
    void on_grameCheckBox_clicked(bool checked);
    void on_pVideoLattency_valueChanged(int arg1);
    void on_pAudioLattency_valueChanged(int arg1);
    void on_iVideoLattency_valueChanged(int arg1);
    void on_iAudioLattency_valueChanged(int arg1);

private:
    void setFlag(const QCheckBox *box, bool checked);
    void setValue(const QSpinBox *box, int value);
    void setBits(int byte, unsigned char mask, unsigned char value);
    void showBytes();

    Ui::CEAHdmi14bVsdb *ui;
    std::array<unsigned char, vsdbSize> vsdbBytes;
    // A loaded block is written back as it was until the first edit.
    QByteArray loadedBlock;
    bool keepLoaded;
};

#endif // CEAHDMI14BVSDB_H
