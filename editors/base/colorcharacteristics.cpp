#include "colorcharacteristics.h"
#include "ui_colorcharacteristics.h"

#include <cmath>
#include <sstream>

#include "edidwriter.h"
#include "hexaviewer.h"
#include "validator.h"

namespace {

constexpr int kMaxCode = 1023;

// The three-decimal reading of a code: code / 1024 plus 0.0005, cut after
// five characters ("0.xxx", trailing zeros dropped).
QString threeDecimals(unsigned short code)
{
    const float t = float(code) / 1024.0f;
    double d = double(t) + 0.0005;
    d = std::ceil(d * 100000.0) / 100000.0;
    std::ostringstream out;
    out << d;
    return QString::fromStdString(out.str()).left(5);
}

} // namespace

ColorCharacteristics::ColorCharacteristics(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::ColorCharacteristics), support(this),
      coordinateValidator(new Validator(QStringLiteral("[^0-9.]")))
{
    ui->setupUi(this);
    fields = {ui->redXField,  ui->redYField,  ui->greenXField, ui->greenYField,
              ui->blueXField, ui->blueYField, ui->whiteXField, ui->whiteYField};
    for (QLineEdit *field : fields)
        field->setValidator(coordinateValidator);
}

ColorCharacteristics::~ColorCharacteristics()
{
    delete ui;
    delete coordinateValidator;
}

QString ColorCharacteristics::codeToText(unsigned short code)
{
    const QString text = threeDecimals(code);
    bool good = false;
    if (textToCode(text, &good) == code)
        return text;
    return QString::number(double(code) / 1024.0, 'f', 4);
}

int ColorCharacteristics::textToCode(const QString &text, bool *good)
{
    const float f = text.toFloat();  // not a number: 0
    *good = !text.isEmpty() && double(f) >= 0.0 && double(f) < 1.0;
    if (!*good)
        return 0;
    const int code = int(std::ceil(double(1024.0f * f) - 0.5));
    return qBound(0, code, kMaxCode);
}

void ColorCharacteristics::initFields(_EDID_COLOR_CHARACTERISTICS colorCharacteristics,
                                      unsigned char *reference, unsigned char *working)
{
    record = colorCharacteristics;
    support.setImages(reference, working);
    codes = {record.redX,  record.redY,  record.greenX, record.greenY,
             record.blueX, record.blueY, record.whiteX, record.whiteY};
    for (std::size_t i = 0; i < fields.size(); ++i)
        displayText(fields[i], codes[i]);
    HexaViewer::getInstance()->setColorCharactStringInfo(getStringInfo());
}

void ColorCharacteristics::resetFields(unsigned char *reference, unsigned char *working)
{
    support.setImages(reference, working);
    codes.fill(0);
    for (QLineEdit *field : fields)
        support.show(field, QStringLiteral("0.000"));
}

void ColorCharacteristics::updateColorCharacteristics()
{
    record.redX = codes[0];
    record.redY = codes[1];
    record.greenX = codes[2];
    record.greenY = codes[3];
    record.blueX = codes[4];
    record.blueY = codes[5];
    record.whiteX = codes[6];
    record.whiteY = codes[7];
    const _EDID_COLOR_CHARACTERISTICS section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateColorCharact(section, image); }, 25, 34,
                         &HexaViewer::setColorCharactStringInfo, getStringInfo());
}

StringInfo ColorCharacteristics::getStringInfo()
{
    static const char *const colours[] = {"Red", "Green", "Blue", "White"};
    StringInfo rows;
    for (int c = 0; c < 4; ++c) {
        const QString colour = QLatin1String(colours[c]);
        rows << qMakePair(colour + QStringLiteral(" Chromaticity"), QStringLiteral("~"))
             << qMakePair(colour + QStringLiteral(" X"), fields[std::size_t(2 * c)]->text())
             << qMakePair(colour + QStringLiteral(" Y"), fields[std::size_t(2 * c + 1)]->text());
    }
    return rows;
}

void ColorCharacteristics::displayText(QLineEdit *field, unsigned short code)
{
    support.show(field, codeToText(code));
}

int ColorCharacteristics::detectFormatError(QLineEdit *field)
{
    bool good = false;
    const int code = textToCode(field->text(), &good);
    if (!good) {
        support.refuse(field, QStringLiteral("CEA extention warning"),
                       QStringLiteral("Display X, Y chromaticity must be in range of 0.000 to 0.999"),
                       QStringLiteral("0.000"));
        return 0;
    }
    support.commit(field);
    return code;
}

void ColorCharacteristics::commitCoordinate(int index)
{
    QLineEdit *field = fields[std::size_t(index)];
    if (support.unchanged(field))
        return;
    codes[std::size_t(index)] = Word(detectFormatError(field));
    updateColorCharacteristics();
}

void ColorCharacteristics::on_redXField_editingFinished() { commitCoordinate(0); }
void ColorCharacteristics::on_redYField_editingFinished() { commitCoordinate(1); }
void ColorCharacteristics::on_greenXField_editingFinished() { commitCoordinate(2); }
void ColorCharacteristics::on_greenYField_editingFinished() { commitCoordinate(3); }
void ColorCharacteristics::on_blueXField_editingFinished() { commitCoordinate(4); }
void ColorCharacteristics::on_blueYField_editingFinished() { commitCoordinate(5); }
void ColorCharacteristics::on_whiteXField_editingFinished() { commitCoordinate(6); }
void ColorCharacteristics::on_whiteYField_editingFinished() { commitCoordinate(7); }
