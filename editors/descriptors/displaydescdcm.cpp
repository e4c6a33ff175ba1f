#include "displaydescdcm.h"
#include "ui_displaydescdcm.h"

#include "descriptorentry.h"
#include "edidwriter.h"
#include "validator.h"

DisplayDescDCM::DisplayDescDCM(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescDCM),
      digitValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    for (QLineEdit *field : {ui->reda3Field, ui->reda2Field, ui->greena3Field, ui->greena2Field,
                             ui->bluea3Field, ui->bluea2Field})
        field->setValidator(digitValidator);
}

DisplayDescDCM::~DisplayDescDCM()
{
    delete ui;
    delete digitValidator;
}

void DisplayDescDCM::initFields(_EDID_MONITOR_DESC d, unsigned char *ref, unsigned char *work,
                                int slot)
{
    desc = d;
    reference = ref;
    working = work;
    index = slot;
    coefficients = d.colorManagement;
    displayData(ui->reda3Field, coefficients.redA3);
    displayData(ui->reda2Field, coefficients.redA2);
    displayData(ui->greena3Field, coefficients.greenA3);
    displayData(ui->greena2Field, coefficients.greenA2);
    displayData(ui->bluea3Field, coefficients.blueA3);
    displayData(ui->bluea2Field, coefficients.blueA2);
    DescriptorEntry::describe(index, getStringInfo());
}

void DisplayDescDCM::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    for (QLineEdit *field : {ui->reda3Field, ui->reda2Field, ui->greena3Field, ui->greena2Field,
                             ui->bluea3Field, ui->bluea2Field})
        field->setText(QStringLiteral("0"));
    coefficients = _EDID_DISPLAY_COLOR_MANAGEMENT{};
}

void DisplayDescDCM::updateDCM()
{
    if (!working)
        return;
    desc.type = EDID_DESC_COLOR_MANAGEMENT;
    desc.kind = EDID_DESC_COLOR_MANAGEMENT;
    desc.colorManagement = coefficients;
    EDIDUpdateDisplayColorManagement(working, index, desc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

StringInfo DisplayDescDCM::getStringInfo()
{
    StringInfo rows;
    auto add = [&rows](const char *label, const QString &value) {
        rows.append(qMakePair(QString::fromLatin1(label), value));
    };
    add("Monitor Data Type Tag", QStringLiteral("Display Color Management"));
    add("Red", QStringLiteral("~"));
    add("Red a3", ui->reda3Field->text());
    add("Red a2", ui->reda2Field->text());
    add("Green", QStringLiteral("~"));
    add("Green a3", ui->greena3Field->text());
    add("Green a2", ui->greena2Field->text());
    add("Blue", QStringLiteral("~"));
    add("Blue a3", ui->bluea3Field->text());
    add("Blue a2", ui->bluea2Field->text());
    return rows;
}

void DisplayDescDCM::displayData(QLineEdit *field, int value)
{
    field->setText(QString::number(value));
}

quint16 DisplayDescDCM::detectFormatError(QLineEdit *field)
{
    return quint16(DescriptorEntry::checkInt(
        this, field, 0, 65535, 1, QStringLiteral("Range error"),
        QStringLiteral("Polynomial coefficients must be in range of 0 to 65535"), 0));
}

void DisplayDescDCM::on_reda3Field_editingFinished()
{
    coefficients.redA3 = detectFormatError(ui->reda3Field);
    updateDCM();
}

void DisplayDescDCM::on_reda2Field_editingFinished()
{
    coefficients.redA2 = detectFormatError(ui->reda2Field);
    updateDCM();
}

void DisplayDescDCM::on_greena3Field_editingFinished()
{
    coefficients.greenA3 = detectFormatError(ui->greena3Field);
    updateDCM();
}

void DisplayDescDCM::on_greena2Field_editingFinished()
{
    coefficients.greenA2 = detectFormatError(ui->greena2Field);
    updateDCM();
}

void DisplayDescDCM::on_bluea3Field_editingFinished()
{
    coefficients.blueA3 = detectFormatError(ui->bluea3Field);
    updateDCM();
}

void DisplayDescDCM::on_bluea2Field_editingFinished()
{
    coefficients.blueA2 = detectFormatError(ui->bluea2Field);
    updateDCM();
}
