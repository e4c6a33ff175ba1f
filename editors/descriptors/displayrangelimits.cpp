#include "displayrangelimits.h"
#include "choice.h"
#include "ui_displayrangelimits.h"

#include <QBrush>
#include <QSignalBlocker>

#include "descriptorentry.h"
#include "ediddecode.h"
#include "edidwriter.h"
#include "validator.h"

namespace {

// Video timing support kinds: the index in videoTimingMulti and timingSupport.
enum TimingSupport { DefaultGTF = 0, SecondaryGTF = 1, RangeLimitsOnly = 2, CVTSupport = 3 };

const char *const kRevision4Kinds[] = {"Range Limits Only (1.4)", "CVT Support (1.4)"};

// Preferred aspect ratio (_FORMAT_ASP_RATIO) and its description text.
QString aspectText(int aspect)
{
    switch (aspect) {
    case FORMAT_ASP_RATIO_4_3: return QStringLiteral("4:3");
    case FORMAT_ASP_RATIO_15_9: return QStringLiteral("15:9");
    case FORMAT_ASP_RATIO_16_9: return QStringLiteral("16:9");
    case FORMAT_ASP_RATIO_5_4: return QStringLiteral("5:4");
    default: return QStringLiteral("16:10");
    }
}

void setButton(QAbstractButton *button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

} // namespace

DisplayRangeLimits::DisplayRangeLimits(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayRangeLimits),
      digitValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    ui->gtfSecLabel->hide();
    ui->gtfGB->hide();
    ui->cvtSupportLabel->hide();
    ui->cvtSupportGB->hide();
    for (QLineEdit *field : {ui->minVRateField, ui->maxVRateField, ui->minHRateField,
                             ui->maxHRateField, ui->maxPixClockField, ui->pixClockPrecField,
                             ui->maxActivePixField, ui->prefVRateField, ui->startFreqField,
                             ui->cx2Field, ui->mField, ui->kField, ui->jx2Field})
        field->setValidator(digitValidator);
}

DisplayRangeLimits::~DisplayRangeLimits()
{
    delete ui;
    delete digitValidator;
}

// ---------------------------------------------------------------------------
// Load, reset, write

void DisplayRangeLimits::initFields(_EDID_MONITOR_DESC d, unsigned char *ref,
                                    unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    desc = d;

    const _EDID_RANGE_LIMITS &loaded = d.rangeLimits;
    limits.minVRate = loaded.minVRate;
    limits.maxVRate = loaded.maxVRate;
    limits.minHRate = loaded.minHRate;
    limits.maxHRate = loaded.maxHRate;
    limits.maxPixelClock = loaded.maxPixelClock;
    displayData(ui->minVRateField, limits.minVRate);
    displayData(ui->maxVRateField, limits.maxVRate);
    displayData(ui->minHRateField, limits.minHRate);
    displayData(ui->maxHRateField, limits.maxHRate);
    displayData(ui->maxPixClockField, limits.maxPixelClock);

    const int kind = loaded.timingSupport >= DefaultGTF && loaded.timingSupport <= CVTSupport
                         ? loaded.timingSupport : DefaultGTF;
    if (kind >= RangeLimitsOnly)
        addRevision4Kinds();
    if (kind == CVTSupport)
        initCVTFields();
    else if (kind == SecondaryGTF)
        initSecGTFFields();
    setKind(kind);

    DescriptorEntry::describe(index, getStringInfo());
}

void DisplayRangeLimits::initCVTFields()
{
    limits.cvt = desc.rangeLimits.cvt;
    const _EDID_CVT_SUPPORT_INFO &cvt = limits.cvt;
    {
        const QSignalBlocker b1(ui->versionField);
        const QSignalBlocker b2(ui->revisionSB);
        ui->versionField->setValue(cvt.version);
        ui->revisionSB->setValue(cvt.revision);
    }
    displayData(ui->pixClockPrecField, cvt.pixelClockPrecision);
    displayData(ui->maxActivePixField, cvt.maxActivePixels);
    displayData(ui->prefVRateField, cvt.preferredRefresh);
    setButton(ui->supp43ARCB, cvt.supports4x3);
    setButton(ui->supp169ARCB, cvt.supports16x9);
    setButton(ui->supp1610ARCB, cvt.supports16x10);
    setButton(ui->supp54ARCB, cvt.supports5x4);
    setButton(ui->supp159ARCB, cvt.supports15x9);
    switch (cvt.preferredAspect) {
    case FORMAT_ASP_RATIO_5_4: setButton(ui->pref54ARRB, true); break;
    case FORMAT_ASP_RATIO_16_10: setButton(ui->pref1610ARRB, true); break;
    case FORMAT_ASP_RATIO_15_9: setButton(ui->pref159ARRB, true); break;
    case FORMAT_ASP_RATIO_16_9: setButton(ui->pref169ARRB, true); break;
    default:
        limits.cvt.preferredAspect = FORMAT_ASP_RATIO_4_3;
        setButton(ui->pref43ARRB, true);
        break;
    }
    setButton(ui->standBlankingCB, cvt.standardBlanking);
    setButton(ui->redBlankingCB, cvt.reducedBlanking);
    setButton(ui->hShrinkCB, cvt.hShrink);
    setButton(ui->vShrinkCB, cvt.vShrink);
    setButton(ui->hStretchCB, cvt.hStretch);
    setButton(ui->vStretchCB, cvt.vStretch);
}

void DisplayRangeLimits::initSecGTFFields()
{
    gtf = desc.rangeLimits.gtf;
    // Byte 12 counts the start break frequency in units of 2 kHz.
    gtf.startFrequency = Word(gtf.startFrequency * 2);
    displayData(ui->startFreqField, gtf.startFrequency);
    displayData(ui->cx2Field, gtf.c);
    displayData(ui->mField, gtf.m);
    displayData(ui->kField, gtf.k);
    displayData(ui->jx2Field, gtf.j);
}

void DisplayRangeLimits::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    for (QLineEdit *field : {ui->minVRateField, ui->maxVRateField, ui->minHRateField,
                             ui->maxHRateField, ui->maxPixClockField})
        displayData(field, 0);
    limits.minVRate = limits.maxVRate = limits.minHRate = limits.maxHRate = 0;
    limits.maxPixelClock = 0;
    setKind(DefaultGTF);
    resetCVTFields();
    resetGTFFields();
}

void DisplayRangeLimits::resetCVTFields()
{
    displayData(ui->pixClockPrecField, 0);
    displayData(ui->maxActivePixField, 0);
    {
        const QSignalBlocker b1(ui->versionField);
        const QSignalBlocker b2(ui->revisionSB);
        ui->versionField->setValue(1);
        ui->revisionSB->setValue(0);
    }
    displayData(ui->prefVRateField, 1);
    setButton(ui->pref43ARRB, true);
    for (QCheckBox *box : {ui->supp43ARCB, ui->supp169ARCB, ui->supp1610ARCB, ui->supp54ARCB,
                           ui->supp159ARCB, ui->standBlankingCB, ui->redBlankingCB, ui->hShrinkCB,
                           ui->vShrinkCB, ui->hStretchCB, ui->vStretchCB})
        setButton(box, false);
    limits.cvt = _EDID_CVT_SUPPORT_INFO{};
    limits.cvt.version = 1;
    limits.cvt.revision = 0;
    limits.cvt.preferredAspect = FORMAT_ASP_RATIO_4_3;
    limits.cvt.preferredRefresh = 1;
}

void DisplayRangeLimits::resetGTFFields()
{
    for (QLineEdit *field : {ui->startFreqField, ui->cx2Field, ui->mField, ui->kField, ui->jx2Field})
        displayData(field, 0);
    gtf = _EDID_GTF_SECONDARY_CURVE{};
}

void DisplayRangeLimits::updateRangeLimits()
{
    if (!working)
        return;
    desc.type = EDID_DESC_RANGE_LIMITS;
    desc.kind = EDID_DESC_RANGE_LIMITS;
    _EDID_RANGE_LIMITS &out = desc.rangeLimits;
    out.minVRate = limits.minVRate;
    out.maxVRate = limits.maxVRate;
    out.minHRate = limits.minHRate;
    out.maxHRate = limits.maxHRate;
    out.maxPixelClock = limits.maxPixelClock;
    out.timingSupport = limits.timingSupport;
    if (limits.timingSupport == SecondaryGTF) {
        out.gtf = gtf;
        out.gtf.startFrequency = Word(gtf.startFrequency / 2);
    } else if (limits.timingSupport == CVTSupport) {
        out.cvt = limits.cvt;
    }
    EDIDUpdateRangeLimits(working, index, desc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

// ---------------------------------------------------------------------------
// Revision

void DisplayRangeLimits::addRevision4Kinds()
{
    if (ui->videoTimingMulti->count() >= 3)
        return;
    for (const char *text : kRevision4Kinds)
        ui->videoTimingMulti->addItem(QString::fromLatin1(text));
    for (int i = RangeLimitsOnly; i <= CVTSupport; ++i)
        ui->videoTimingMulti->setItemData(i, QBrush(Qt::white), Qt::ForegroundRole);
}

void DisplayRangeLimits::adaptToEDIDVersion(int revision)
{
    edidRevision = revision;
    if (revision == 3) {
        ui->videoTimingMulti->removeItem(CVTSupport);
        ui->videoTimingMulti->removeItem(RangeLimitsOnly);
        if (limits.timingSupport == RangeLimitsOnly || limits.timingSupport == CVTSupport) {
            setKind(DefaultGTF);
            resetCVTFields();
        }
        // Without the offsets of byte 4 a rate byte holds at most 255.
        struct Rate { Word *value; QLineEdit *field; };
        for (const Rate &rate : {Rate{&limits.minVRate, ui->minVRateField},
                                 Rate{&limits.maxVRate, ui->maxVRateField},
                                 Rate{&limits.minHRate, ui->minHRateField},
                                 Rate{&limits.maxHRate, ui->maxHRateField}}) {
            if (*rate.value > 255) {
                *rate.value = 255;
                displayData(rate.field, 255);
            }
        }
        return;
    }
    if (ui->videoTimingMulti->count() < 3) {
        addRevision4Kinds();
        ui->videoTimingMulti->setCurrentIndex(limits.timingSupport);
    }
}

int DisplayRangeLimits::maxRate() const
{
    // The writer uses the offsets of byte 4 only when the core's revision is 4.
    return edidRevision != 3 && EDIDCurrentRevision == 4 ? 510 : 255;
}

// ---------------------------------------------------------------------------
// Helpers

void DisplayRangeLimits::setKind(int kind)
{
    limits.timingSupport = kind;
    ui->videoTimingMulti->setCurrentIndex(kind);
    ui->gtfSecLabel->setVisible(kind == SecondaryGTF);
    ui->gtfGB->setVisible(kind == SecondaryGTF);
    ui->cvtSupportLabel->setVisible(kind == CVTSupport);
    ui->cvtSupportGB->setVisible(kind == CVTSupport);
}

quint16 DisplayRangeLimits::detectFormatError(std::string name, QLineEdit *field, int min, int max,
                                              std::string unit, int step)
{
    const QString u = QString::fromStdString(unit);
    QString text = QString::fromStdString(name) + QStringLiteral(" must be in range of ")
                   + QString::number(min) + QStringLiteral(" to ") + QString::number(max);
    if (!u.isEmpty())
        text += QLatin1Char(' ') + u;
    if (step > 1) {
        text += QStringLiteral(" in increments of ") + QString::number(step);
        if (!u.isEmpty())
            text += QLatin1Char(' ') + u;
    }
    return quint16(DescriptorEntry::checkInt(this, field, min, max, step,
                                             QStringLiteral("Format error"), text, min));
}

quint16 DisplayRangeLimits::checkRate(const char *name, QLineEdit *field, const char *unit,
                                      bool minimum, Word other)
{
    // Byte 4 has an offset for the maximum alone or for both rates of a pair,
    // none for the minimum alone: a minimum above 255 needs a maximum above 255.
    int low = 0;
    int high = maxRate();
    if (high > 255 && minimum && other <= 255)
        high = 255;
    else if (high > 255 && !minimum && other > 255)
        low = 256;
    return detectFormatError(name, field, low, high, unit, 1);
}

void DisplayRangeLimits::displayData(QLineEdit *field, int value)
{
    field->setText(QString::number(value));
}

QString DisplayRangeLimits::isCheckedToString(QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("YES") : QStringLiteral("no");
}

StringInfo DisplayRangeLimits::getStringInfo()
{
    StringInfo rows;
    auto add = [&rows](const QString &label, const QString &value) {
        rows.append(qMakePair(label, value));
    };
    add(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Range Limits"));
    add(QStringLiteral("Minimum Vertical Rate (Hz)"), ui->minVRateField->text());
    add(QStringLiteral("Maximum Vertical Rate (Hz)"), ui->maxVRateField->text());
    add(QStringLiteral("Minimum Horizontal Rate (kHz)"), ui->minHRateField->text());
    add(QStringLiteral("Maximum Horizontal Rate (kHz)"), ui->maxHRateField->text());
    add(QStringLiteral("Maximum Pixel Clock (MHz)"), ui->maxPixClockField->text());
    switch (limits.timingSupport) {
    case SecondaryGTF:
        add(QStringLiteral("Video Timing Support"), QStringLiteral("Secondary GTF"));
        break;
    case CVTSupport:
        add(QStringLiteral("Video Timing Support"), QStringLiteral("CVT Support"));
        add(QStringLiteral("Pixel Clock Precision"), ui->pixClockPrecField->text());
        add(QStringLiteral("Max Active Pixels"), ui->maxActivePixField->text());
        add(QStringLiteral("Version"), ui->versionField->text() + QLatin1Char('.') + ui->revisionSB->text());
        add(QStringLiteral("Preferred Aspect Ratio"), aspectText(limits.cvt.preferredAspect));
        add(QStringLiteral("Aspect Ratio 4:3 Supported"), isCheckedToString(ui->supp43ARCB));
        add(QStringLiteral("Aspect Ratio 16:9 Supported"), isCheckedToString(ui->supp169ARCB));
        add(QStringLiteral("Aspect Ratio 16:10 Supported"), isCheckedToString(ui->supp1610ARCB));
        add(QStringLiteral("Aspect Ratio 5:4 Supported"), isCheckedToString(ui->supp54ARCB));
        add(QStringLiteral("Aspect Ratio 15:9 Supported"), isCheckedToString(ui->supp159ARCB));
        add(QStringLiteral("Standard Blanking"), isCheckedToString(ui->standBlankingCB));
        add(QStringLiteral("Reduced Blanking"), isCheckedToString(ui->redBlankingCB));
        add(QStringLiteral("Horizontal Shrink"), isCheckedToString(ui->hShrinkCB));
        add(QStringLiteral("Horizontal Stretch"), isCheckedToString(ui->hStretchCB));
        add(QStringLiteral("Vertical Shrink"), isCheckedToString(ui->vShrinkCB));
        add(QStringLiteral("Vertical Stretch"), isCheckedToString(ui->vStretchCB));
        add(QStringLiteral("Preferred Vertical Refresh Rate"), ui->prefVRateField->text());
        break;
    default:
        add(QStringLiteral("Video Timing Support"), QStringLiteral("none"));
        break;
    }
    return rows;
}

// ---------------------------------------------------------------------------
// User edits: store, then write

void DisplayRangeLimits::on_minVRateField_editingFinished()
{
    if (!takeTyping(ui->minVRateField))
        return;
    limits.minVRate = checkRate("Minimum Vertical Rate", ui->minVRateField, "Hz", true, limits.maxVRate);
    updateRangeLimits();
}

void DisplayRangeLimits::on_maxVRateField_editingFinished()
{
    if (!takeTyping(ui->maxVRateField))
        return;
    limits.maxVRate = checkRate("Maximum Vertical Rate", ui->maxVRateField, "Hz", false, limits.minVRate);
    updateRangeLimits();
}

void DisplayRangeLimits::on_minHRateField_editingFinished()
{
    if (!takeTyping(ui->minHRateField))
        return;
    limits.minHRate = checkRate("Minimum Horizontal Rate", ui->minHRateField, "kHz", true, limits.maxHRate);
    updateRangeLimits();
}

void DisplayRangeLimits::on_maxHRateField_editingFinished()
{
    if (!takeTyping(ui->maxHRateField))
        return;
    limits.maxHRate = checkRate("Maximum Horizontal Rate", ui->maxHRateField, "kHz", false, limits.minHRate);
    updateRangeLimits();
}

void DisplayRangeLimits::on_maxPixClockField_editingFinished()
{
    if (!takeTyping(ui->maxPixClockField))
        return;
    limits.maxPixelClock = detectFormatError("Maximum Pixel Clock", ui->maxPixClockField, 0, 2550, "MHz", 10);
    updateRangeLimits();
}

void DisplayRangeLimits::on_startFreqField_editingFinished()
{
    if (!takeTyping(ui->startFreqField))
        return;
    // Stored as kHz / 2 in byte 12, so 0 to 510 kHz in steps of 2 kHz.
    gtf.startFrequency = detectFormatError("Start Break Frequency", ui->startFreqField, 0, 510, "kHz", 2);
    updateRangeLimits();
}

void DisplayRangeLimits::on_cx2Field_editingFinished()
{
    if (!takeTyping(ui->cx2Field))
        return;
    gtf.c = detectFormatError("Cx2", ui->cx2Field, 0, 255, "", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_mField_editingFinished()
{
    if (!takeTyping(ui->mField))
        return;
    gtf.m = detectFormatError("M", ui->mField, 0, 65535, "kHz", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_kField_editingFinished()
{
    if (!takeTyping(ui->kField))
        return;
    gtf.k = detectFormatError("K", ui->kField, 0, 255, "", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_jx2Field_editingFinished()
{
    if (!takeTyping(ui->jx2Field))
        return;
    gtf.j = detectFormatError("Jx2", ui->jx2Field, 0, 255, "", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_pixClockPrecField_editingFinished()
{
    if (!takeTyping(ui->pixClockPrecField))
        return;
    limits.cvt.pixelClockPrecision = detectFormatError("Pixel Clock Precision", ui->pixClockPrecField, 0, 63, "", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_maxActivePixField_editingFinished()
{
    if (!takeTyping(ui->maxActivePixField))
        return;
    limits.cvt.maxActivePixels = detectFormatError("Maximum Active Pixels", ui->maxActivePixField, 0, 8184, "", 8);
    updateRangeLimits();
}

void DisplayRangeLimits::on_prefVRateField_editingFinished()
{
    if (!takeTyping(ui->prefVRateField))
        return;
    limits.cvt.preferredRefresh = detectFormatError("Preferred Vertical Refresh Rate", ui->prefVRateField, 1, 255, "", 1);
    updateRangeLimits();
}

void DisplayRangeLimits::on_videoTimingMulti_activated(int choice)
{
    if (choice == int(limits.timingSupport))
        return;
    switch (choice) {
    case SecondaryGTF:
    case RangeLimitsOnly:
    case CVTSupport:
        setKind(choice);
        break;
    default:
        setKind(DefaultGTF);
        break;
    }
    updateRangeLimits();
}

void DisplayRangeLimits::on_pref43ARRB_clicked()
{
    if (takeChoice(limits.cvt.preferredAspect, FORMAT_ASP_RATIO_4_3))
        updateRangeLimits();
}

void DisplayRangeLimits::on_pref169ARRB_clicked()
{
    if (takeChoice(limits.cvt.preferredAspect, FORMAT_ASP_RATIO_16_9))
        updateRangeLimits();
}

void DisplayRangeLimits::on_pref1610ARRB_clicked()
{
    if (takeChoice(limits.cvt.preferredAspect, FORMAT_ASP_RATIO_16_10))
        updateRangeLimits();
}

void DisplayRangeLimits::on_pref54ARRB_clicked()
{
    if (takeChoice(limits.cvt.preferredAspect, FORMAT_ASP_RATIO_5_4))
        updateRangeLimits();
}

void DisplayRangeLimits::on_pref159ARRB_clicked()
{
    if (takeChoice(limits.cvt.preferredAspect, FORMAT_ASP_RATIO_15_9))
        updateRangeLimits();
}

void DisplayRangeLimits::on_standBlankingCB_clicked(bool checked)
{
    limits.cvt.standardBlanking = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_redBlankingCB_clicked(bool checked)
{
    limits.cvt.reducedBlanking = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_hShrinkCB_clicked(bool checked)
{
    limits.cvt.hShrink = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_vShrinkCB_clicked(bool checked)
{
    limits.cvt.vShrink = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_hStretchCB_clicked(bool checked)
{
    limits.cvt.hStretch = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_vStretchCB_clicked(bool checked)
{
    limits.cvt.vStretch = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_supp43ARCB_clicked(bool checked)
{
    limits.cvt.supports4x3 = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_supp169ARCB_clicked(bool checked)
{
    limits.cvt.supports16x9 = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_supp1610ARCB_clicked(bool checked)
{
    limits.cvt.supports16x10 = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_supp54ARCB_clicked(bool checked)
{
    limits.cvt.supports5x4 = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_supp159ARCB_clicked(bool checked)
{
    limits.cvt.supports15x9 = checked;
    updateRangeLimits();
}

void DisplayRangeLimits::on_revisionSB_editingFinished()
{
    if (takeChoice(limits.cvt.revision, ui->revisionSB->value()))
        updateRangeLimits();
}

void DisplayRangeLimits::on_versionField_editingFinished()
{
    if (takeChoice(limits.cvt.version, ui->versionField->value()))
        updateRangeLimits();
}
