#include "displaydescstandtimings.h"
#include "ui_displaydescstandtimings.h"

#include <QLayout>

DisplayDescStandTimings::DisplayDescStandTimings(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescStandTimings)
{
    ui->setupUi(this);
    QWidget *holders[6] = {ui->timingWidget1, ui->timingWidget2, ui->timingWidget3,
                           ui->timingWidget4, ui->timingWidget5, ui->timingWidget6};
    for (int k = 0; k < 6; ++k) {
        timings[k].setTitle(QStringLiteral("Timing %1").arg(k + 9));
        holders[k]->layout()->addWidget(&timings[k]);
        timings[k].show();
    }
}

DisplayDescStandTimings::~DisplayDescStandTimings()
{
    delete ui;
}

void DisplayDescStandTimings::initFields(_EDID_MONITOR_DESC desc, unsigned char *ref,
                                         unsigned char *work, int index)
{
    reference = ref;
    working = work;
    for (int k = 0; k < 6; ++k)
        timings[k].initFields(desc, ref, work, index, k);
}

void DisplayDescStandTimings::resetFields(unsigned char *ref, unsigned char *work, int index)
{
    reference = ref;
    working = work;
    for (int k = 0; k < 6; ++k)
        timings[k].resetFields(ref, work, index, k);
}

void DisplayDescStandTimings::updateStandTimings()
{
    for (ExtraStandTiming &timing : timings)
        timing.updateStandTiming();
}
