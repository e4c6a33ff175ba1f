#include "displayvideoninput.h"
#include "ui_displayvideoninput.h"

#include "edidwriter.h"
#include "hexaviewer.h"
#include "choice.h"
#include "sectionrows.h"

namespace {

// Codes the combo boxes list: colour depth 0-6 (7 is reserved), interface
// 0-5 (6-15 are reserved) and analog signal level 0-3.
const int kDepthCodes = 7;
const int kInterfaceCodes = 6;

} // namespace

DisplayVideonInput::DisplayVideonInput(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayVideonInput), support(this)
{
    ui->setupUi(this);
    record.analog = 1;
}

DisplayVideonInput::~DisplayVideonInput()
{
    delete ui;
}

void DisplayVideonInput::initFields(T_EDID_VIDEO_INPUT_DEF videoInputInfo, Byte *reference,
                                    Byte *working)
{
    support.setImages(reference, working);
    record = videoInputInfo;
    analog = record.analog ? 1 : 0;
    colorBitDepth = 1;
    interfaceType = 0;
    if (analog) {
        signalLevel = record.levelOrDepth;
        blankSetup = record.blankSetup;
        separateSync = record.separateSync;
        compositeSync = record.compositeSync;
        syncOnGreen = record.syncOnGreen;
        serration = record.serration;
    } else {
        colorBitDepth = record.levelOrDepth;
        interfaceType = record.interface;
        dfp = record.dfp;
    }
    emit inputTypeChanged(analog);
    updateUI();
}

void DisplayVideonInput::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    ui->analogRB->setChecked(true);
    ui->analogGB->setEnabled(true);
    ui->signalLevelMulti->setCurrentIndex(0);
    for (QCheckBox *box : {ui->blankSetupCB, ui->sepSyncCB, ui->compSyncCB, ui->syncOnGreenCB,
                           ui->serrationCB, ui->dfpSupportCB})
        box->setChecked(false);
    ui->digitalRB->setChecked(false);
    PanelSupport::showCode(ui->cbdMulti, kDepthCodes, 0);
    PanelSupport::showCode(ui->interfaceMulti, kInterfaceCodes, 0);

    analog = 1;
    signalLevel = 0;
    blankSetup = separateSync = compositeSync = syncOnGreen = serration = 0;
    colorBitDepth = 0;
    interfaceType = 0;
    dfp = 0;
    updateUI();
}

void DisplayVideonInput::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    updateUI();
}

void DisplayVideonInput::updateUI()
{
    const bool rev4 = revision == 4;
    ui->digitalGB->setVisible(rev4);
    ui->dfpSupportCB->setVisible(!rev4);

    if (analog) {
        ui->analogRB->setChecked(true);
        ui->analogGB->setEnabled(true);
        ui->digitalGB->setEnabled(false);
        ui->dfpSupportCB->setEnabled(false);
        ui->signalLevelMulti->setCurrentIndex(int(signalLevel));
        ui->blankSetupCB->setChecked(blankSetup);
        ui->sepSyncCB->setChecked(separateSync);
        ui->compSyncCB->setChecked(compositeSync);
        ui->syncOnGreenCB->setChecked(syncOnGreen);
        ui->serrationCB->setChecked(serration);
        for (QWidget *widget : {static_cast<QWidget *>(ui->cbdLabel), static_cast<QWidget *>(ui->cbdMulti),
                                static_cast<QWidget *>(ui->interfaceLabel),
                                static_cast<QWidget *>(ui->interfaceMulti)})
            widget->setEnabled(false);
    } else {
        ui->digitalRB->setChecked(true);
        ui->digitalGB->setEnabled(true);
        ui->analogGB->setEnabled(false);
        ui->dfpSupportCB->setChecked(dfp);
        PanelSupport::showCode(ui->cbdMulti, kDepthCodes, colorBitDepth);
        PanelSupport::showCode(ui->interfaceMulti, kInterfaceCodes, interfaceType);
        for (QWidget *widget : {static_cast<QWidget *>(ui->cbdLabel), static_cast<QWidget *>(ui->cbdMulti),
                                static_cast<QWidget *>(ui->dfpSupportCB),
                                static_cast<QWidget *>(ui->interfaceLabel),
                                static_cast<QWidget *>(ui->interfaceMulti)})
            widget->setEnabled(true);
    }
}

void DisplayVideonInput::updateDisplayParameters()
{
    record.analog = analog;
    if (analog) {
        record.levelOrDepth = signalLevel;
        record.blankSetup = blankSetup;
        record.separateSync = separateSync;
        record.compositeSync = compositeSync;
        record.syncOnGreen = syncOnGreen;
        record.serration = serration;
    } else {
        record.levelOrDepth = colorBitDepth;
        record.interface = interfaceType;
        record.dfp = dfp;
    }
    const _EDID_VIDEO_INPUT_DEF section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateVideoInputDef(section, image); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

StringInfo DisplayVideonInput::getStringInfo()
{
    return SectionRows::videoInput(ui, analog, revision);
}

QString DisplayVideonInput::isCheckedToString(QCheckBox *box)
{
    return PanelSupport::yesNo(box->isChecked());
}

void DisplayVideonInput::on_analogRB_clicked(bool checked)
{
    if (!takeChoice(analog, checked ? 1 : 0))
        return;
    emit inputTypeChanged(analog);
    updateUI();
    updateDisplayParameters();
}

void DisplayVideonInput::on_digitalRB_clicked(bool checked)
{
    if (!takeChoice(analog, checked ? 0 : 1))
        return;
    // Below revision 4 bits 6-1 of a digital byte are reserved: one made from
    // an analog byte holds none.
    if (revision != 4 && !analog)
        colorBitDepth = interfaceType = 0;
    emit inputTypeChanged(analog);
    updateUI();
    updateDisplayParameters();
}

void DisplayVideonInput::on_signalLevelMulti_activated(int index)
{
    if (takeChoice(signalLevel, qMax(index, 0)))
        updateDisplayParameters();
}

void DisplayVideonInput::on_blankSetupCB_clicked(bool checked)
{
    blankSetup = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_sepSyncCB_clicked(bool checked)
{
    separateSync = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_compSyncCB_clicked(bool checked)
{
    compositeSync = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_syncOnGreenCB_clicked(bool checked)
{
    syncOnGreen = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_serrationCB_clicked(bool checked)
{
    serration = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_dfpSupportCB_clicked(bool checked)
{
    dfp = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_cbdMulti_activated(int index)
{
    if (takeChoice(colorBitDepth, PanelSupport::codeAt(ui->cbdMulti, kDepthCodes, index)))
        updateDisplayParameters();
}

void DisplayVideonInput::on_interfaceMulti_activated(int index)
{
    if (takeChoice(interfaceType, PanelSupport::codeAt(ui->interfaceMulti, kInterfaceCodes, index)))
        updateDisplayParameters();
}
