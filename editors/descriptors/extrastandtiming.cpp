#include "extrastandtiming.h"
#include "choice.h"
#include "ui_extrastandtiming.h"

#include "descriptorentry.h"
#include "edidwriter.h"
#include "standardtimingitem.h"
#include "validator.h"

ExtraStandTiming::ExtraStandTiming(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::ExtraStandTiming),
      digitValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    ui->hActiveField->setValidator(digitValidator);
    ui->refreshField->setValidator(digitValidator);
}

ExtraStandTiming::~ExtraStandTiming()
{
    delete ui;
    delete digitValidator;
}

void ExtraStandTiming::setUnused()
{
    current.enabled = 0;
    current.hActive = 256;
    current.refresh = 60;
    current.aspect = FORMAT_ASP_RATIO_16_10;
    ui->hActiveField->setText(QStringLiteral("256"));
    ui->refreshField->setText(QStringLiteral("60"));
    ui->aspectRatioMulti->setCurrentIndex(0);
    setChecked(false);
}

void ExtraStandTiming::initFields(_EDID_MONITOR_DESC d, unsigned char *ref, unsigned char *work,
                                  int slot, int itemNumber)
{
    desc = d;
    reference = ref;
    working = work;
    index = slot;
    item = itemNumber;
    const _EDID_STANDARD_TIMINGS_ITEM &loaded = d.standardTimings[item];
    if (!loaded.enabled) {
        setUnused();
        return;
    }
    current = loaded;
    current.enabled = 1;
    setChecked(true);
    ui->hActiveField->setText(QString::number(current.hActive));
    ui->refreshField->setText(QString::number(current.refresh));
    ui->aspectRatioMulti->setCurrentIndex(StandardTimingItem::comboIndexForAspect(current.aspect));
    DescriptorEntry::describe(index, getStringInfo());
}

void ExtraStandTiming::resetFields(unsigned char *ref, unsigned char *work, int slot, int itemNumber)
{
    reference = ref;
    working = work;
    index = slot;
    item = itemNumber;
    setUnused();
}

void ExtraStandTiming::updateStandTiming()
{
    if (!working)
        return;
    desc.type = EDID_DESC_STANDARD_TIMINGS;
    desc.kind = EDID_DESC_STANDARD_TIMINGS;
    desc.standardTimings[item] = current;
    EDIDUpdateExtraStandardTimingItem(working, index, item, desc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

StringInfo ExtraStandTiming::getStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Standard Timings")));
    return rows;
}

void ExtraStandTiming::on_hActiveField_editingFinished()
{
    current.hActive = Word(DescriptorEntry::checkInt(
        this, ui->hActiveField, 256, 2288, 8, QStringLiteral("Format Error"),
        QStringLiteral("Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels"),
        256));
    updateStandTiming();
}

void ExtraStandTiming::on_refreshField_editingFinished()
{
    current.refresh = Word(DescriptorEntry::checkInt(
        this, ui->refreshField, 60, 123, 1, QStringLiteral("Format Error"),
        QStringLiteral("Refresh Rate must be in range of 60 to 123 Hz"), 60));
    updateStandTiming();
}

void ExtraStandTiming::on_aspectRatioMulti_activated(int choice)
{
    if (takeChoice(current.aspect, StandardTimingItem::aspectForComboIndex(choice)))
        updateStandTiming();
}

void ExtraStandTiming::on_ExtraStandTiming_clicked(bool checked)
{
    if (checked)
        current.enabled = 1;
    else
        setUnused();
    updateStandTiming();
}
