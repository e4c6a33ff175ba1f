#include "displaydescserialnumber.h"
#include "ui_displaydescserialnumber.h"

namespace {

const DisplayDescText::Kind kKind = {EDID_DESC_SERIAL_NUMBER, "Serial Number", "Monitor Serial Number", false};

} // namespace

DisplayDescSerialNumber::DisplayDescSerialNumber(QWidget *parent)
    : DisplayDescText(kKind, parent), ui(new Ui::DisplayDescSerialNumber)
{
    ui->setupUi(this);
    attachField(ui->serialNumberField);
}

DisplayDescSerialNumber::~DisplayDescSerialNumber()
{
    delete ui;
}

void DisplayDescSerialNumber::updateSerialNumber()
{
    writeText();
}

void DisplayDescSerialNumber::on_serialNumberField_editingFinished()
{
    takeFieldText();
}
