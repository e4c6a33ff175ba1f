#include "ceacolorimetryblock.h"
#include "ui_ceacolorimetryblock.h"

namespace {
const int flagsByte = 0;
}

CEAColorimetryBlock::CEAColorimetryBlock(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAColorimetryBlock),
      colorimetryData(CEABlock::getSubType(CEA_COLORIMETRY), 2)
{
    ui->setupUi(this);
    type = CEA_COLORIMETRY;
    helpVisible = false;
    helpMessage = tr("This block defines the support of specific extended colorimetry standards.");
}

CEAColorimetryBlock::~CEAColorimetryBlock()
{
    delete ui;
}

void CEAColorimetryBlock::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                     unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    colorimetryData.load(QByteArray(1, static_cast<char>(getSubType())) + payloadBytes(info, 30));
    updateUI();
}

void CEAColorimetryBlock::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    colorimetryData.reset();
    updateEDID();
    updateUI();
}

QByteArray CEAColorimetryBlock::getEDIDData()
{
    return colorimetryData.data();
}

void CEAColorimetryBlock::updateUI()
{
    // Bit 0 first.
    QCheckBox *const boxes[8] = {ui->xvycc601CB,    ui->xvycc709CB,   ui->sycc501CB,
                                 ui->adobeycc601CB, ui->adobergbCB,   ui->bt2020cyccCB,
                                 ui->bt2020yccCB,   ui->bt2020rgbCB};
    const int flags = colorimetryData.byte(flagsByte);
    for (int bit = 0; bit < 8; ++bit)
        boxes[bit]->setChecked((flags >> bit) & 1);
}

void CEAColorimetryBlock::setFlag(int bit, bool checked)
{
    int flags = colorimetryData.byte(flagsByte);
    flags = checked ? (flags | (1 << bit)) : (flags & ~(1 << bit));
    colorimetryData.setByte(flagsByte, static_cast<quint8>(flags));
    updateEDID();
}

void CEAColorimetryBlock::on_bt2020rgbCB_clicked(bool checked)
{
    setFlag(7, checked);
}

void CEAColorimetryBlock::on_bt2020yccCB_clicked(bool checked)
{
    setFlag(6, checked);
}

void CEAColorimetryBlock::on_bt2020cyccCB_clicked(bool checked)
{
    setFlag(5, checked);
}

void CEAColorimetryBlock::on_adobergbCB_clicked(bool checked)
{
    setFlag(4, checked);
}

void CEAColorimetryBlock::on_adobeycc601CB_clicked(bool checked)
{
    setFlag(3, checked);
}

void CEAColorimetryBlock::on_sycc501CB_clicked(bool checked)
{
    setFlag(2, checked);
}

void CEAColorimetryBlock::on_xvycc709CB_clicked(bool checked)
{
    setFlag(1, checked);
}

void CEAColorimetryBlock::on_xvycc601CB_clicked(bool checked)
{
    setFlag(0, checked);
}

void CEAColorimetryBlock::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
