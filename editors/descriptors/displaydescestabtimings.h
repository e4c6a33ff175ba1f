#ifndef DISPLAYDESCESTABTIMINGS_H
#define DISPLAYDESCESTABTIMINGS_H

#include <QGroupBox>

#include "edidtypes.h"
#include "stringinfo.h"

class QCheckBox;

namespace Ui {
class DisplayDescEstabTimings;
}

// Editor of an established timings III descriptor (tag 0xF7, E-EDID 1.4):
// 44 timing flags, flag k in bit 7 - (k mod 8) of descriptor byte 6 + k / 8.
class DisplayDescEstabTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescEstabTimings(QWidget *parent = nullptr);
    ~DisplayDescEstabTimings() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    void updateEstablishedTimings();
    StringInfo getStringInfo();
    void enableTiming(bool enable, int flag);
    void checkUncheck(unsigned char value, QCheckBox *box);

private slots:
    void on_estabTimingCB1_toggled(bool checked);
    void on_estabTimingCB2_toggled(bool checked);
    void on_estabTimingCB3_toggled(bool checked);
    void on_estabTimingCB4_toggled(bool checked);
    void on_estabTimingCB5_toggled(bool checked);
    void on_estabTimingCB6_toggled(bool checked);
    void on_estabTimingCB7_toggled(bool checked);
    void on_estabTimingCB8_toggled(bool checked);
    void on_estabTimingCB9_toggled(bool checked);
    void on_estabTimingCB10_toggled(bool checked);
    void on_estabTimingCB11_toggled(bool checked);
    void on_estabTimingCB12_toggled(bool checked);
    void on_estabTimingCB13_toggled(bool checked);
    void on_estabTimingCB14_toggled(bool checked);
    void on_estabTimingCB15_toggled(bool checked);
    void on_estabTimingCB16_toggled(bool checked);
    void on_estabTimingCB17_toggled(bool checked);
    void on_estabTimingCB18_toggled(bool checked);
    void on_estabTimingCB19_toggled(bool checked);
    void on_estabTimingCB20_toggled(bool checked);
    void on_estabTimingCB21_toggled(bool checked);
    void on_estabTimingCB22_toggled(bool checked);
    void on_estabTimingCB23_toggled(bool checked);
    void on_estabTimingCB24_toggled(bool checked);
    void on_estabTimingCB25_toggled(bool checked);
    void on_estabTimingCB26_toggled(bool checked);
    void on_estabTimingCB27_toggled(bool checked);
    void on_estabTimingCB28_toggled(bool checked);
    void on_estabTimingCB29_toggled(bool checked);
    void on_estabTimingCB30_toggled(bool checked);
    void on_estabTimingCB31_toggled(bool checked);
    void on_estabTimingCB32_toggled(bool checked);
    void on_estabTimingCB33_toggled(bool checked);
    void on_estabTimingCB34_toggled(bool checked);
    void on_estabTimingCB35_toggled(bool checked);
    void on_estabTimingCB36_toggled(bool checked);
    void on_estabTimingCB37_toggled(bool checked);
    void on_estabTimingCB38_toggled(bool checked);
    void on_estabTimingCB39_toggled(bool checked);
    void on_estabTimingCB40_toggled(bool checked);
    void on_estabTimingCB41_toggled(bool checked);
    void on_estabTimingCB42_toggled(bool checked);
    void on_estabTimingCB43_toggled(bool checked);
    void on_estabTimingCB44_toggled(bool checked);

private:
    QCheckBox *box(int flag) const;

    Ui::DisplayDescEstabTimings *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    _EDID_MONITOR_DESC desc{};
    int index = 0;
    Bool flags[44] = {};
};

#endif // DISPLAYDESCESTABTIMINGS_H
