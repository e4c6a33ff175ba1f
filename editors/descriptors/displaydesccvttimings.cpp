#include "displaydesccvttimings.h"
#include "ui_displaydesccvttimings.h"

#include <QLayout>

DisplayDescCVTTimings::DisplayDescCVTTimings(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescCVTTimings)
{
    ui->setupUi(this);
    QWidget *holders[4] = {ui->cvtCode1Widget, ui->cvtCode2Widget, ui->cvtCode3Widget,
                           ui->cvtCode4Widget};
    for (int k = 0; k < 4; ++k) {
        codes[k].setBlockName(QStringLiteral("CVT Code %1").arg(k + 1));
        holders[k]->layout()->addWidget(&codes[k]);
        codes[k].show();
    }
}

DisplayDescCVTTimings::~DisplayDescCVTTimings()
{
    delete ui;
}

void DisplayDescCVTTimings::initFields(_EDID_MONITOR_DESC desc, unsigned char *reference,
                                       unsigned char *working, int index)
{
    for (int k = 0; k < 4; ++k)
        codes[k].initFields(desc, reference, working, index, k);
}

void DisplayDescCVTTimings::resetFields(unsigned char *reference, unsigned char *working, int index)
{
    for (int k = 0; k < 4; ++k)
        codes[k].resetFields(reference, working, index, k);
}

void DisplayDescCVTTimings::updateCVTTimings()
{
    for (CVTCodeDescriptor &code : codes)
        code.updateCVTTiming();
}

StringInfo DisplayDescCVTTimings::getStringInfo()
{
    return codes[0].getStringInfo();
}
