#include "cvtcodedescriptor.h"
#include "choice.h"
#include "ui_cvtcodedescriptor.h"

#include <QSignalBlocker>

#include "descriptorentry.h"
#include "edidwriter.h"
#include "validator.h"

namespace {

// aspectRatioMulti items in order: 4:3, 16:9, 16:10, 15:9.
const _FORMAT_ASP_RATIO kComboAspect[] = {FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_16_9,
                                          FORMAT_ASP_RATIO_16_10, FORMAT_ASP_RATIO_15_9};

} // namespace

CVTCodeDescriptor::CVTCodeDescriptor(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::CVTCodeDescriptor),
      digitValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    ui->vActField->setValidator(digitValidator);
}

CVTCodeDescriptor::~CVTCodeDescriptor()
{
    delete ui;
    delete digitValidator;
}

void CVTCodeDescriptor::setBlockName(QString name)
{
    setTitle(name);
}

void CVTCodeDescriptor::checkUncheck(unsigned char value, QCheckBox *box)
{
    const QSignalBlocker blocker(box);
    box->setChecked(value != 0);
}

// ---------------------------------------------------------------------------
// Accessors

void CVTCodeDescriptor::setVActiveLines(const unsigned short &lines)
{
    vActiveLines = lines;
}

void CVTCodeDescriptor::setAspectRatio(const _FORMAT_ASP_RATIO &value)
{
    aspect = value;
}

void CVTCodeDescriptor::setPrefVRate(const _EDID_VERTICAL_RATE &rate)
{
    prefRate = rate;
}

void CVTCodeDescriptor::setSuppVRate(int rate, const unsigned char &value)
{
    if (rate >= 0 && rate < 5)
        supported[rate] = value ? 1 : 0;
}

unsigned short CVTCodeDescriptor::getVActiveLines() const
{
    return vActiveLines;
}

_FORMAT_ASP_RATIO CVTCodeDescriptor::getAspectRatio() const
{
    return aspect;
}

_EDID_VERTICAL_RATE CVTCodeDescriptor::getPrefVRate() const
{
    return prefRate;
}

unsigned char CVTCodeDescriptor::getSuppVRate(int rate) const
{
    return rate >= 0 && rate < 5 ? supported[rate] : 0;
}

// ---------------------------------------------------------------------------
// Load, reset, write

void CVTCodeDescriptor::showFields()
{
    ui->vActField->setText(QString::number(vActiveLines));
    int combo = 0;
    for (int i = 0; i < 4; ++i)
        if (kComboAspect[i] == aspect)
            combo = i;
    ui->aspectRatioMulti->setCurrentIndex(combo);
    QRadioButton *rates[4] = {ui->prefVRate50RB, ui->prefVRate60RB, ui->prefVRate75RB,
                              ui->prefVRate85RB};
    rates[prefRate <= EDID_VERTICAL_RATE_85HZ ? int(prefRate) : 0]->setChecked(true);
    QCheckBox *boxes[5] = {ui->suppVRate50CB, ui->suppVRate60CB, ui->suppVRate75CB,
                           ui->suppVRate85CB, ui->suppVRate60RedCB};
    for (int i = 0; i < 5; ++i)
        checkUncheck(supported[i], boxes[i]);
}

void CVTCodeDescriptor::initFields(_EDID_MONITOR_DESC d, unsigned char *ref, unsigned char *work,
                                   int slot, int code)
{
    reference = ref;
    working = work;
    desc = d;
    descIndex = slot;
    codeIndex = code;
    const _EDID_CVT_TIMING_CODE &loaded = d.cvtCodes[codeIndex];
    setVActiveLines(loaded.vActiveLines);
    setAspectRatio(loaded.aspect);
    setPrefVRate(loaded.preferredRate);
    for (int i = 0; i < 5; ++i)
        setSuppVRate(i, loaded.supported[i]);
    showFields();
    DescriptorEntry::describe(descIndex, getStringInfo());
}

void CVTCodeDescriptor::resetFields(unsigned char *ref, unsigned char *work, int slot, int code)
{
    reference = ref;
    working = work;
    descIndex = slot;
    codeIndex = code;
    setVActiveLines(2);
    setAspectRatio(FORMAT_ASP_RATIO_4_3);
    setPrefVRate(EDID_VERTICAL_RATE_50HZ);
    for (int i = 0; i < 5; ++i)
        setSuppVRate(i, 0);
    showFields();
}

void CVTCodeDescriptor::updateCVTTiming()
{
    if (!working)
        return;
    desc.type = EDID_DESC_CVT_CODES;
    desc.kind = EDID_DESC_CVT_CODES;
    _EDID_CVT_TIMING_CODE &code = desc.cvtCodes[codeIndex];
    code.vActiveLines = vActiveLines;
    code.aspect = aspect;
    code.preferredRate = prefRate;
    for (int i = 0; i < 5; ++i)
        code.supported[i] = supported[i];
    EDIDUpdateCVTTimingCode(working, descIndex, codeIndex, desc);
    DescriptorEntry::refresh(reference, working, descIndex, getStringInfo());
}

StringInfo CVTCodeDescriptor::getStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("CVT Code Descriptor")));
    return rows;
}

int CVTCodeDescriptor::detectFormatError(QLineEdit *field)
{
    return DescriptorEntry::checkInt(
        this, field, 2, 8192, 2, QStringLiteral("CEA extention warning"),
        QStringLiteral("Vertical Active Lines must be in range of 2 to 8192 in increments of 2 pixels"), 2);
}

// ---------------------------------------------------------------------------
// User edits: store, then write

void CVTCodeDescriptor::on_vActField_editingFinished()
{
    setVActiveLines((unsigned short)detectFormatError(ui->vActField));
    updateCVTTiming();
}

void CVTCodeDescriptor::on_aspectRatioMulti_activated(int choice)
{
    if (takeChoice(aspect, choice >= 0 && choice < 4 ? kComboAspect[choice] : FORMAT_ASP_RATIO_4_3))
        updateCVTTiming();
}

void CVTCodeDescriptor::on_prefVRate50RB_clicked()
{
    if (takeChoice(prefRate, EDID_VERTICAL_RATE_50HZ))
        updateCVTTiming();
}

void CVTCodeDescriptor::on_prefVRate60RB_clicked()
{
    if (takeChoice(prefRate, EDID_VERTICAL_RATE_60HZ))
        updateCVTTiming();
}

void CVTCodeDescriptor::on_prefVRate75RB_clicked()
{
    if (takeChoice(prefRate, EDID_VERTICAL_RATE_75HZ))
        updateCVTTiming();
}

void CVTCodeDescriptor::on_prefVRate85RB_clicked()
{
    if (takeChoice(prefRate, EDID_VERTICAL_RATE_85HZ))
        updateCVTTiming();
}

void CVTCodeDescriptor::on_suppVRate50CB_clicked(bool checked)
{
    setSuppVRate(0, checked);
    updateCVTTiming();
}

void CVTCodeDescriptor::on_suppVRate60CB_clicked(bool checked)
{
    setSuppVRate(1, checked);
    updateCVTTiming();
}

void CVTCodeDescriptor::on_suppVRate75CB_clicked(bool checked)
{
    setSuppVRate(2, checked);
    updateCVTTiming();
}

void CVTCodeDescriptor::on_suppVRate85CB_clicked(bool checked)
{
    setSuppVRate(3, checked);
    updateCVTTiming();
}

void CVTCodeDescriptor::on_suppVRate60RedCB_clicked(bool checked)
{
    setSuppVRate(4, checked);
    updateCVTTiming();
}
