#include "standardtimings.h"
#include "ui_standardtimings.h"

#include <string>

StandardTimings::StandardTimings(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::StandardTimings)
{
    ui->setupUi(this);
    for (int k = 1; k <= 8; ++k) {
        StandardTimingItem *timing = item(k);
        timing->setBoxTitle("Timing " + std::to_string(k));
        ui->gridLayout->addWidget(timing, (k - 1) / 2, (k - 1) % 2);
        timing->show();
    }
}

StandardTimings::~StandardTimings()
{
    delete ui;
}

StandardTimingItem *StandardTimings::item(int number)
{
    StandardTimingItem *const items[8] = {&timing1, &timing2, &timing3, &timing4,
                                          &timing5, &timing6, &timing7, &timing8};
    return (number >= 1 && number <= 8) ? items[number - 1] : nullptr;
}

void StandardTimings::initFields(_EDID_STANDARD_TIMINGS_ITEM *items, unsigned char *reference,
                                 unsigned char *working)
{
    for (int k = 1; k <= 8; ++k)
        item(k)->initFields(items[k - 1], reference, working, k);
}

void StandardTimings::resetFields(unsigned char *reference, unsigned char *working)
{
    for (int k = 1; k <= 8; ++k)
        item(k)->resetFields(reference, working, k);
}

void StandardTimings::updateStandardTimings()
{
    for (int k = 1; k <= 8; ++k)
        item(k)->updateStandardTiming();
}
