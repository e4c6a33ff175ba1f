#include "displayparameters.h"
#include "ui_displayparameters.h"

#include "displayfeaturesupport.h"
#include "edidwriter.h"
#include "hexaviewer.h"
#include "screensizefields.h"
#include "sectionrows.h"
#include "validator.h"

DisplayParameters::DisplayParameters(QWidget *parent)
    : QWidget(parent), ui(new Ui::DisplayParameters), support(this), screen(support),
      decimalValidator(new Validator(QStringLiteral("[^0-9.]"))),
      digitsValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    screen.attach(ui);
    ui->gammaField->setValidator(decimalValidator);
    ui->hSizeField->setValidator(digitsValidator);
    ui->vSizeField->setValidator(digitsValidator);
    record.videoInput.analog = 1;
    record.gamma = 100;
    record.featureSupport.value = colorType;
    HexaViewer::getInstance()->setDisplayParamsStringInfo(getStringInfo());
}

DisplayParameters::~DisplayParameters()
{
    delete ui;
    delete decimalValidator;
    delete digitsValidator;
}

void DisplayParameters::initFields(_EDID_DISPLAY_PARAMETERS displayParameters, Byte *reference,
                                   Byte *working)
{
    support.setImages(reference, working);
    record = displayParameters;
    initVideoInputDef(record);
    initGamma(record);
    initScreenFormat(record);
    initFeatureSupport(record);
}

void DisplayParameters::enableInputWidgets()
{
    const bool digital = !analog;
    ui->analogGB->setEnabled(!digital);
    ui->colorTypeGB->setEnabled(!digital);
    ui->digitalGB->setEnabled(digital);
    ui->digitalRev3GB->setEnabled(digital);
    for (QWidget *widget : {static_cast<QWidget *>(ui->cbdLabel), static_cast<QWidget *>(ui->cbdMulti),
                            static_cast<QWidget *>(ui->dfpSupportCB), static_cast<QWidget *>(ui->interfaceLabel),
                            static_cast<QWidget *>(ui->interfaceMulti)})
        widget->setEnabled(digital);
    ui->colorEncoFormatGB->setEnabled(digital && revision == 4);
}

void DisplayParameters::initVideoInputDef(const _EDID_DISPLAY_PARAMETERS &params)
{
    const _EDID_VIDEO_INPUT_DEF &input = params.videoInput;
    analog = input.analog ? 1 : 0;
    colorBitDepth = 1;
    interfaceType = 0;
    if (analog) {
        signalLevel = input.levelOrDepth;
        blankSetup = input.blankSetup;
        separateSync = input.separateSync;
        compositeSync = input.compositeSync;
        syncOnGreen = input.syncOnGreen;
        serration = input.serration;
        ui->analogRB->setChecked(true);
        ui->signalLevelMulti->setCurrentIndex(int(signalLevel));
        checkUncheck(blankSetup, ui->blankSetupCB);
        checkUncheck(separateSync, ui->sepSyncCB);
        checkUncheck(compositeSync, ui->compSyncCB);
        checkUncheck(syncOnGreen, ui->syncOnGreenCB);
        checkUncheck(serration, ui->serrationCB);
    } else {
        colorBitDepth = input.levelOrDepth;
        interfaceType = input.interface;
        dfp = input.dfp;
        ui->digitalRB->setChecked(true);
        checkUncheck(dfp, ui->dfpSupportCB);
        ui->cbdMulti->setCurrentIndex(int(colorBitDepth));
        ui->interfaceMulti->setCurrentIndex(int(interfaceType));
    }
    enableInputWidgets();
}

void DisplayParameters::initGamma(const _EDID_DISPLAY_PARAMETERS &params)
{
    gamma = params.gamma;
    displayText(ui->gammaField, gamma / 100.0);
}

void DisplayParameters::initScreenFormat(const _EDID_DISPLAY_PARAMETERS &params)
{
    screen.load(params.screenSize);
    showScreenMode();
}

void DisplayParameters::showScreenMode()
{
    screen.show(screen.kind != ScreenSizeFields::Size);
}

void DisplayParameters::initFeatureSupport(const _EDID_DISPLAY_PARAMETERS &params)
{
    const _EDID_FEATURE_SUPPORT &features = params.featureSupport;
    standby = features.standby;
    suspend = features.suspend;
    activeOff = features.activeOff;
    checkUncheck(standby, ui->standbyModeCB);
    checkUncheck(suspend, ui->suspendModeCB);
    checkUncheck(activeOff, ui->activeOffCB);
    if (features.kind == 0) {
        colorType = features.value;
        ui->colorTypeMulti->setCurrentIndex(colorType);
    } else {
        // Revision-4 encodings, or bits 4-3 of a digital input at another revision.
        colorEncoding = features.kind == 1 ? features.value
                                           : (support.working() ? (support.working()[24] >> 3) & 3 : 0);
        ui->rgb444CB->setChecked(true);
        checkUncheck(colorEncoding == 1 || colorEncoding == 3, ui->ycrcb444CB);
        checkUncheck(colorEncoding == 2 || colorEncoding == 3, ui->ycrcb422CB);
    }
    sRGB = features.sRGB;
    continuousFrequency = features.continuousFrequency;
    preferredTimingMode = features.preferredTimingMode;
    checkUncheck(sRGB, ui->srgbCB);
    checkUncheck(continuousFrequency, ui->contFreqCB);
    checkUncheck(preferredTimingMode, ui->prefTimingModeCB);
}

void DisplayParameters::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    analog = 1;
    signalLevel = 0;
    blankSetup = separateSync = compositeSync = syncOnGreen = serration = 0;
    colorBitDepth = interfaceType = 0;
    dfp = 0;
    gamma = 100;
    screen.reset();
    standby = suspend = activeOff = 0;
    colorType = 1;
    colorEncoding = 0;
    sRGB = continuousFrequency = preferredTimingMode = 0;
    record.featureSupport.kind = 0;

    displayText(ui->gammaField, 1.0);
    ui->analogRB->setChecked(true);
    ui->signalLevelMulti->setCurrentIndex(0);
    for (QCheckBox *box : {ui->blankSetupCB, ui->sepSyncCB, ui->compSyncCB, ui->syncOnGreenCB, ui->serrationCB,
                           ui->dfpSupportCB, ui->standbyModeCB, ui->suspendModeCB, ui->activeOffCB,
                           ui->ycrcb444CB, ui->ycrcb422CB, ui->srgbCB, ui->contFreqCB, ui->prefTimingModeCB})
        box->setChecked(false);
    ui->cbdMulti->setCurrentIndex(0);
    ui->interfaceMulti->setCurrentIndex(0);
    ui->landscapeRB->setChecked(true);
    displayText(ui->ratioField, 1.0);
    showScreenMode();
    ui->portraitRB->setEnabled(false);
    ui->landscapeRB->setEnabled(false);
    ui->ratioField->setEnabled(false);
    ui->colorTypeMulti->setCurrentIndex(1);
    enableInputWidgets();
    ui->colorEncoFormatGB->setEnabled(false);
}

void DisplayParameters::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    const bool rev4 = revision == 4;
    if (!rev4) {
        if (screen.kind != ScreenSizeFields::Size) {
            screen.kind = ScreenSizeFields::Size;
            screen.takeSizesFromImage();
        }
        showScreenMode();
    }
    ui->aspectRatioRB->setEnabled(rev4);
    if (rev4)
        ui->aspectRatioGB->setEnabled(!ui->dimensionsRB->isChecked());
    ui->contFreqCB->setText(rev4 ? QStringLiteral("Continuous Frequency (1.4)")
                                 : QStringLiteral("Default GTF (1.3)"));
    ui->digitalGB->setVisible(rev4);
    ui->digitalRev3GB->setVisible(!rev4);
    ui->dfpSupportCB->setEnabled(!analog);
    ui->digitalRev3GB->setEnabled(!analog);
    ui->colorEncoFormatGB->setEnabled(rev4 && !analog);
    if (analog)
        ui->colorTypeGB->setEnabled(true);
    if (rev4) {
        ui->cbdMulti->setCurrentIndex(int(colorBitDepth));
        ui->interfaceMulti->setCurrentIndex(int(interfaceType));
    }
}

void DisplayParameters::updateDisplayParameters()
{
    _EDID_VIDEO_INPUT_DEF &input = record.videoInput;
    input.analog = analog;
    if (analog) {
        input.levelOrDepth = signalLevel;
        input.blankSetup = blankSetup;
        input.separateSync = separateSync;
        input.compositeSync = compositeSync;
        input.syncOnGreen = syncOnGreen;
        input.serration = serration;
    } else {
        input.levelOrDepth = colorBitDepth;
        input.interface = interfaceType;
        input.dfp = dfp;
    }
    screen.store(record.screenSize);
    record.gamma = Word(gamma);
    _EDID_FEATURE_SUPPORT &features = record.featureSupport;
    features.standby = standby;
    features.suspend = suspend;
    features.activeOff = activeOff;
    DisplayFeatureSupport::codeColour(features, analog, revision, colorType, colorEncoding, support.working());
    features.sRGB = sRGB;
    features.continuousFrequency = continuousFrequency;
    features.preferredTimingMode = preferredTimingMode;

    const _EDID_DISPLAY_PARAMETERS section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateDisplayParameters(image, section); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

StringInfo DisplayParameters::getStringInfo()
{
    StringInfo rows = SectionRows::videoInput(ui, analog, revision);
    rows << qMakePair(QStringLiteral("Gamma"), ui->gammaField->text());
    rows << SectionRows::screenSize(ui, screen.kind);
    rows << SectionRows::featureSupport(ui, analog, revision);
    return rows;
}

void DisplayParameters::checkUncheck(unsigned char value, QCheckBox *box)
{
    box->setChecked(value != 0);
}

QString DisplayParameters::isCheckedToString(QCheckBox *box)
{
    return PanelSupport::yesNo(box->isChecked());
}

void DisplayParameters::displayText(QLineEdit *field, QVariant value)
{
    support.showValue(field, value);
}

QVariant DisplayParameters::detectFormatError(QLineEdit *field, QVariant value, QVariant minimum,
                                              QVariant maximum, std::string message)
{
    return support.checkRange(field, value, minimum, maximum, QString::fromStdString(message));
}

void DisplayParameters::updateColorEncoding()
{
    colorEncoding = (ui->ycrcb444CB->isChecked() ? 1 : 0) + (ui->ycrcb422CB->isChecked() ? 2 : 0);
}

void DisplayParameters::on_analogRB_clicked(bool checked)
{
    if (!checked)
        return;
    analog = 1;
    record.featureSupport.kind = 0;
    enableInputWidgets();
    updateDisplayParameters();
}

void DisplayParameters::on_digitalRB_clicked(bool checked)
{
    if (!checked)
        return;
    analog = 0;
    record.featureSupport.kind = 1;
    enableInputWidgets();
    updateDisplayParameters();
}

void DisplayParameters::on_signalLevelMulti_activated(int index)
{
    signalLevel = uint32_t(qMax(index, 0));
    updateDisplayParameters();
}

void DisplayParameters::on_blankSetupCB_clicked(bool checked)
{
    blankSetup = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_sepSyncCB_clicked(bool checked)
{
    separateSync = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_compSyncCB_clicked(bool checked)
{
    compositeSync = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_syncOnGreenCB_clicked(bool checked)
{
    syncOnGreen = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_serrationCB_clicked(bool checked)
{
    serration = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_cbdMulti_activated(int index)
{
    colorBitDepth = uint32_t(qMax(index, 0));
    updateDisplayParameters();
}

void DisplayParameters::on_interfaceMulti_activated(int index)
{
    interfaceType = uint32_t(qMax(index, 0));
    updateDisplayParameters();
}

void DisplayParameters::on_dfpSupportCB_clicked(bool checked)
{
    dfp = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_gammaField_editingFinished()
{
    if (support.unchanged(ui->gammaField))
        return;
    const QVariant accepted = detectFormatError(ui->gammaField, PanelSupport::readDouble(ui->gammaField),
                                                1.0, 3.54, "Gamma must be in range of 1.00 to 3.54");
    gamma = PanelSupport::hundredths(accepted.toDouble());
    updateDisplayParameters();
}

void DisplayParameters::on_dimensionsRB_clicked(bool checked)
{
    if (screen.chooseDimensions(checked))
        updateDisplayParameters();
}

void DisplayParameters::on_aspectRatioRB_clicked(bool checked)
{
    if (screen.chooseAspectRatio(checked))
        updateDisplayParameters();
}

void DisplayParameters::on_hSizeField_editingFinished()
{
    if (screen.finishHSize())
        updateDisplayParameters();
}

void DisplayParameters::on_vSizeField_editingFinished()
{
    if (screen.finishVSize())
        updateDisplayParameters();
}

void DisplayParameters::on_portraitRB_clicked(bool checked)
{
    if (screen.chooseOrientation(ScreenSizeFields::Portrait, checked))
        updateDisplayParameters();
}

void DisplayParameters::on_landscapeRB_clicked(bool checked)
{
    if (screen.chooseOrientation(ScreenSizeFields::Landscape, checked))
        updateDisplayParameters();
}

void DisplayParameters::on_ratioField_editingFinished()
{
    if (screen.finishRatio())
        updateDisplayParameters();
}

void DisplayParameters::on_standbyModeCB_clicked(bool checked)
{
    standby = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_suspendModeCB_clicked(bool checked)
{
    suspend = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_activeOffCB_clicked(bool checked)
{
    activeOff = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_colorTypeMulti_activated(int index)
{
    colorType = qMax(index, 0);
    updateDisplayParameters();
}

void DisplayParameters::on_ycrcb444CB_clicked()
{
    updateColorEncoding();
    updateDisplayParameters();
}

void DisplayParameters::on_ycrcb422CB_clicked()
{
    updateColorEncoding();
    updateDisplayParameters();
}

void DisplayParameters::on_srgbCB_clicked(bool checked)
{
    sRGB = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_contFreqCB_clicked(bool checked)
{
    continuousFrequency = checked;
    updateDisplayParameters();
}

void DisplayParameters::on_prefTimingModeCB_clicked(bool checked)
{
    preferredTimingMode = checked;
    updateDisplayParameters();
}
