#include "standardtimingitem.h"
#include "choice.h"
#include "ui_standardtimingitem.h"

#include "edidwriter.h"
#include "fieldcheck.h"
#include "hexaviewer.h"
#include "validator.h"

namespace {

// Aspect-ratio combo box rows: text and code.
struct AspectRow
{
    const char *text;
    _FORMAT_ASP_RATIO aspect;
};

const AspectRow kAspectRows[4] = {
    {"16:10", FORMAT_ASP_RATIO_16_10},
    {"4:3", FORMAT_ASP_RATIO_4_3},
    {"5:4", FORMAT_ASP_RATIO_5_4},
    {"16:9", FORMAT_ASP_RATIO_16_9},
};

const Word kDefaultHActive = 256;
const Word kDefaultRefresh = 60;

} // namespace

StandardTimingItem::StandardTimingItem(QWidget *parent)
    : QGroupBox(parent),
      ui(new Ui::StandardTimingItem),
      reference(nullptr),
      working(nullptr),
      index(1),
      item(),
      written(),
      digitValidator(new Validator("[^0-9]"))
{
    ui->setupUi(this);
    digitValidator->setParent(this);
    ui->hActiveField->setValidator(digitValidator);
    ui->refreshField->setValidator(digitValidator);

    item.enabled = 0;
    item.hActive = kDefaultHActive;
    item.aspect = FORMAT_ASP_RATIO_16_10;
    item.refresh = kDefaultRefresh;

    ui->enableCB->setChecked(false);
    setContentEnabled(false);
}

StandardTimingItem::~StandardTimingItem()
{
    delete ui;
}

_FORMAT_ASP_RATIO StandardTimingItem::aspectForComboIndex(int index)
{
    if (index >= 1 && index <= 3)
        return kAspectRows[index].aspect;
    return FORMAT_ASP_RATIO_16_10;
}

int StandardTimingItem::comboIndexForAspect(_FORMAT_ASP_RATIO aspect)
{
    for (int i = 1; i < 4; ++i)
        if (kAspectRows[i].aspect == aspect)
            return i;
    return 0;
}

QString StandardTimingItem::aspectText(_FORMAT_ASP_RATIO aspect)
{
    switch (aspect) {
    case FORMAT_ASP_RATIO_5_4:
        return "5:4";
    case FORMAT_ASP_RATIO_16_9:
        return "16:9";
    case FORMAT_ASP_RATIO_16_10:
        return "16:10";
    default:
        return "4:3";
    }
}

void StandardTimingItem::setBoxTitle(std::string title)
{
    ui->enableCB->setText(QString::fromStdString(title));
}

void StandardTimingItem::setContentEnabled(bool enabled)
{
    ui->content->setEnabled(enabled);
    ui->hActiveLabel->setEnabled(enabled);
    ui->refreshLabel->setEnabled(enabled);
    ui->aspectRatioLabel->setEnabled(enabled);
    ui->hActiveField->setEnabled(enabled);
    ui->refreshField->setEnabled(enabled);
    ui->aspectRatioMulti->setEnabled(enabled);
}

// The defaults of an unused item: 256 pixels, 60 Hz, 16:10, box off.
void StandardTimingItem::showUnused()
{
    item.enabled = 0;
    item.hActive = kDefaultHActive;
    item.refresh = kDefaultRefresh;
    item.aspect = FORMAT_ASP_RATIO_16_10;
    ui->hActiveField->setText(QString::number(kDefaultHActive));
    ui->refreshField->setText(QString::number(kDefaultRefresh));
    ui->aspectRatioMulti->setCurrentIndex(0);
    ui->enableCB->setChecked(false);
    setContentEnabled(false);
}

void StandardTimingItem::initFields(_EDID_STANDARD_TIMINGS_ITEM item, unsigned char *reference,
                                    unsigned char *working, int index)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    this->item = item;

    if (!item.enabled) {
        showUnused();
        return;
    }
    ui->enableCB->setChecked(true);
    setContentEnabled(true);
    ui->hActiveField->setText(QString::number(item.hActive));
    ui->refreshField->setText(QString::number(item.refresh));
    ui->aspectRatioMulti->setCurrentIndex(comboIndexForAspect(item.aspect));
    HexaViewer::getInstance()->setStdTimingsStringInfo(getStringInfo(), index - 1);
}

void StandardTimingItem::resetFields(unsigned char *reference, unsigned char *working, int index)
{
    this->reference = reference;
    this->working = working;
    this->index = index;
    showUnused();
}

void StandardTimingItem::updateStandardTiming()
{
    written = item;
    if (working == nullptr)
        return;     // never loaded: there is no image to write
    EDIDUpdateStandardTimingItem(written, working, index);
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->updateByteArray(reference, working, 38, 54);
    viewer->setStdTimingsStringInfo(getStringInfo(), index - 1);
}

StringInfo StandardTimingItem::getStringInfo()
{
    StringInfo rows;
    rows << qMakePair(QString("H. Active Pixels"), ui->hActiveField->text())
         << qMakePair(QString("Refresh Rate"), ui->refreshField->text())
         << qMakePair(QString("Aspect Ratio"), aspectText(item.aspect));
    return rows;
}

int StandardTimingItem::detectFormatError(QLineEdit *field, int min, int max, int step,
                                          std::string message)
{
    bool ok = false;
    int value = field->text().toInt(&ok, 10);
    if (!ok)
        value = 0;
    if (value >= min && value <= max && step != 0 && value % step == 0)
        return value;
    rejectFieldEntry(this, field, "Format Error", QString::fromStdString(message),
                     QString::number(min));
    return min;
}

void StandardTimingItem::on_hActiveField_editingFinished()
{
    // The value shown, committed untouched, keeps the bytes as loaded (00 00
    // decodes to 248 pixels, below the range a user may type).
    if (ui->hActiveField->text() == QString::number(item.hActive))
        return;
    item.hActive = static_cast<Word>(detectFormatError(
        ui->hActiveField, 256, 2288, 8,
        "Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels"));
    updateStandardTiming();
}

void StandardTimingItem::on_refreshField_editingFinished()
{
    if (ui->refreshField->text() == QString::number(item.refresh))
        return;
    item.refresh = static_cast<Word>(detectFormatError(
        ui->refreshField, 60, 123, 1, "Refresh Rate must be in range of 60 to 123 Hz"));
    updateStandardTiming();
}

void StandardTimingItem::on_aspectRatioMulti_activated(int index)
{
    if (takeChoice(item.aspect, aspectForComboIndex(index)))
        updateStandardTiming();
}

void StandardTimingItem::on_enableCB_clicked(bool checked)
{
    if (checked) {
        item.enabled = 1;
        setContentEnabled(true);
    } else {
        showUnused();
    }
    updateStandardTiming();
}
