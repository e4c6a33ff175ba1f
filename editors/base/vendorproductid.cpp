#include "vendorproductid.h"
#include "ui_vendorproductid.h"

#include <QSignalBlocker>
#include <cstring>

#include "edidwriter.h"
#include "hexaviewer.h"
#include "uppercasevalidator.h"
#include "validator.h"

namespace {

const QString kTitle = QStringLiteral("Format Error");
constexpr qulonglong kSerialMax = 4294967295ULL;

// Copies text into a fixed NUL-terminated record field.
template <std::size_t N>
void copyText(char (&target)[N], const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    std::memset(target, 0, N);
    std::memcpy(target, bytes.constData(), qMin<std::size_t>(N - 1, std::size_t(bytes.size())));
}

template <std::size_t N>
QString fromRecord(const char (&source)[N])
{
    return QString::fromLatin1(source, int(qstrnlen(source, N)));
}

bool isInteger(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

VendorProductID::VendorProductID(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::VendorProductID), support(this),
      digitsValidator(new Validator(QStringLiteral("[^0-9]"))),
      lettersValidator(new UpperCaseValidator(QStringLiteral("[^A-Z]")))
{
    ui->setupUi(this);
    ui->manufIDField->setValidator(lettersValidator);
    ui->productIDField->setValidator(UpperCaseValidator::hexDigits());
    ui->serialNumberField->setValidator(digitsValidator);
    ui->weekField->setValidator(digitsValidator);
    ui->yearField->setValidator(digitsValidator);
}

VendorProductID::~VendorProductID()
{
    delete ui;
    delete digitsValidator;
    delete lettersValidator;
}

void VendorProductID::initFields(_EDID_VENDOR_PRODUCT_ID vendorProductID, unsigned char *reference,
                                 unsigned char *working)
{
    record = vendorProductID;
    support.setImages(reference, working);
    manufacturer = fromRecord(record.manufacturer);
    productCode = fromRecord(record.productCode);
    serial = fromRecord(record.serialNumber);
    week = record.week;
    year = record.year;
    modelYear = record.modelYear != 0;

    support.show(ui->manufIDField, manufacturer);
    support.show(ui->productIDField, productCode);
    support.show(ui->serialNumberField, serial);

    if (modelYear) {
        if (!ui->modelYearCB->isChecked())
            ui->modelYearCB->setChecked(true);  // runs the checked branch, which writes
    } else {
        {
            const QSignalBlocker blocker(ui->modelYearCB);
            ui->modelYearCB->setChecked(false);
        }
        ui->weekField->setEnabled(true);
        support.show(ui->weekField, QString::number(week));
    }
    support.show(ui->yearField, QString::number(year));

    HexaViewer::getInstance()->setVendorProductStringInfo(getStringInfo());
}

void VendorProductID::resetFields(unsigned char *reference, unsigned char *working)
{
    support.setImages(reference, working);
    manufacturer = QStringLiteral("AAA");
    productCode = QStringLiteral("0000");
    serial = QStringLiteral("0");
    week = 1;
    year = 1990;
    modelYear = false;

    support.show(ui->manufIDField, manufacturer);
    support.show(ui->productIDField, productCode);
    support.show(ui->serialNumberField, serial);
    {
        // The page writes the defaults right after; nothing is written here.
        const QSignalBlocker blocker(ui->modelYearCB);
        ui->modelYearCB->setChecked(false);
    }
    ui->weekField->setEnabled(true);
    support.show(ui->weekField, QStringLiteral("1"));
    support.show(ui->yearField, QStringLiteral("1990"));
}

void VendorProductID::adaptToEDIDVersion(int revision)
{
    ui->modelYearCB->setEnabled(revision == 4);
}

void VendorProductID::updateVendorProductID()
{
    copyText(record.manufacturer, manufacturer);
    copyText(record.productCode, productCode);
    copyText(record.serialNumber, serial);
    record.week = week;
    record.year = year;
    record.modelYear = modelYear;

    const _EDID_VENDOR_PRODUCT_ID section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateVendorProductID(image, section); },
                         8, 17, &HexaViewer::setVendorProductStringInfo, getStringInfo());
}

StringInfo VendorProductID::getStringInfo()
{
    StringInfo rows;
    rows << qMakePair(QStringLiteral("Manufacturer ID"), ui->manufIDField->text())
         << qMakePair(QStringLiteral("Product Code ID"), ui->productIDField->text())
         << qMakePair(QStringLiteral("Serial Number"), ui->serialNumberField->text());
    if (modelYear)
        rows << qMakePair(QStringLiteral("Model Year"), QStringLiteral("YES"));
    else
        rows << qMakePair(QStringLiteral("Week of Manufacture"), ui->weekField->text());
    rows << qMakePair(QStringLiteral("Year of Manufacture"), ui->yearField->text());
    return rows;
}

QVariant VendorProductID::detectFormatError(QLineEdit *field, QVariant value, QVariant fallback,
                                            qulonglong limit, std::string message)
{
    bool bad = false;
    if (isInteger(value)) {
        // The fields take digits only, so no value is negative.
        const qulonglong number = value.toULongLong();
        bad = number < fallback.toULongLong() || number > limit;
    } else if (value.type() == QVariant::String) {
        bad = qulonglong(value.toString().size()) < limit;
    }

    if (bad) {
        support.refuse(field, kTitle, QString::fromStdString(message), fallback.toString());
        return fallback;
    }
    support.commit(field);
    return value;
}

void VendorProductID::on_manufIDField_editingFinished()
{
    if (support.unchanged(ui->manufIDField))
        return;
    const QVariant accepted = detectFormatError(ui->manufIDField, ui->manufIDField->text(),
                                                QStringLiteral("AAA"), 3,
                                                "Manufacturer ID must have 3 upper cased characters");
    manufacturer = accepted.toString().left(3);
    updateVendorProductID();
}

void VendorProductID::on_productIDField_editingFinished()
{
    if (support.unchanged(ui->productIDField))
        return;
    const QVariant accepted = detectFormatError(ui->productIDField, ui->productIDField->text(),
                                                QStringLiteral("0000"), 4,
                                                "Product ID must have 4 hexadecimal characters");
    productCode = accepted.toString().left(4);
    updateVendorProductID();
}

void VendorProductID::on_serialNumberField_editingFinished()
{
    QLineEdit *field = ui->serialNumberField;
    if (support.unchanged(field))
        return;
    if (field->text().isEmpty()) {
        support.show(field, QStringLiteral("0"));
        serial = QStringLiteral("0");
    } else {
        // The serial number is 32 bits: ten digits can exceed it.
        bool ok = false;
        const qulonglong typed = field->text().toULongLong(&ok);
        const QVariant accepted = detectFormatError(
            field, ok ? QVariant(typed) : QVariant(kSerialMax + 1), QVariant(0), kSerialMax,
            "Serial Number must be between 0 and 4294967295");
        serial = QString::number(accepted.toULongLong());
    }
    updateVendorProductID();
}

void VendorProductID::on_weekField_editingFinished()
{
    if (support.unchanged(ui->weekField))
        return;
    const QVariant accepted = detectFormatError(ui->weekField, PanelSupport::readInt(ui->weekField),
                                                1, 54, "Week Number must be between 1 and 54");
    week = Word(accepted.toInt());
    updateVendorProductID();
}

void VendorProductID::on_yearField_editingFinished()
{
    if (support.unchanged(ui->yearField))
        return;
    const QVariant accepted = detectFormatError(ui->yearField, PanelSupport::readInt(ui->yearField),
                                                1990, 2245, "Year must be between 1990 and 2245");
    year = Word(accepted.toInt());
    updateVendorProductID();
}

void VendorProductID::on_modelYearCB_toggled(bool checked)
{
    if (checked) {
        support.show(ui->weekField, QStringLiteral("1"));
        ui->weekField->setEnabled(false);
        week = 255;
        modelYear = true;
    } else {
        ui->weekField->setEnabled(true);
        support.commit(ui->weekField);
        week = 1;
        modelYear = false;
    }
    updateVendorProductID();
}
