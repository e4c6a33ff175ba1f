#include "ceavendorrow.h"
#include "ui_ceavendorrow.h"

#include "uppercasevalidator.h"

CEAVendorSpecificBlock::CEAVendorSpecificBlock(QWidget *parent)
    : QWidget(parent), ui(new Ui::CEAVendorSpecificBlock),
      reference(nullptr), working(nullptr), index(0)
{
    ui->setupUi(this);
    ui->blockField->setValidator(UpperCaseValidator::hexDigits());
}

CEAVendorSpecificBlock::~CEAVendorSpecificBlock()
{
    delete ui;
}

void CEAVendorSpecificBlock::initFields(unsigned short value, unsigned char *reference,
                                        unsigned char *working, int index)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    ui->blockField->setText(QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
    updateUI();
}

void CEAVendorSpecificBlock::resetFields(unsigned char *reference, unsigned char *working,
                                         int index)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    ui->blockField->setText(QStringLiteral("00"));
    updateUI();
}

QByteArray CEAVendorSpecificBlock::getEDIDData()
{
    return QByteArray(1, static_cast<char>(hexValue(ui->blockField->text()) & 0xFF));
}

quint32 CEAVendorSpecificBlock::hexValue(const QString &text)
{
    return text.toUInt(nullptr, 16);
}

void CEAVendorSpecificBlock::fillEmpty(QLineEdit *field, int digits)
{
    if (field->text().isEmpty())
        field->setText(QString(digits, QLatin1Char('0')));
}

void CEAVendorSpecificBlock::updateUI()
{
    ui->indexLabel->setText(QString::number(index));
}

// Reported also when the text did not change: the block is then written
// with the same bytes.
void CEAVendorSpecificBlock::on_blockField_editingFinished()
{
    fillEmpty(ui->blockField, 2);
    emit valueChanged();
}
