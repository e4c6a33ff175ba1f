#include "displaydescestabtimings.h"
#include "ui_displaydescestabtimings.h"

#include <QSignalBlocker>

#include "descriptorentry.h"
#include "edidwriter.h"

DisplayDescEstabTimings::DisplayDescEstabTimings(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescEstabTimings)
{
    ui->setupUi(this);
}

DisplayDescEstabTimings::~DisplayDescEstabTimings()
{
    delete ui;
}

QCheckBox *DisplayDescEstabTimings::box(int flag) const
{
    QCheckBox *const boxes[44] = {
        ui->estabTimingCB1,
        ui->estabTimingCB2,
        ui->estabTimingCB3,
        ui->estabTimingCB4,
        ui->estabTimingCB5,
        ui->estabTimingCB6,
        ui->estabTimingCB7,
        ui->estabTimingCB8,
        ui->estabTimingCB9,
        ui->estabTimingCB10,
        ui->estabTimingCB11,
        ui->estabTimingCB12,
        ui->estabTimingCB13,
        ui->estabTimingCB14,
        ui->estabTimingCB15,
        ui->estabTimingCB16,
        ui->estabTimingCB17,
        ui->estabTimingCB18,
        ui->estabTimingCB19,
        ui->estabTimingCB20,
        ui->estabTimingCB21,
        ui->estabTimingCB22,
        ui->estabTimingCB23,
        ui->estabTimingCB24,
        ui->estabTimingCB25,
        ui->estabTimingCB26,
        ui->estabTimingCB27,
        ui->estabTimingCB28,
        ui->estabTimingCB29,
        ui->estabTimingCB30,
        ui->estabTimingCB31,
        ui->estabTimingCB32,
        ui->estabTimingCB33,
        ui->estabTimingCB34,
        ui->estabTimingCB35,
        ui->estabTimingCB36,
        ui->estabTimingCB37,
        ui->estabTimingCB38,
        ui->estabTimingCB39,
        ui->estabTimingCB40,
        ui->estabTimingCB41,
        ui->estabTimingCB42,
        ui->estabTimingCB43,
        ui->estabTimingCB44};
    return boxes[flag];
}

void DisplayDescEstabTimings::checkUncheck(unsigned char value, QCheckBox *checkBox)
{
    const QSignalBlocker blocker(checkBox);
    checkBox->setChecked(value != 0);
}

void DisplayDescEstabTimings::initFields(_EDID_MONITOR_DESC d, unsigned char *ref,
                                         unsigned char *work, int slot)
{
    desc = d;
    reference = ref;
    working = work;
    index = slot;
    for (int k = 0; k < 44; ++k) {
        flags[k] = d.established3.timings[k] ? 1 : 0;
        checkUncheck(flags[k], box(k));
    }
    DescriptorEntry::describe(index, getStringInfo());
}

void DisplayDescEstabTimings::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    for (int k = 0; k < 44; ++k) {
        flags[k] = 0;
        checkUncheck(0, box(k));
    }
}

void DisplayDescEstabTimings::enableTiming(bool enable, int flag)
{
    if (flag >= 0 && flag < 44)
        flags[flag] = enable ? 1 : 0;
    updateEstablishedTimings();
}

void DisplayDescEstabTimings::updateEstablishedTimings()
{
    if (!working)
        return;
    desc.type = EDID_DESC_ESTABLISHED_TIMINGS3;
    desc.kind = EDID_DESC_ESTABLISHED_TIMINGS3;
    for (int k = 0; k < 44; ++k)
        desc.established3.timings[k] = flags[k];
    EDIDUpdateEstablishedTimingsBlock(working, index, desc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

StringInfo DisplayDescEstabTimings::getStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"),
                          QStringLiteral("Established Timings III")));
    return rows;
}

void DisplayDescEstabTimings::on_estabTimingCB1_toggled(bool checked)
{
    enableTiming(checked, 0);
}

void DisplayDescEstabTimings::on_estabTimingCB2_toggled(bool checked)
{
    enableTiming(checked, 1);
}

void DisplayDescEstabTimings::on_estabTimingCB3_toggled(bool checked)
{
    enableTiming(checked, 2);
}

void DisplayDescEstabTimings::on_estabTimingCB4_toggled(bool checked)
{
    enableTiming(checked, 3);
}

void DisplayDescEstabTimings::on_estabTimingCB5_toggled(bool checked)
{
    enableTiming(checked, 4);
}

void DisplayDescEstabTimings::on_estabTimingCB6_toggled(bool checked)
{
    enableTiming(checked, 5);
}

void DisplayDescEstabTimings::on_estabTimingCB7_toggled(bool checked)
{
    enableTiming(checked, 6);
}

void DisplayDescEstabTimings::on_estabTimingCB8_toggled(bool checked)
{
    enableTiming(checked, 7);
}

void DisplayDescEstabTimings::on_estabTimingCB9_toggled(bool checked)
{
    enableTiming(checked, 8);
}

void DisplayDescEstabTimings::on_estabTimingCB10_toggled(bool checked)
{
    enableTiming(checked, 9);
}

void DisplayDescEstabTimings::on_estabTimingCB11_toggled(bool checked)
{
    enableTiming(checked, 10);
}

void DisplayDescEstabTimings::on_estabTimingCB12_toggled(bool checked)
{
    enableTiming(checked, 11);
}

void DisplayDescEstabTimings::on_estabTimingCB13_toggled(bool checked)
{
    enableTiming(checked, 12);
}

void DisplayDescEstabTimings::on_estabTimingCB14_toggled(bool checked)
{
    enableTiming(checked, 13);
}

void DisplayDescEstabTimings::on_estabTimingCB15_toggled(bool checked)
{
    enableTiming(checked, 14);
}

void DisplayDescEstabTimings::on_estabTimingCB16_toggled(bool checked)
{
    enableTiming(checked, 15);
}

void DisplayDescEstabTimings::on_estabTimingCB17_toggled(bool checked)
{
    enableTiming(checked, 16);
}

void DisplayDescEstabTimings::on_estabTimingCB18_toggled(bool checked)
{
    enableTiming(checked, 17);
}

void DisplayDescEstabTimings::on_estabTimingCB19_toggled(bool checked)
{
    enableTiming(checked, 18);
}

void DisplayDescEstabTimings::on_estabTimingCB20_toggled(bool checked)
{
    enableTiming(checked, 19);
}

void DisplayDescEstabTimings::on_estabTimingCB21_toggled(bool checked)
{
    enableTiming(checked, 20);
}

void DisplayDescEstabTimings::on_estabTimingCB22_toggled(bool checked)
{
    enableTiming(checked, 21);
}

void DisplayDescEstabTimings::on_estabTimingCB23_toggled(bool checked)
{
    enableTiming(checked, 22);
}

void DisplayDescEstabTimings::on_estabTimingCB24_toggled(bool checked)
{
    enableTiming(checked, 23);
}

void DisplayDescEstabTimings::on_estabTimingCB25_toggled(bool checked)
{
    enableTiming(checked, 24);
}

void DisplayDescEstabTimings::on_estabTimingCB26_toggled(bool checked)
{
    enableTiming(checked, 25);
}

void DisplayDescEstabTimings::on_estabTimingCB27_toggled(bool checked)
{
    enableTiming(checked, 26);
}

void DisplayDescEstabTimings::on_estabTimingCB28_toggled(bool checked)
{
    enableTiming(checked, 27);
}

void DisplayDescEstabTimings::on_estabTimingCB29_toggled(bool checked)
{
    enableTiming(checked, 28);
}

void DisplayDescEstabTimings::on_estabTimingCB30_toggled(bool checked)
{
    enableTiming(checked, 29);
}

void DisplayDescEstabTimings::on_estabTimingCB31_toggled(bool checked)
{
    enableTiming(checked, 30);
}

void DisplayDescEstabTimings::on_estabTimingCB32_toggled(bool checked)
{
    enableTiming(checked, 31);
}

void DisplayDescEstabTimings::on_estabTimingCB33_toggled(bool checked)
{
    enableTiming(checked, 32);
}

void DisplayDescEstabTimings::on_estabTimingCB34_toggled(bool checked)
{
    enableTiming(checked, 33);
}

void DisplayDescEstabTimings::on_estabTimingCB35_toggled(bool checked)
{
    enableTiming(checked, 34);
}

void DisplayDescEstabTimings::on_estabTimingCB36_toggled(bool checked)
{
    enableTiming(checked, 35);
}

void DisplayDescEstabTimings::on_estabTimingCB37_toggled(bool checked)
{
    enableTiming(checked, 36);
}

void DisplayDescEstabTimings::on_estabTimingCB38_toggled(bool checked)
{
    enableTiming(checked, 37);
}

void DisplayDescEstabTimings::on_estabTimingCB39_toggled(bool checked)
{
    enableTiming(checked, 38);
}

void DisplayDescEstabTimings::on_estabTimingCB40_toggled(bool checked)
{
    enableTiming(checked, 39);
}

void DisplayDescEstabTimings::on_estabTimingCB41_toggled(bool checked)
{
    enableTiming(checked, 40);
}

void DisplayDescEstabTimings::on_estabTimingCB42_toggled(bool checked)
{
    enableTiming(checked, 41);
}

void DisplayDescEstabTimings::on_estabTimingCB43_toggled(bool checked)
{
    enableTiming(checked, 42);
}

void DisplayDescEstabTimings::on_estabTimingCB44_toggled(bool checked)
{
    enableTiming(checked, 43);
}
