#include "detailedtimings.h"
#include "choice.h"
#include "ui_detailedtimings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "edidwriter.h"
#include "fieldcheck.h"
#include "hexaviewer.h"
#include "validator.h"

namespace {

const char *const kFormatErrorTitle = "Format Error";
const char *const kPixelClockMessage = "Pixel Clock Value must be in range of 0.01 to 655.35 MHz";

// Integer fields: name in messages, range (the bit field of the descriptor
// layout) and the frequency read-outs that depend on the value.
enum IntegerRow { HActive, VActive, HBlank, VBlank, HFront, VFront, HSync, VSync,
                  HImSize, VImSize, HBorder, VBorder, IntegerRowCount };

struct IntegerFieldInfo
{
    const char *name;
    int min;
    int max;
    bool hClock;
    bool vClock;
};

const IntegerFieldInfo kIntegerFields[IntegerRowCount] = {
    {"Horizontal Active Pixels", 0, 4095, true, true},
    {"Vertical Active Pixels", 0, 4095, false, true},
    {"Horizontal Blanking", 0, 4095, true, true},
    {"Vertical Blanking", 0, 4095, false, true},
    {"Horizontal Front Porch", 0, 1023, false, false},
    {"Vertical Front Porch", 0, 63, false, false},
    {"Horizontal Sync Pulse", 0, 1023, false, false},
    {"Vertical Sync Pulse", 0, 63, false, false},
    {"Horizontal Image Size", 0, 4095, false, false},
    {"Vertical Image Size", 0, 4095, false, false},
    {"Horizontal Border", 0, 255, false, false},
    {"Vertical Border", 0, 255, false, false},
};

// Stereo code (byte 17 bits 6-5 x 2 + bit 0) to its description.
const char *const kStereoDescriptions[8] = {
    "No Stereo", "No Stereo", "FS, R on Sync", "2 Way, R on Even",
    "FS, L on Sync", "2 Way, L on Even", "4 Way", "Side by Side",
};

// Sync type (byte 17 bits 4-3): labels of the two flag boxes and description.
struct SyncTypeInfo
{
    const char *flagBit2Label;
    const char *flagBit1Label;
    const char *description;
};

const SyncTypeInfo kSyncTypes[4] = {
    {"Serrations", "On RGB", "Analog"},
    {"Serrations", "On RGB", "Bipolar Analog"},
    {"Serrations", "H. Sync Polarity", "Digital Composite"},
    {"V. Sync Polarity", "H. Sync Polarity", "Digital Separate"},
};

// 10 kHz units of a pixel clock of 0.01 to 655.35 MHz.
const quint64 kMinPixelClock = 1;
const quint64 kMaxPixelClock = 65535;

// Image size in whole millimetres for a 0.3 mm pixel pitch.
int imageSizeFor(int pixels)
{
    return static_cast<int>((static_cast<qint64>(pixels) * 3 + 5) / 10);
}

} // namespace

DetailedTimings::DetailedTimings(QWidget *parent)
    : QGroupBox(parent),
      form(new Ui::DetailedTimings),
      timing(),
      reference(nullptr),
      working(nullptr),
      index(0),
      isCEA(false),
      pixelClock(1),
      hActive(0), hBlank(0), hBorder(0), hFrontPorch(0), hBackPorch(0), hImageSize(0), hSync(0),
      hSyncFlag(false),
      vActive(0), vBlank(0), vBorder(0), vFrontPorch(0), vBackPorch(0), vImageSize(0), vSync(0),
      vSyncFlag(false),
      stereo(0),
      syncType(0),
      interlaced(false),
      clockValidator(new Validator("[^0-9.]")),
      digitValidator(new Validator("[^0-9]"))
{
    form->setupUi(this);

    // The validators have no parent: parent them here so they live exactly as
    // long as the fields they serve.
    clockValidator->setParent(this);
    digitValidator->setParent(this);

    QLineEdit *const fields[IntegerRowCount] = {
        form->hActiveField, form->vActiveField, form->hBlankField, form->vBlankField,
        form->hFrontField, form->vFrontField, form->hSyncField, form->vSyncField,
        form->hImSizeField, form->vImSizeField, form->hBorderField, form->vBorderField,
    };
    quint16 *const values[IntegerRowCount] = {
        &hActive, &vActive, &hBlank, &vBlank, &hFrontPorch, &vFrontPorch, &hSync, &vSync,
        &hImageSize, &vImageSize, &hBorder, &vBorder,
    };
    for (int row = 0; row < IntegerRowCount; ++row) {
        integerFields[row] = fields[row];
        integerValues[row] = values[row];
        fields[row]->setValidator(digitValidator);
    }
    form->pixelClockField->setValidator(clockValidator);

    updateFields();
}

DetailedTimings::~DetailedTimings()
{
    delete form;
}

// ---------------------------------------------------------------------------
// Loading, resetting and showing

void DetailedTimings::initFields(_EDID_DETAILED_TIMING_BLOCK timing, unsigned char *reference,
                                 unsigned char *working, int index, bool isCEA)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    this->isCEA = isCEA;
    this->timing = timing;

    pixelClock = timing.pixelClock;
    hActive = timing.hActive;
    hSync = timing.hSyncWidth;
    hFrontPorch = timing.hFrontPorch;
    hBackPorch = timing.hBackPorch;
    hImageSize = timing.hImageSize;
    hBorder = timing.hBorder;
    hSyncFlag = timing.hSyncFlag != 0;
    vActive = timing.vActive;
    vSync = timing.vSyncWidth;
    vFrontPorch = timing.vFrontPorch;
    vBackPorch = timing.vBackPorch;
    vImageSize = timing.vImageSize;
    vBorder = timing.vBorder;
    vSyncFlag = timing.vSyncFlag != 0;
    stereo = timing.stereo & 7;
    syncType = timing.syncType & 3;
    interlaced = timing.interlaced != 0;
    hBlank = static_cast<quint16>(hSync + hFrontPorch + hBackPorch);
    vBlank = static_cast<quint16>(vSync + vFrontPorch + vBackPorch);

    updateUI();
    updateFields();
    if (!isCEA)
        HexaViewer::getInstance()->setMonitorDescStringInfo(getStringInfo(), index);
}

void DetailedTimings::initFields(_CEA_DETAILED_TIMINGS bytes, unsigned char *reference,
                                 unsigned char *working, int index, bool isCEA)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    this->isCEA = isCEA;

    decodeBytes(bytes.bytes);
    updateDetailedTiming();
    updateUI();
    updateFields();
}

void DetailedTimings::decodeBytes(const unsigned char *d)
{
    pixelClock = static_cast<quint64>(d[0]) | (static_cast<quint64>(d[1]) << 8);
    hActive = static_cast<quint16>(d[2] | ((d[4] & 0xF0) << 4));
    hBlank = static_cast<quint16>(d[3] | ((d[4] & 0x0F) << 8));
    vActive = static_cast<quint16>(d[5] | ((d[7] & 0xF0) << 4));
    vBlank = static_cast<quint16>(d[6] | ((d[7] & 0x0F) << 8));
    hFrontPorch = static_cast<quint16>(d[8] | ((d[11] & 0xC0) << 2));
    hSync = static_cast<quint16>(d[9] | ((d[11] & 0x30) << 4));
    vFrontPorch = static_cast<quint16>((d[10] >> 4) | ((d[11] & 0x0C) << 2));
    vSync = static_cast<quint16>((d[10] & 0x0F) | ((d[11] & 0x03) << 4));
    hImageSize = static_cast<quint16>(d[12] | ((d[14] & 0xF0) << 4));
    vImageSize = static_cast<quint16>(d[13] | ((d[14] & 0x0F) << 8));
    hBorder = d[15];
    vBorder = d[16];
    interlaced = (d[17] & 0x80) != 0;
    stereo = static_cast<quint32>(((d[17] >> 5) & 0x03) * 2 + (d[17] & 0x01));
    syncType = static_cast<quint32>((d[17] >> 3) & 0x03);
    vSyncFlag = (d[17] & 0x04) != 0;
    hSyncFlag = (d[17] & 0x02) != 0;
    hBackPorch = static_cast<quint16>(hBlank - hFrontPorch - hSync);
    vBackPorch = static_cast<quint16>(vBlank - vFrontPorch - vSync);
}

void DetailedTimings::resetFields(unsigned char *reference, unsigned char *working, int index,
                                  bool isCEA)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    this->isCEA = isCEA;

    pixelClock = 1;
    hActive = hBlank = hFrontPorch = hSync = hImageSize = hBorder = 0;
    vActive = vBlank = vFrontPorch = vSync = vImageSize = vBorder = 0;
    interlaced = hSyncFlag = vSyncFlag = false;
    stereo = 0;
    syncType = 0;

    form->pixelClockField->setText("0.01");
    for (QLineEdit *field : integerFields)
        field->setText("0");
    form->hClockField->setText("-");
    form->vClockField->setText("-");

    form->interlacedCheckBox->setChecked(false);
    form->noStereoRB->setChecked(true);
    form->analogRB->setChecked(true);
    form->syncSignalCB1->setChecked(false);
    form->syncSignalCB2->setChecked(false);
    updateFields();
}

void DetailedTimings::updateUI()
{
    QRadioButton *const stereoButtons[8] = {
        form->noStereoRB, form->noStereoRB, form->onSyncFSRRB, form->twoWayRRB,
        form->onSyncFSLRB, form->twoWayLRB, form->fourWayRB, form->sideBySideRB,
    };
    QRadioButton *const syncButtons[4] = {
        form->analogRB, form->bipolAnalogRB, form->digitalCompositeRB, form->digitalSepRB,
    };
    stereoButtons[stereo & 7]->setChecked(true);
    syncButtons[syncType & 3]->setChecked(true);

    checkUncheck(hSyncFlag, form->syncSignalCB2);
    checkUncheck(vSyncFlag, form->syncSignalCB1);
    checkUncheck(interlaced, form->interlacedCheckBox);

    displayData(form->pixelClockField, static_cast<int>(pixelClock), 100);
    for (int row = 0; row < IntegerRowCount; ++row)
        displayData(integerFields[row], *integerValues[row], 1);

    calculateHClock();
    calculateVClock();
}

void DetailedTimings::updateFields()
{
    const SyncTypeInfo &info = kSyncTypes[syncType & 3];
    changeSyncSignalCBText(info.flagBit2Label, info.flagBit1Label);
}

void DetailedTimings::changeSyncSignalCBText(std::string first, std::string second)
{
    form->syncSignalCB1->setText(QString::fromStdString(first));
    form->syncSignalCB2->setText(QString::fromStdString(second));
}

void DetailedTimings::checkUncheck(unsigned char value, QCheckBox *box)
{
    box->setChecked(value != 0);
}

void DetailedTimings::displayData(QLineEdit *field, int value, int divisor)
{
    const float shown = static_cast<float>(value) / static_cast<float>(divisor);
    if (divisor == 100)
        field->setText(QString::number(static_cast<double>(shown), 'f', 2));
    else
        field->setText(QString::number(static_cast<double>(shown), 'g', 6));
}

void DetailedTimings::calculateHClock()
{
    const int total = hActive + hBlank;
    if (total == 0) {
        form->hClockField->setText("-");
        return;
    }
    const float kHz = static_cast<float>(pixelClock * 10) / static_cast<float>(total);
    form->hClockField->setText(QString::number(static_cast<double>(kHz), 'f', 2));
}

void DetailedTimings::calculateVClock()
{
    bool ok = false;
    float kHz = form->hClockField->text().toFloat(&ok);
    if (!ok)
        kHz = 0.0f;
    const int total = vActive + vBlank;
    if (total == 0) {
        form->vClockField->setText("-");
        return;
    }
    const float hz = 1000.0f * kHz / static_cast<float>(total);
    form->vClockField->setText(QString::number(static_cast<double>(hz), 'f', 2));
}

// ---------------------------------------------------------------------------
// Entries

int DetailedTimings::detectFormatError(std::string name, QLineEdit *field, int min, int max)
{
    const QString text = field->text();
    bool ok = false;
    int value = text.toInt(&ok, 10);
    if (!ok)
        value = 0;
    if (!text.isEmpty() && value >= min && value <= max)
        return value;

    const QString message = QString::fromStdString(name)
                            + QString(" must be in range of %1 to %2").arg(min).arg(max);
    rejectFieldEntry(this, field, kFormatErrorTitle, message, QString::number(min));
    return min;
}

void DetailedTimings::integerEntry(int row)
{
    const IntegerFieldInfo &info = kIntegerFields[row];
    *integerValues[row] = static_cast<quint16>(
        detectFormatError(info.name, integerFields[row], info.min, info.max));
    if (info.hClock)
        calculateHClock();
    if (info.vClock)
        calculateVClock();
    updateDetailedTiming();
}

void DetailedTimings::on_pixelClockField_editingFinished()
{
    const QString text = form->pixelClockField->text();
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok)
        value = 0.0;
    if (text.isEmpty() || !(value >= 0.01 && value <= 655.35)) {
        rejectFieldEntry(this, form->pixelClockField, kFormatErrorTitle, kPixelClockMessage, "1.00");
        value = 1.0;
    }
    // Nearest 10 kHz: a shown value committed unchanged keeps its bytes.
    pixelClock = static_cast<quint64>(std::llround(value * 100.0));
    calculateHClock();
    calculateVClock();
    updateDetailedTiming();
}

void DetailedTimings::on_hActiveField_editingFinished() { integerEntry(HActive); }
void DetailedTimings::on_vActiveField_editingFinished() { integerEntry(VActive); }
void DetailedTimings::on_hBlankField_editingFinished() { integerEntry(HBlank); }
void DetailedTimings::on_vBlankField_editingFinished() { integerEntry(VBlank); }
void DetailedTimings::on_hFrontField_editingFinished() { integerEntry(HFront); }
void DetailedTimings::on_vFrontField_editingFinished() { integerEntry(VFront); }
void DetailedTimings::on_hSyncField_editingFinished() { integerEntry(HSync); }
void DetailedTimings::on_vSyncField_editingFinished() { integerEntry(VSync); }
void DetailedTimings::on_hImSizeField_editingFinished() { integerEntry(HImSize); }
void DetailedTimings::on_vImSizeField_editingFinished() { integerEntry(VImSize); }
void DetailedTimings::on_hBorderField_editingFinished() { integerEntry(HBorder); }
void DetailedTimings::on_vBorderField_editingFinished() { integerEntry(VBorder); }

void DetailedTimings::on_interlacedCheckBox_clicked(bool checked)
{
    interlaced = checked;
    updateDetailedTiming();
}

// Without stereo (bits 6-5 = 00) bit 0 is "don't care": codes 0 and 1 both
// show as "No Stereo", and the loaded bit stays until another mode is chosen.
void DetailedTimings::setStereo(quint32 code)
{
    quint32 shown = stereo <= 1 ? 0 : stereo;
    if (!takeChoice(shown, code))
        return;
    stereo = code;
    updateDetailedTiming();
}

void DetailedTimings::on_noStereoRB_clicked() { setStereo(0); }
void DetailedTimings::on_onSyncFSRRB_clicked() { setStereo(2); }
void DetailedTimings::on_twoWayRRB_clicked() { setStereo(3); }
void DetailedTimings::on_onSyncFSLRB_clicked() { setStereo(4); }
void DetailedTimings::on_twoWayLRB_clicked() { setStereo(5); }
void DetailedTimings::on_fourWayRB_clicked() { setStereo(6); }
void DetailedTimings::on_sideBySideRB_clicked() { setStereo(7); }

void DetailedTimings::setSyncType(quint32 type)
{
    if (!takeChoice(syncType, type))
        return;
    updateDetailedTiming();
    updateFields();
}

void DetailedTimings::on_analogRB_clicked() { setSyncType(0); }
void DetailedTimings::on_bipolAnalogRB_clicked() { setSyncType(1); }
void DetailedTimings::on_digitalCompositeRB_clicked() { setSyncType(2); }
void DetailedTimings::on_digitalSepRB_clicked() { setSyncType(3); }

void DetailedTimings::on_syncSignalCB1_clicked(bool checked)
{
    vSyncFlag = checked;
    updateDetailedTiming();
}

void DetailedTimings::on_syncSignalCB2_clicked(bool checked)
{
    hSyncFlag = checked;
    updateDetailedTiming();
}

// ---------------------------------------------------------------------------
// Commit, encoding, description

void DetailedTimings::updateDetailedTiming()
{
    hBackPorch = static_cast<quint16>(hBlank - hSync - hFrontPorch);
    vBackPorch = static_cast<quint16>(vBlank - vSync - vFrontPorch);

    timing.pixelClock = pixelClock;
    timing.hActive = hActive;
    timing.hFrontPorch = hFrontPorch;
    timing.hSyncWidth = hSync;
    timing.hImageSize = hImageSize;
    timing.hBorder = hBorder;
    timing.hBackPorch = hBackPorch;
    timing.vActive = vActive;
    timing.vFrontPorch = vFrontPorch;
    timing.vSyncWidth = vSync;
    timing.vImageSize = vImageSize;
    timing.vBorder = vBorder;
    timing.vBackPorch = vBackPorch;
    timing.interlaced = interlaced;
    timing.stereo = stereo;
    timing.syncType = syncType;
    timing.hSyncFlag = hSyncFlag;
    timing.vSyncFlag = vSyncFlag;

    if (isCEA) {
        emit valueChanged();
        return;
    }
    if (working == nullptr)
        return;     // never loaded: there is no image to write
    EDIDUpdateDetailedTiming(working, index, timing);
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->updateByteArray(reference, working, 54, 125);
    viewer->setMonitorDescStringInfo(getStringInfo(), index);
}

QByteArray DetailedTimings::getEdidData()
{
    unsigned char d[18];
    d[0] = static_cast<unsigned char>(pixelClock & 0xFF);
    d[1] = static_cast<unsigned char>((pixelClock >> 8) & 0xFF);
    d[2] = static_cast<unsigned char>(hActive & 0xFF);
    d[3] = static_cast<unsigned char>(hBlank & 0xFF);
    d[4] = static_cast<unsigned char>(((hActive >> 4) & 0xF0) | ((hBlank >> 8) & 0x0F));
    d[5] = static_cast<unsigned char>(vActive & 0xFF);
    d[6] = static_cast<unsigned char>(vBlank & 0xFF);
    d[7] = static_cast<unsigned char>(((vActive >> 4) & 0xF0) | ((vBlank >> 8) & 0x0F));
    d[8] = static_cast<unsigned char>(hFrontPorch & 0xFF);
    d[9] = static_cast<unsigned char>(hSync & 0xFF);
    d[10] = static_cast<unsigned char>(((vFrontPorch & 0x0F) << 4) | (vSync & 0x0F));
    d[11] = static_cast<unsigned char>(((hFrontPorch >> 2) & 0xC0) | ((hSync >> 4) & 0x30)
                                       | ((vFrontPorch >> 2) & 0x0C) | ((vSync >> 4) & 0x03));
    d[12] = static_cast<unsigned char>(hImageSize & 0xFF);
    d[13] = static_cast<unsigned char>(vImageSize & 0xFF);
    d[14] = static_cast<unsigned char>(((hImageSize >> 4) & 0xF0) | ((vImageSize >> 8) & 0x0F));
    d[15] = static_cast<unsigned char>(hBorder & 0xFF);
    d[16] = static_cast<unsigned char>(vBorder & 0xFF);
    d[17] = static_cast<unsigned char>((interlaced ? 0x80 : 0) | (((stereo >> 1) & 0x03) << 5)
                                       | ((syncType & 0x03) << 3) | (vSyncFlag ? 0x04 : 0)
                                       | (hSyncFlag ? 0x02 : 0) | (stereo & 0x01));
    return QByteArray(reinterpret_cast<const char *>(d), 18);
}

QString DetailedTimings::isCheckedToString(QCheckBox *box)
{
    return box->isChecked() ? "YES" : "no";
}

StringInfo DetailedTimings::getStringInfo()
{
    StringInfo rows;
    rows << qMakePair(QString("Pixel Clock"), form->pixelClockField->text())
         << qMakePair(QString("H. Active Pixels"), form->hActiveField->text())
         << qMakePair(QString("H. Blanking Pixels"), form->hBlankField->text())
         << qMakePair(QString("V. Active Lines"), form->vActiveField->text())
         << qMakePair(QString("V. Blanking Lines"), form->vBlankField->text())
         << qMakePair(QString("H. Sync Width"), form->hSyncField->text())
         << qMakePair(QString("H. Front Porch"), form->hFrontField->text())
         << qMakePair(QString("V. Sync Width"), form->vSyncField->text())
         << qMakePair(QString("V. Front Porch"), form->vFrontField->text())
         << qMakePair(QString("H. Image Size"), form->hImSizeField->text())
         << qMakePair(QString("V. Image Size"), form->vImSizeField->text())
         << qMakePair(QString("H. Border"), form->hBorderField->text())
         << qMakePair(QString("V. Border"), form->vBorderField->text())
         << qMakePair(QString("Interlaced"), isCheckedToString(form->interlacedCheckBox))
         << qMakePair(QString("Stereo Mode"), QString(kStereoDescriptions[stereo & 7]))
         << qMakePair(QString("Sync Signal Configuration"),
                      QString(kSyncTypes[syncType & 3].description))
         << qMakePair(QString("Vertical Polarity"), isCheckedToString(form->syncSignalCB1))
         << qMakePair(QString("Horizontal Polarity"), isCheckedToString(form->syncSignalCB2));
    return rows;
}

// ---------------------------------------------------------------------------
// CVT calculator

void DetailedTimings::on_CVTButton_clicked()
{
    bool ok = false;
    int h = form->hActiveField->text().toInt(&ok, 10);
    if (!ok)
        h = 0;
    int v = form->vActiveField->text().toInt(&ok, 10);
    if (!ok)
        v = 0;
    float rate = form->vClockField->text().toFloat(&ok);
    if (!ok)
        rate = 0.0f;
    if (h == 0 && v == 0 && rate == 0.0f) {
        h = 1920;
        v = 1080;
        rate = 60.0f;
    }

    CvtWizard *wizard = new CvtWizard(h, v, rate, this);
    connect(wizard, &CvtWizard::formatCalculated, this, &DetailedTimings::loadCVTFormat);
    wizard->exec();
    delete wizard;
}

QString DetailedTimings::formatRangeError(const FormatDefinition &format)
{
    if (format.pixelClock < kMinPixelClock || format.pixelClock > kMaxPixelClock) {
        return QString("%1 (calculated: %2 MHz)")
            .arg(kPixelClockMessage)
            .arg(static_cast<double>(format.pixelClock) / 100.0, 0, 'f', 2);
    }
    const qint64 values[IntegerRowCount] = {
        format.hActive, format.vActive, format.hBlank, format.vBlank,
        format.hFrontPorch, format.vFrontPorch, format.hSync, format.vSync,
        imageSizeFor(format.hActive), imageSizeFor(format.vActive), format.hBorder, format.vBorder,
    };
    for (int row = 0; row < IntegerRowCount; ++row) {
        const IntegerFieldInfo &info = kIntegerFields[row];
        if (values[row] < info.min || values[row] > info.max) {
            return QString("%1 must be in range of %2 to %3 (calculated: %4)")
                .arg(info.name).arg(info.min).arg(info.max).arg(values[row]);
        }
    }
    if (static_cast<qint64>(format.hFrontPorch) + format.hSync > format.hBlank)
        return "Horizontal Front Porch and Sync Pulse must fit in the Horizontal Blanking";
    if (static_cast<qint64>(format.vFrontPorch) + format.vSync > format.vBlank)
        return "Vertical Front Porch and Sync Pulse must fit in the Vertical Blanking";
    return QString();
}

void DetailedTimings::loadCVTFormat(FormatDefinition format)
{
    // A record without its own clock takes the totals times the rate,
    // rounded down to a multiple of 0.25 MHz.
    if (format.pixelClock == 0) {
        const double hz = static_cast<double>(static_cast<qint64>(format.hTotal) * format.vTotal)
                          * static_cast<double>(format.rate);
        const double quarters = std::floor(hz / 250000.0);
        if (quarters > 0.0 && quarters < 1.0e9)
            format.pixelClock = static_cast<quint64>(quarters) * 25;
    }

    // A timing that would not fit the fields is refused as a whole, before
    // any text is set, so that no value is silently cut.
    const QString error = formatRangeError(format);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, kFormatErrorTitle, error, QMessageBox::Ok);
        return;
    }

    form->pixelClockField->setText(
        QString::number(static_cast<double>(format.pixelClock) / 100.0, 'g', 6));

    interlaced = format.interlaced;
    form->interlacedCheckBox->setChecked(format.interlaced);

    form->hActiveField->setText(QString::number(format.hActive));
    form->hBlankField->setText(QString::number(format.hBlank));
    form->hBorderField->setText(QString::number(format.hBorder));
    form->hFrontField->setText(QString::number(format.hFrontPorch));
    form->hSyncField->setText(QString::number(format.hSync));
    form->vActiveField->setText(QString::number(format.vActive));
    form->vBlankField->setText(QString::number(format.vBlank));
    form->vBorderField->setText(QString::number(format.vBorder));
    form->vFrontField->setText(QString::number(format.vFrontPorch));
    form->vSyncField->setText(QString::number(format.vSync));
    form->hImSizeField->setText(QString::number(imageSizeFor(format.hActive)));
    form->vImSizeField->setText(QString::number(imageSizeFor(format.vActive)));

    // CVT timings use separate digital sync with the polarities of their
    // blanking type.
    hSyncFlag = format.hSyncPositive;
    vSyncFlag = format.vSyncPositive;
    checkUncheck(hSyncFlag, form->syncSignalCB2);
    checkUncheck(vSyncFlag, form->syncSignalCB1);

    on_pixelClockField_editingFinished();
    on_analogRB_clicked();
    on_bipolAnalogRB_clicked();
    on_digitalCompositeRB_clicked();
    on_digitalSepRB_clicked();
    form->digitalSepRB->setChecked(true);
    on_pixelClockField_editingFinished();
    on_hActiveField_editingFinished();
    on_vActiveField_editingFinished();
    on_hBlankField_editingFinished();
    on_vBlankField_editingFinished();
    on_hFrontField_editingFinished();
    on_vFrontField_editingFinished();
    on_hSyncField_editingFinished();
    on_vSyncField_editingFinished();
    on_hImSizeField_editingFinished();
    on_vImSizeField_editingFinished();
    on_hBorderField_editingFinished();
    on_vBorderField_editingFinished();
}
