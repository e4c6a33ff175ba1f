#include "displayfeaturesupport.h"
#include "choice.h"
#include "ui_displayfeaturesupport.h"

#include "edidwriter.h"
#include "hexaviewer.h"
#include "sectionrows.h"

namespace {

// Colour codes of the feature-support writer.
constexpr int32_t kColourType = 0;       // analog colour type
constexpr int32_t kColourEncodings = 1;  // digital colour encodings, bits 4-3 as they are

} // namespace

DisplayFeatureSupport::DisplayFeatureSupport(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayFeatureSupport), support(this)
{
    ui->setupUi(this);
    record.value = colorType;
}

DisplayFeatureSupport::~DisplayFeatureSupport()
{
    delete ui;
}

void DisplayFeatureSupport::initFields(T_EDID_FEATURE_SUPPORT featureSupport, Byte *reference,
                                       Byte *working)
{
    support.setImages(reference, working);
    record = featureSupport;
    standby = record.standby;
    suspend = record.suspend;
    activeOff = record.activeOff;
    ui->standbyModeCB->setChecked(standby);
    ui->suspendModeCB->setChecked(suspend);
    ui->activeOffCB->setChecked(activeOff);

    colorKind = record.kind;
    if (colorKind == 0) {
        colorType = record.value;
        ui->colorTypeMulti->setCurrentIndex(colorType);
    } else if (colorKind == 1) {
        colorEncoding = record.value;
        showEncoding();
    } else if (working) {
        // A digital input outside revision 4: bits 4-3 are not edited here, but
        // they are the encodings should the image turn to revision 4.
        colorEncoding = (working[24] >> 3) & 3;
        showEncoding();
    }

    sRGB = record.sRGB;
    continuousFrequency = record.continuousFrequency;
    preferredTimingMode = record.preferredTimingMode;
    ui->srgbCB->setChecked(sRGB);
    ui->contFreqCB->setChecked(continuousFrequency);
    ui->prefTimingModeCB->setChecked(preferredTimingMode);
}

void DisplayFeatureSupport::showEncoding()
{
    ui->ycrcb444CB->setChecked(colorEncoding == 1 || colorEncoding == 3);
    ui->ycrcb422CB->setChecked(colorEncoding == 2 || colorEncoding == 3);
}

void DisplayFeatureSupport::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    for (QCheckBox *box : {ui->standbyModeCB, ui->suspendModeCB, ui->activeOffCB, ui->ycrcb444CB,
                           ui->ycrcb422CB, ui->srgbCB, ui->contFreqCB, ui->prefTimingModeCB})
        box->setChecked(false);
    ui->colorTypeGB->setEnabled(true);
    ui->colorTypeMulti->setCurrentIndex(1);
    ui->colorEncoFormatGB->setEnabled(false);
    standby = suspend = activeOff = 0;
    colorType = 1;
    colorEncoding = 0;
    sRGB = continuousFrequency = preferredTimingMode = 0;
    analog = 1;
    record.kind = kColourType;
}

void DisplayFeatureSupport::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    updateUI();
}

void DisplayFeatureSupport::inputTypeChanged(Bool isAnalog)
{
    analog = isAnalog ? 1 : 0;
    record.kind = analog ? kColourType : kColourEncodings;
    updateUI();
}

void DisplayFeatureSupport::updateUI()
{
    ui->colorTypeGB->setEnabled(analog);
    if (revision == 4) {
        ui->contFreqCB->setText(QStringLiteral("Continuous Frequency (1.4)"));
        ui->colorEncoFormatGB->setEnabled(!analog);
    } else {
        ui->contFreqCB->setText(QStringLiteral("Default GTF (1.3)"));
        ui->colorEncoFormatGB->setEnabled(false);
    }
}

void DisplayFeatureSupport::updateDisplayParameters()
{
    record.standby = standby;
    record.suspend = suspend;
    record.activeOff = activeOff;
    codeColour(record, analog, revision, colorType, colorEncoding, support.working());
    record.sRGB = sRGB;
    record.continuousFrequency = continuousFrequency;
    record.preferredTimingMode = preferredTimingMode;

    const _EDID_FEATURE_SUPPORT section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateFeatureSupport(section, image); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

void DisplayFeatureSupport::codeColour(_EDID_FEATURE_SUPPORT &record, bool analog, Word revision,
                                       int32_t colourType, int32_t colourEncoding, const Byte *working)
{
    if (analog) {
        record.kind = kColourType;
        record.value = colourType;
    } else if (revision == 4) {
        record.kind = kColourEncodings;
        record.value = colourEncoding;
    } else {
        record.kind = kColourEncodings;  // the code that writes bits 4-3 unchanged
        record.value = working ? (working[24] >> 3) & 3 : 0;
    }
}

StringInfo DisplayFeatureSupport::getStringInfo()
{
    return SectionRows::featureSupport(ui, analog, revision);
}

QString DisplayFeatureSupport::isCheckedToString(QCheckBox *box)
{
    return PanelSupport::yesNo(box->isChecked());
}

void DisplayFeatureSupport::on_standbyModeCB_clicked(bool checked)
{
    standby = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_suspendModeCB_clicked(bool checked)
{
    suspend = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_activeOffCB_clicked(bool checked)
{
    activeOff = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_colorTypeMulti_activated(int index)
{
    if (takeChoice(colorType, qMax(index, 0)))
        updateDisplayParameters();
}

void DisplayFeatureSupport::on_rgb444CB_clicked(bool checked)
{
    Q_UNUSED(checked)  // RGB 4:4:4 is always supported
}

void DisplayFeatureSupport::on_ycrcb444CB_clicked(bool checked)
{
    Q_UNUSED(checked)
    colorEncoding = (ui->ycrcb444CB->isChecked() ? 1 : 0) + (ui->ycrcb422CB->isChecked() ? 2 : 0);
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_ycrcb422CB_clicked(bool checked)
{
    on_ycrcb444CB_clicked(checked);
}

void DisplayFeatureSupport::on_srgbCB_clicked(bool checked)
{
    sRGB = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_contFreqCB_clicked(bool checked)
{
    continuousFrequency = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_prefTimingModeCB_clicked(bool checked)
{
    preferredTimingMode = checked;
    updateDisplayParameters();
}
