#ifndef CEASPEAKERALLOCATIONBLOCK_H
#define CEASPEAKERALLOCATIONBLOCK_H

#include "ceablock.h"

namespace Ui {
class CEASpeakerAllocationBlock;
}

// The Speaker Allocation data block: one toggle button per speaker over the
// 11 speaker bits of payload bytes 1 and 2 (a left/right pair shares its bit).
// The other bits are written back as loaded.
class CEASpeakerAllocationBlock : public CEABlock
{
    Q_OBJECT

public:
    explicit CEASpeakerAllocationBlock(CEABlock *parent = nullptr);
    ~CEASpeakerAllocationBlock() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

public slots:
    void updateUI() override;

private slots:
    void on_flh_clicked(bool checked);
    void on_frh_clicked(bool checked);
    void on_fch_clicked(bool checked);
    void on_flw_clicked(bool checked);
    void on_frw_clicked(bool checked);
    void on_fl_clicked(bool checked);
    void on_fr_clicked(bool checked);
    void on_flc_clicked(bool checked);
    void on_frc_clicked(bool checked);
    void on_fc_clicked(bool checked);
    void on_lfe_clicked(bool checked);
    void on_tc_clicked(bool checked);
    void on_rl_clicked(bool checked);
    void on_rr_clicked(bool checked);
    void on_rlc_clicked(bool checked);
    void on_rrc_clicked(bool checked);
    void on_rc_clicked(bool checked);
    void on_helpButton_clicked(bool checked);

private:
    // Bit n of the 16-bit set of payload bytes 1 (bits 0-7) and 2 (bits 8-15).
    bool speaker(int bit) const;
    void setSpeaker(int bit, bool checked);

    Ui::CEASpeakerAllocationBlock *ui;
    // The payload as loaded (3 bytes in a well-formed block); a click on a
    // shorter one first completes it to 3 bytes with zeros.
    QByteArray speakerAllocation;
};

#endif // CEASPEAKERALLOCATIONBLOCK_H
