#include "ceavendordescriptor.h"
#include "ui_ceavendordescriptor.h"

#include <QSpacerItem>

#include "ceavendorrow.h"
#include "uppercasevalidator.h"

CEAVendorSpecificDescriptor::CEAVendorSpecificDescriptor(CEABlockType type, CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAVendorSpecificDescriptor),
      vendorBlocks{}, madeRows(0), rowsNumbered(false), byteCount(0),
      rowSpacer(new QSpacerItem(20, 0, QSizePolicy::Fixed, QSizePolicy::Expanding))
{
    ui->setupUi(this);
    this->type = type;
    helpVisible = false;
    helpMessage = tr("I can't help you understand what this block does. It is there for you to "
                     "indicate what might interest your own sources using you own coding "
                     "mechanisms.");
    ui->regIDField->setValidator(UpperCaseValidator::hexDigits());
    updateUI();
}

CEAVendorSpecificDescriptor::~CEAVendorSpecificDescriptor()
{
    // The spacer is ours whether or not the list's layout holds it.
    ui->vsdbListLayout->removeItem(rowSpacer);
    delete rowSpacer;
    delete ui;
}

int CEAVendorSpecificDescriptor::capacity(CEABlockType type)
{
    return getSubType(type) != 0 ? 30 : 31;
}

// The rows are made on first use, numbered as the full set would be:
// 0 in a new editor, their position once a reset has numbered them.
CEAVendorSpecificBlock *CEAVendorSpecificDescriptor::row(int k)
{
    while (madeRows <= k) {
        auto *block = new CEAVendorSpecificBlock(ui->vsdbScrollAreaContents);
        block->hide();
        block->resetFields(reference, working, rowsNumbered ? madeRows : 0);
        connect(block, &CEAVendorSpecificBlock::valueChanged, this, &CEABlock::updateEDID);
        // After the label and the rows before it, ahead of the spacer.
        ui->vsdbListLayout->insertWidget(1 + madeRows, block);
        vendorBlocks[static_cast<size_t>(madeRows)] = block;
        ++madeRows;
    }
    return vendorBlocks[static_cast<size_t>(k)];
}

void CEAVendorSpecificDescriptor::initFields(_EDID_CEA_DATA_BLOCK_INFO info,
                                             unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;

    const QByteArray bytes = payloadBytes(info, capacity(type));
    byteCount = bytes.size();

    // The OUI is shown most significant byte first; a shorter block shows
    // the bytes it has.
    QString oui;
    for (int i = qMin(byteCount, ouiSize) - 1; i >= 0; --i)
        oui += QStringLiteral("%1").arg(static_cast<unsigned char>(bytes.at(i)), 2, 16,
                                        QLatin1Char('0'));
    ui->regIDField->setText(oui.toUpper());

    for (int k = 0; k + ouiSize < byteCount; ++k)
        row(k)->initFields(static_cast<unsigned char>(bytes.at(k + ouiSize)), reference, working,
                           k + 4);
}

void CEAVendorSpecificDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    byteCount = 0;
    rowsNumbered = true;
    ui->regIDField->setText(QStringLiteral("000000"));
    for (int k = 0; k < madeRows; ++k)
        vendorBlocks[static_cast<size_t>(k)]->resetFields(reference, working, k);
    updateEDID();
    updateUI();
}

QByteArray CEAVendorSpecificDescriptor::getEDIDData()
{
    QByteArray data;
    const int extTag = getSubType();
    if (extTag != 0)
        data.append(static_cast<char>(extTag));
    const quint32 oui = CEAVendorSpecificBlock::hexValue(ui->regIDField->text());
    for (int i = 0; i < byteCount; ++i) {
        if (i < ouiSize)
            data.append(static_cast<char>((oui >> (8 * i)) & 0xFF));
        else
            data.append(row(i - ouiSize)->getEDIDData());
    }
    return data;
}

void CEAVendorSpecificDescriptor::updateUI()
{
    ui->titleLabel->setText(getDisplayName());

    ui->regIDField->hide();
    ui->regIDLabel->hide();
    for (int k = 0; k < madeRows; ++k)
        vendorBlocks[static_cast<size_t>(k)]->hide();

    // The spacer is in the list exactly while the label is hidden.
    if (byteCount <= ouiSize) {
        ui->noVSDBLabel->show();
        ui->vsdbListLayout->removeItem(rowSpacer);
    } else if (!ui->noVSDBLabel->isHidden()) {
        ui->noVSDBLabel->hide();
        ui->vsdbListLayout->addItem(rowSpacer);
    }

    if (byteCount >= 1) {
        ui->regIDField->show();
        ui->regIDLabel->show();
    }
    for (int k = 0; k + ouiSize < byteCount; ++k)
        row(k)->show();
}

void CEAVendorSpecificDescriptor::changeByteCount(int count)
{
    byteCount = count;
    updateEDID();
    updateUI();
}

// An incomplete OUI (a loaded block of 1 or 2 bytes) becomes a whole one;
// "-" then hides the OUI, and a block that holds rows loses its last one.
void CEAVendorSpecificDescriptor::on_addVSDBButton_clicked()
{
    if (byteCount >= capacity(type))
        return;
    changeByteCount(byteCount < ouiSize ? ouiSize : byteCount + 1);
}

void CEAVendorSpecificDescriptor::on_delVSDBButton_clicked()
{
    if (byteCount == 0)
        return;
    changeByteCount(byteCount <= ouiSize ? 0 : byteCount - 1);
}

// Finishing without typing writes the same bytes, an incomplete OUI
// included. More digits than an incomplete OUI has bytes make it a whole
// OUI, so that no typed digit is lost.
void CEAVendorSpecificDescriptor::on_regIDField_editingFinished()
{
    CEAVendorSpecificBlock::fillEmpty(ui->regIDField, 2 * ouiSize);
    if (byteCount > 0 && byteCount < ouiSize && ui->regIDField->text().size() > 2 * byteCount)
        byteCount = ouiSize;
    updateEDID();
}

void CEAVendorSpecificDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
