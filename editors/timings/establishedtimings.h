#ifndef ESTABLISHEDTIMINGS_H
#define ESTABLISHEDTIMINGS_H

#include <QGroupBox>
#include <QString>

#include "edidtypes.h"
#include "stringinfo.h"

class QCheckBox;

namespace Ui {
class EstablishedTimings;
}

// Established timings I and II (bytes 35-36) and the manufacturer's timing
// 1152x870 at 75 Hz (byte 37 bit 7); byte 37 bits 6-0 are left as they are.
class EstablishedTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit EstablishedTimings(QWidget *parent = nullptr);
    ~EstablishedTimings() override;

    void initFields(_EDID_ESTABLISHED_TIMINGS timings, unsigned char *reference,
                    unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    StringInfo getStringInfo();
    void updateTimingsI();
    void updateTimingsII();
    void checkUncheck(unsigned char flag, QCheckBox *box);
    Bool supportTiming(bool checked);
    QString isCheckedToString(QCheckBox *box);

private slots:
    void on_estabTimingI1_clicked(bool checked);
    void on_estabTimingI2_clicked(bool checked);
    void on_estabTimingI3_clicked(bool checked);
    void on_estabTimingI4_clicked(bool checked);
    void on_estabTimingI5_clicked(bool checked);
    void on_estabTimingI6_clicked(bool checked);
    void on_estabTimingI7_clicked(bool checked);
    void on_estabTimingI8_clicked(bool checked);
    void on_estabTimingII1_clicked(bool checked);
    void on_estabTimingII2_clicked(bool checked);
    void on_estabTimingII3_clicked(bool checked);
    void on_estabTimingII4_clicked(bool checked);
    void on_estabTimingII5_clicked(bool checked);
    void on_estabTimingII6_clicked(bool checked);
    void on_estabTimingII7_clicked(bool checked);
    void on_estabTimingII8_clicked(bool checked);
    void on_manufTimingCB_clicked(bool checked);

private:
    Ui::EstablishedTimings *ui;
    _EDID_ESTABLISHED_TIMINGS establishedTimings;
    unsigned char *reference;
    unsigned char *working;
    Bool timingsI[8];
    Bool timingsII[8];
    Bool manufacturerTiming;

    QCheckBox *boxesI[8];
    QCheckBox *boxesII[8];

    void clickI(int k, bool checked);
    void clickII(int k, bool checked);
    void writeSection(int byte);
};

#endif // ESTABLISHEDTIMINGS_H
