#ifndef EXTRASTANDTIMING_H
#define EXTRASTANDTIMING_H

#include <QGroupBox>
#include <QString>

#include "edidtypes.h"
#include "stringinfo.h"

class Validator;

namespace Ui {
class ExtraStandTiming;
}

// One of the six 2-byte standard timing identifiers of a 0xFA descriptor,
// coded as a base-block standard timing. A checked box is a used timing.
class ExtraStandTiming : public QGroupBox
{
    Q_OBJECT

public:
    explicit ExtraStandTiming(QWidget *parent = nullptr);
    ~ExtraStandTiming() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index, int item);
    void resetFields(unsigned char *reference, unsigned char *working, int index, int item);
    void updateStandTiming();
    StringInfo getStringInfo();

private slots:
    void on_hActiveField_editingFinished();
    void on_refreshField_editingFinished();
    void on_aspectRatioMulti_activated(int index);
    void on_ExtraStandTiming_clicked(bool checked);

private:
    void setUnused();

    Ui::ExtraStandTiming *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    int index = 0;
    int item = 0;
    _EDID_MONITOR_DESC desc{};
    _EDID_STANDARD_TIMINGS_ITEM current{};
    Validator *digitValidator;
};

#endif // EXTRASTANDTIMING_H
