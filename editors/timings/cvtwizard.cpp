#include "cvtwizard.h"
#include "ui_cvtwizard.h"

#include <QMessageBox>
#include <algorithm>
#include <cmath>

#include "detailedtimings.h"

namespace {

const char *const kFormatErrorTitle = "Format Error";

// Aspect ratios that CVT signals through the vertical sync width, as exact
// fractions, and the width of each (entries 5 to 7: no standard ratio, never
// matched; 5 is the fixed width of reduced blanking version 2).
struct CvtRatio
{
    qint64 num;
    qint64 den;
};
const CvtRatio CvtAspectRatioTable[8] = {{4, 3}, {16, 9}, {8, 5}, {5, 4}, {5, 3},
                                         {0, 1}, {0, 1}, {0, 1}};
const int CvtVSyncWidthTable[8] = {4, 5, 6, 7, 7, 8, 9, 10};
const int kStandardRatioCount = 5;
const int kAspectOther = 7;
const int kAspectReducedV2 = 5;

// CVT 1.2 constants (times in microseconds).
const double kMinVSyncBackPorch = 550.0;    // normal blanking: V sync + back porch
const double kMinVFrontPorch = 3.0;         // normal blanking and reduced v1
const int kMinVBackPorch = 6;
const double kRbMinVBlank = 460.0;          // reduced blanking: whole V blanking
const int kRbV2MinVFrontPorch = 1;
const double kCPrime = 30.0;                // duty cycle: C' - M' x period / 1000
const double kMPrime = 300.0;
const double kMinDutyCycle = 20.0;
const int kCellGranularity = 8;

// Entry limits of the calculator.
const qint64 kMinHActive = 8;
const qint64 kMaxActive = 4095;
const double kMaxRate = 1000.0;

// The standard ratio nearest to hActive / vActive when it is at most 0.1
// away (the earlier entry on a tie), else "other". Distances are compared
// exactly: |h x den - num x v| / (den x v), so ties and the 0.1 limit do not
// depend on rounding.
int aspectIndex(qint64 hActive, qint64 vActive)
{
    int bestIndex = kAspectOther;
    qint64 bestOffset = 0;
    qint64 bestDen = 1;
    for (int i = 0; i < kStandardRatioCount; ++i) {
        const CvtRatio &ratio = CvtAspectRatioTable[i];
        qint64 offset = hActive * ratio.den - ratio.num * vActive;
        if (offset < 0)
            offset = -offset;
        if (offset * 10 > ratio.den * vActive)
            continue;   // more than 0.1 away
        if (bestIndex == kAspectOther || offset * bestDen < bestOffset * ratio.den) {
            bestIndex = i;
            bestOffset = offset;
            bestDen = ratio.den;
        }
    }
    return bestIndex;
}

} // namespace

CvtWizard::CvtWizard(QWidget *parent)
    : QDialog(parent), ui(new Ui::CvtWizard)
{
    ui->setupUi(this);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

CvtWizard::CvtWizard(int h, int v, float rate, QWidget *parent)
    : QDialog(parent), ui(new Ui::CvtWizard)
{
    ui->setupUi(this);
    ui->hActiveField->setText(QString::number(h));
    ui->vActiveField->setText(QString::number(v));
    ui->rateField->setText(QString::number(static_cast<double>(rate), 'f', 2));
    ui->RED_V_1->setChecked(true);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->reducedBlankingCheckbox, &QCheckBox::clicked, this, &CvtWizard::updateUI);
    updateUI();
}

CvtWizard::~CvtWizard()
{
    delete ui;
}

void CvtWizard::updateUI()
{
    const bool reduced = ui->reducedBlankingCheckbox->isChecked();
    ui->RED_V_1->setEnabled(reduced);
    ui->RED_V_2->setEnabled(reduced);
}

bool CvtWizard::computeCVT(qint64 h, qint64 v, double rate, bool reducedBlanking, bool version2,
                           FormatDefinition &format, QString &error)
{
    if (h < kMinHActive || h > kMaxActive) {
        error = QString("H util must be in range of %1 to %2 pixels").arg(kMinHActive).arg(kMaxActive);
        return false;
    }
    if (v < 1 || v > kMaxActive) {
        error = QString("V util must be in range of 1 to %1 lines").arg(kMaxActive);
        return false;
    }
    if (!std::isfinite(rate) || rate <= 0.0 || rate > kMaxRate) {
        error = QString("Rate must be greater than 0 and at most %1 Hz").arg(kMaxRate);
        return false;
    }

    const bool rbV2 = reducedBlanking && version2;

    // Reduced blanking version 2 has a one-pixel granularity, the others 8.
    const qint64 hActive = rbV2 ? h : h - h % kCellGranularity;
    const int aspect = rbV2 ? kAspectReducedV2 : aspectIndex(hActive, v);
    const qint64 vSync = CvtVSyncWidthTable[aspect];

    // Estimated line period, microseconds.
    const double hPeriod = reducedBlanking
        ? (1000000.0 / rate - kRbMinVBlank) / static_cast<double>(v)
        : (1000000.0 / rate - kMinVSyncBackPorch) / (static_cast<double>(v) + kMinVFrontPorch);
    if (!(hPeriod > 0.0)) {
        error = "Rate is too high for a CVT timing of this size";
        return false;
    }

    qint64 hBlank = 0;
    qint64 hSync = 0;
    if (reducedBlanking) {
        hBlank = version2 ? 80 : 160;
        hSync = 32;
    } else {
        double duty = kCPrime - kMPrime * hPeriod / 1000.0;
        if (duty < kMinDutyCycle)
            duty = kMinDutyCycle;
        const double cell = 2.0 * kCellGranularity;
        hBlank = static_cast<qint64>(
                     std::floor(static_cast<double>(hActive) * duty / (100.0 - duty) / cell))
                 * static_cast<qint64>(cell);
    }
    const qint64 hTotal = hActive + hBlank;
    if (!reducedBlanking)
        hSync = (hTotal * 8 / 100) / kCellGranularity * kCellGranularity;
    const qint64 hFrontPorch = hBlank - hSync - hBlank / 2;

    qint64 vBlank = 0;
    qint64 vFrontPorch = 0;
    if (reducedBlanking) {
        qint64 vbi = static_cast<qint64>(std::floor(kRbMinVBlank / hPeriod)) + 1;
        const qint64 minFront = version2 ? kRbV2MinVFrontPorch : static_cast<qint64>(kMinVFrontPorch);
        vbi = std::max(vbi, minFront + vSync + kMinVBackPorch);
        vBlank = vbi;
        vFrontPorch = version2 ? vbi - vSync - kMinVBackPorch : minFront;
    } else {
        qint64 syncBack = static_cast<qint64>(std::floor(kMinVSyncBackPorch / hPeriod)) + 1;
        syncBack = std::max(syncBack, vSync + kMinVBackPorch);
        vFrontPorch = static_cast<qint64>(kMinVFrontPorch);
        vBlank = syncBack + vFrontPorch;
    }
    const qint64 vTotal = v + vBlank;

    // Pixel clock in 10 kHz units.
    double clock = 0.0;
    if (!reducedBlanking) {
        // 0.25 MHz steps of total pixels / line period.
        clock = 25.0 * std::floor(static_cast<double>(hTotal) / hPeriod * 4.0);
    } else {
        const double hz = rate * static_cast<double>(vTotal) * static_cast<double>(hTotal);
        clock = version2 ? std::round(std::floor(hz / 1000.0) / 10.0)    // 0.001 MHz steps
                         : 25.0 * std::floor(hz / 250000.0);              // 0.25 MHz steps
    }
    if (!(clock >= 0.0 && clock < 1.0e12)) {
        error = "Rate is too high for a CVT timing of this size";
        return false;
    }

    format = FormatDefinition();
    format.rate = static_cast<float>(rate);
    format.interlaced = false;
    format.hActive = static_cast<int>(hActive);
    format.vActive = static_cast<int>(v);
    format.hBlank = static_cast<int>(hBlank);
    format.vBlank = static_cast<int>(vBlank);
    format.hFrontPorch = static_cast<int>(hFrontPorch);
    format.vFrontPorch = static_cast<int>(vFrontPorch);
    format.hSync = static_cast<int>(hSync);
    format.vSync = static_cast<int>(vSync);
    format.hTotal = static_cast<int>(hTotal);
    format.vTotal = static_cast<int>(vTotal);
    format.hBorder = 0;
    format.vBorder = 0;
    format.pixelClock = static_cast<quint64>(clock);
    // Normal blanking: H negative, V positive; reduced blanking: H positive, V negative.
    format.hSyncPositive = reducedBlanking;
    format.vSyncPositive = !reducedBlanking;

    const QString rangeError = DetailedTimings::formatRangeError(format);
    if (!rangeError.isEmpty()) {
        error = "This timing does not fit a detailed timing descriptor: " + rangeError;
        return false;
    }
    error.clear();
    return true;
}

void CvtWizard::on_checkButton_clicked()
{
    bool ok = false;
    const QString hText = ui->hActiveField->text().trimmed();
    const QString vText = ui->vActiveField->text().trimmed();
    qint64 h = hText.toLongLong(&ok, 10);
    if (!ok)
        h = -1;
    qint64 v = vText.toLongLong(&ok, 10);
    if (!ok)
        v = -1;
    double rate = ui->rateField->text().trimmed().toDouble(&ok);
    if (!ok)
        rate = 0.0;

    FormatDefinition format;
    QString error;
    if (!computeCVT(h, v, rate, ui->reducedBlankingCheckbox->isChecked(),
                    ui->RED_V_2->isChecked(), format, error)) {
        QMessageBox::warning(this, kFormatErrorTitle, error, QMessageBox::Ok);
        return;
    }
    emit formatCalculated(format);
    close();
}
