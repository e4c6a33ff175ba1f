#include "displayscreensize.h"
#include "ui_displayscreensize.h"

#include <QDebug>

#include "edidwriter.h"
#include "hexaviewer.h"
#include "sectionrows.h"
#include "validator.h"

namespace {

using RatioRange = DisplayScreenSize::RatioRange;

const RatioRange kLandscape = {1.00, 3.54,
                               "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54",
                               "Aspect Ratio not in range for Landscape Orientation"};
const RatioRange kPortrait = {0.28, 0.99,
                              "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99",
                              "Aspect Ratio not in range for Portrait Orientation"};

} // namespace

const DisplayScreenSize::RatioRange &DisplayScreenSize::ratioRange(uint32_t kind)
{
    return kind == Portrait ? kPortrait : kLandscape;
}

DisplayScreenSize::DisplayScreenSize(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayScreenSize), support(this),
      sizeValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    ui->hSizeField->setValidator(sizeValidator);
    ui->vSizeField->setValidator(sizeValidator);
}

DisplayScreenSize::~DisplayScreenSize()
{
    delete ui;
    delete sizeValidator;
}

void DisplayScreenSize::initFields(T_EDID_SCREEN_SIZE_RATIO screenSize, Byte *reference,
                                   Byte *working)
{
    support.setImages(reference, working);
    record = screenSize;
    kind = record.kind;
    if (kind == Size) {
        hSize = record.hSizeOrRatio;
        vSize = record.vSize;
    } else {
        ratio = record.hSizeOrRatio;
        // A ratio needs a zero byte, which outside revision 4 is an undefined
        // size: keep the bytes themselves as the sizes of this image.
        takeSizesFromImage();
    }
    updateUI();
}

void DisplayScreenSize::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    ui->landscapeRB->setChecked(true);
    kind = Size;
    ratio = 100;
    hSize = 0;
    vSize = 0;
    updateUI();
}

void DisplayScreenSize::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    if (revision != 4 && kind != Size) {
        kind = Size;
        takeSizesFromImage();
    }
    updateUI();
}

void DisplayScreenSize::takeSizesFromImage()
{
    if (Byte *working = support.working()) {
        hSize = working[21];
        vSize = working[22];
    } else {
        hSize = vSize = 0;
    }
}

void DisplayScreenSize::updateUI()
{
    const bool ratioMode = revision == 4 && kind != Size;
    ui->aspectRatioRB->setEnabled(revision == 4);
    ui->aspectRatioRB->setChecked(ratioMode);
    ui->dimensionsRB->setChecked(!ratioMode);
    ui->dimensionsGB->setEnabled(!ratioMode);
    ui->aspectRatioGB->setEnabled(ratioMode);
    // The sizes always show what the panel would write in dimension mode.
    support.show(ui->hSizeField, QString::number(hSize));
    support.show(ui->vSizeField, QString::number(vSize));
    if (ratioMode) {
        ui->portraitRB->setEnabled(true);
        ui->landscapeRB->setEnabled(true);
        ui->ratioField->setEnabled(true);
        (kind == Portrait ? ui->portraitRB : ui->landscapeRB)->setChecked(true);
        support.show(ui->ratioField, PanelSupport::twoDecimals(ratio / 100.0));
    }
}

void DisplayScreenSize::updateDisplayParameters()
{
    record.kind = kind;
    if (kind == Size) {
        record.hSizeOrRatio = hSize;
        record.vSize = vSize;
    } else {
        record.hSizeOrRatio = ratio;
    }
    const _EDID_SCREEN_SIZE_RATIO section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateScreenSizeRatio(section, image); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

StringInfo DisplayScreenSize::getStringInfo()
{
    return SectionRows::screenSize(ui, kind);
}

QVariant DisplayScreenSize::detectFormatError(QLineEdit *field, QVariant value, QVariant minimum,
                                              QVariant maximum, std::string message)
{
    return support.checkRange(field, value, minimum, maximum, QString::fromStdString(message));
}

void DisplayScreenSize::displayText(QLineEdit *field, QVariant value)
{
    support.showValue(field, value);
}

Word DisplayScreenSize::checkedRatio(uint32_t orientation, bool fromOrientationButton)
{
    const RatioRange &range = ratioRange(orientation);
    const QVariant accepted = detectFormatError(
        ui->ratioField, PanelSupport::readDouble(ui->ratioField), range.minimum, range.maximum,
        fromOrientationButton ? range.buttonMessage : range.fieldMessage);
    return Word(PanelSupport::hundredths(accepted.toDouble()));
}

void DisplayScreenSize::on_dimensionsRB_clicked(bool checked)
{
    if (!checked)
        return;
    ui->dimensionsGB->setEnabled(true);
    ui->aspectRatioRB->setChecked(false);
    ui->aspectRatioGB->setEnabled(false);
    kind = Size;
    // The size fields only ever hold the committed sizes.
    hSize = Word(PanelSupport::readInt(ui->hSizeField));
    vSize = Word(PanelSupport::readInt(ui->vSizeField));
    updateDisplayParameters();
}

void DisplayScreenSize::on_aspectRatioRB_clicked(bool checked)
{
    if (!checked)
        return;
    ui->aspectRatioGB->setEnabled(true);
    ui->dimensionsRB->setChecked(false);
    ui->dimensionsGB->setEnabled(false);
    ui->portraitRB->setEnabled(true);
    ui->landscapeRB->setEnabled(true);
    ui->ratioField->setEnabled(true);
    kind = ui->portraitRB->isChecked() ? Portrait : Landscape;
    // Checked like an orientation choice, so that no ratio outside the
    // orientation's range (nor 0) reaches the image.
    ratio = checkedRatio(kind, true);
    updateDisplayParameters();
}

void DisplayScreenSize::on_hSizeField_editingFinished()
{
    if (support.unchanged(ui->hSizeField))
        return;
    hSize = Word(detectFormatError(ui->hSizeField, PanelSupport::readInt(ui->hSizeField), 0, 255,
                                   "Horizontal Size must be in range of 0 to 255 cm")
                     .toInt());
    updateDisplayParameters();
}

void DisplayScreenSize::on_vSizeField_editingFinished()
{
    if (support.unchanged(ui->vSizeField))
        return;
    vSize = Word(detectFormatError(ui->vSizeField, PanelSupport::readInt(ui->vSizeField), 0, 255,
                                   "Vertical Size must be in range of 0 to 255 cm")
                     .toInt());
    updateDisplayParameters();
}

void DisplayScreenSize::on_portraitRB_clicked(bool checked)
{
    if (checked)
        kind = Portrait;
    ratio = checkedRatio(Portrait, true);
    updateDisplayParameters();
}

void DisplayScreenSize::on_landscapeRB_clicked(bool checked)
{
    if (checked)
        kind = Landscape;
    ratio = checkedRatio(Landscape, true);
    updateDisplayParameters();
}

void DisplayScreenSize::on_ratioField_editingFinished()
{
    qDebug().noquote() << QStringLiteral("value : ") + ui->ratioField->text();
    if (support.unchanged(ui->ratioField))
        return;
    ratio = checkedRatio(kind == Portrait ? Portrait : Landscape, false);
    updateDisplayParameters();
}
