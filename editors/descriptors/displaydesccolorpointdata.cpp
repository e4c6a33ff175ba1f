#include "displaydesccolorpointdata.h"
#include "ui_displaydesccolorpointdata.h"

#include <cmath>

#include "descriptorentry.h"
#include "edidwriter.h"
#include "validator.h"

namespace {

const char *const kFormatError = "Format Error";
const char *const kIndexMessage = "White point index must be in range of 1 to 255";
const char *const kGammaMessage = "Gamma must be in range of 1.00 to 3.54";

} // namespace

DisplayDescColorPointData::DisplayDescColorPointData(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescColorPointData),
      indexValidator(new Validator(QStringLiteral("[^0-9]"))),
      realValidator(new Validator(QStringLiteral("[^0-9.]")))
{
    ui->setupUi(this);
    ui->whitePointField->setValidator(indexValidator);
    ui->whitePointField2->setValidator(indexValidator);
    for (QLineEdit *field : {ui->whiteXField, ui->whiteYField, ui->gammaField, ui->whiteXField2,
                             ui->whiteYField2, ui->gammaField2})
        field->setValidator(realValidator);
}

DisplayDescColorPointData::~DisplayDescColorPointData()
{
    delete ui;
    delete indexValidator;
    delete realValidator;
}

// ---------------------------------------------------------------------------
// Conversions

QString DisplayDescColorPointData::getColorPointComponent(int code)
{
    return QString::number((code & 0x3FF) / 1024.0, 'f', 3);
}

Word DisplayDescColorPointData::getValueToStore(double coordinate)
{
    const long code = std::lround(coordinate * 1024.0);
    return Word(qBound(0L, code, 1023L));
}

QString DisplayDescColorPointData::getGammaText(int gamma)
{
    return QString::number(gamma / 100.0, 'f', 2);
}

void DisplayDescColorPointData::displayData(QLineEdit *field, int value, int divisor, int precision)
{
    if (divisor > 1)
        field->setText(QString::number(double(value) / divisor, 'f', precision));
    else
        field->setText(QString::number(value));
}

// ---------------------------------------------------------------------------
// Load, reset, write

void DisplayDescColorPointData::initFields(_EDID_MONITOR_DESC desc, unsigned char *ref,
                                           unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    monitorDesc = desc;
    // The loaded codes and gamma bytes are kept as they are until edited.
    colorPoint = desc.colorPoint;

    struct Point { QGroupBox *box; QLineEdit *idx, *x, *y, *gamma; Word i, cx, cy, g; };
    const _EDID_COLOR_POINT_DATA &c = colorPoint;
    for (const Point &p : {Point{ui->firstColorPointGB, ui->whitePointField, ui->whiteXField,
                                 ui->whiteYField, ui->gammaField, c.index1, c.x1, c.y1, c.gamma1},
                           Point{ui->secondColorPointGB, ui->whitePointField2, ui->whiteXField2,
                                 ui->whiteYField2, ui->gammaField2, c.index2, c.x2, c.y2, c.gamma2}}) {
        p.box->setChecked(p.i != 0);
        displayData(p.idx, p.i, 1, 0);
        p.x->setText(getColorPointComponent(p.cx));
        p.y->setText(getColorPointComponent(p.cy));
        p.gamma->setText(getGammaText(p.g));
    }
    DescriptorEntry::describe(index, getStringInfo());
}

void DisplayDescColorPointData::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    resetColorPoint1();
    resetColorPoint2();
}

void DisplayDescColorPointData::resetColorPoint1()
{
    ui->whitePointField->setText(QStringLiteral("0"));
    ui->whiteXField->setText(QStringLiteral("0"));
    ui->whiteYField->setText(QStringLiteral("0"));
    ui->gammaField->setText(QStringLiteral("1.00"));
    colorPoint.index1 = colorPoint.x1 = colorPoint.y1 = 0;
    colorPoint.gamma1 = 100;
    ui->firstColorPointGB->setChecked(false);
}

void DisplayDescColorPointData::resetColorPoint2()
{
    ui->whitePointField2->setText(QStringLiteral("0"));
    ui->whiteXField2->setText(QStringLiteral("0"));
    ui->whiteYField2->setText(QStringLiteral("0"));
    ui->gammaField2->setText(QStringLiteral("1.00"));
    colorPoint.index2 = colorPoint.x2 = colorPoint.y2 = 0;
    colorPoint.gamma2 = 100;
    ui->secondColorPointGB->setChecked(false);
}

void DisplayDescColorPointData::updateColorPoint()
{
    if (!working)
        return;
    monitorDesc.type = EDID_DESC_COLOR_POINT;
    monitorDesc.kind = EDID_DESC_COLOR_POINT;
    monitorDesc.colorPoint = colorPoint;
    EDIDUpdateColorPointData(working, index, monitorDesc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

StringInfo DisplayDescColorPointData::getStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Color Point Data")));
    struct Point { const char *title; Word i; QLineEdit *idx, *x, *y, *gamma; };
    for (const Point &p : {Point{"First Additional Color Point", colorPoint.index1, ui->whitePointField,
                                 ui->whiteXField, ui->whiteYField, ui->gammaField},
                           Point{"Second Additional Color Point", colorPoint.index2, ui->whitePointField2,
                                 ui->whiteXField2, ui->whiteYField2, ui->gammaField2}}) {
        const QString title = QString::fromLatin1(p.title);
        if (p.i == 0) {
            rows.append(qMakePair(title, QStringLiteral("none")));
            continue;
        }
        rows.append(qMakePair(title, QStringLiteral("~")));
        rows.append(qMakePair(QStringLiteral("White Point Index"), p.idx->text()));
        rows.append(qMakePair(QStringLiteral("White X"), p.x->text()));
        rows.append(qMakePair(QStringLiteral("White Y"), p.y->text()));
        rows.append(qMakePair(QStringLiteral("Gamma"), p.gamma->text()));
    }
    return rows;
}

// ---------------------------------------------------------------------------
// Checks

void DisplayDescColorPointData::displayFormatError(QLineEdit *field, std::string text,
                                                   const QString &fallback)
{
    DescriptorEntry::refuse(this, field, QString::fromLatin1(kFormatError),
                            QString::fromStdString(text), fallback);
}

Word DisplayDescColorPointData::checkIndex(QLineEdit *field, int fallback)
{
    int value = 0;
    if (DescriptorEntry::readInt(field, &value) && value >= 1 && value <= 255)
        return Word(value);
    displayFormatError(field, kIndexMessage, QString::number(fallback));
    return Word(fallback);
}

Word DisplayDescColorPointData::detectFormatError(std::string name, QLineEdit *field, double min,
                                                  double max, Word current)
{
    // Leaving a field without changing it keeps the code it shows.
    if (field->text() == getColorPointComponent(current))
        return current;
    double value = 0;
    if (DescriptorEntry::readReal(field, &value) && value >= min && value <= max) {
        const Word code = getValueToStore(value);
        field->setText(getColorPointComponent(code));
        return code;
    }
    const QString text = QString::fromStdString(name) + QStringLiteral(" must be in range of ")
                         + QString::number(min, 'g', 3) + QStringLiteral(" to ")
                         + QString::number(max, 'g', 3);
    DescriptorEntry::refuse(this, field, QStringLiteral("Range error"), text, QStringLiteral("0"));
    return 0;
}

Word DisplayDescColorPointData::checkGamma(QLineEdit *field, Word current)
{
    // A loaded gamma byte (0xFF reads as 3.55) stays as it is until edited.
    if (field->text() == getGammaText(current))
        return current;
    double value = 0;
    if (DescriptorEntry::readReal(field, &value) && value >= 1.0 && value <= 3.54) {
        const Word gamma = Word(std::lround(value * 100.0));
        field->setText(getGammaText(gamma));
        return gamma;
    }
    displayFormatError(field, kGammaMessage, QStringLiteral("1.00"));
    return 100;
}

// ---------------------------------------------------------------------------
// User edits: check, store, write

void DisplayDescColorPointData::on_whitePointField_editingFinished()
{
    colorPoint.index1 = checkIndex(ui->whitePointField, 1);
    updateColorPoint();
}

void DisplayDescColorPointData::on_whitePointField2_editingFinished()
{
    colorPoint.index2 = checkIndex(ui->whitePointField2, 2);
    updateColorPoint();
}

void DisplayDescColorPointData::on_whiteXField_editingFinished()
{
    colorPoint.x1 = detectFormatError("White x Chromaticity", ui->whiteXField, 0, 0.999, colorPoint.x1);
    updateColorPoint();
}

void DisplayDescColorPointData::on_whiteYField_editingFinished()
{
    colorPoint.y1 = detectFormatError("White y Chromaticity", ui->whiteYField, 0, 0.999, colorPoint.y1);
    updateColorPoint();
}

void DisplayDescColorPointData::on_whiteXField2_editingFinished()
{
    colorPoint.x2 = detectFormatError("White x Chromaticity", ui->whiteXField2, 0, 0.999, colorPoint.x2);
    updateColorPoint();
}

void DisplayDescColorPointData::on_whiteYField2_editingFinished()
{
    colorPoint.y2 = detectFormatError("White y Chromaticity", ui->whiteYField2, 0, 0.999, colorPoint.y2);
    updateColorPoint();
}

void DisplayDescColorPointData::on_gammaField_editingFinished()
{
    colorPoint.gamma1 = checkGamma(ui->gammaField, colorPoint.gamma1);
    updateColorPoint();
}

void DisplayDescColorPointData::on_gammaField2_editingFinished()
{
    colorPoint.gamma2 = checkGamma(ui->gammaField2, colorPoint.gamma2);
    updateColorPoint();
}

void DisplayDescColorPointData::on_firstColorPointGB_clicked(bool checked)
{
    if (checked) {
        ui->whitePointField->setText(QStringLiteral("1"));
        colorPoint.index1 = 1;
    } else {
        resetColorPoint1();
    }
    updateColorPoint();
}

void DisplayDescColorPointData::on_secondColorPointGB_clicked(bool checked)
{
    if (checked) {
        ui->whitePointField2->setText(QStringLiteral("2"));
        colorPoint.index2 = 2;
    } else {
        resetColorPoint2();
    }
    updateColorPoint();
}
