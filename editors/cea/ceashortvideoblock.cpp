#include "ceashortvideoblock.h"
#include "ui_ceashortvideoblock.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "videoformatnames.h"

namespace {
const unsigned char nativeBit = 0x80;
const int maxNativeVic = 64;
}

CEAShortVideoBlock::CEAShortVideoBlock(QWidget *parent)
    : QWidget(parent), ui(nullptr), vic(1), native(0)
{
}

CEAShortVideoBlock::~CEAShortVideoBlock()
{
    delete ui;
}

// The form is built when the row is first shown: a block loaded into an
// editor nobody looks at costs a byte per row. Built before the row turns
// visible, the new widgets are shown with it.
void CEAShortVideoBlock::setVisible(bool visible)
{
    if (visible && ui == nullptr)
        setupForm();
    QWidget::setVisible(visible);
}

void CEAShortVideoBlock::setupForm()
{
    ui = new Ui::CEAShortVideoBlock;
    ui->setupUi(this);

    // A VIC the number field cannot hold is shown as its special text; only
    // a number the user types there replaces it (see editingFinished).
    if (QLineEdit *edit = ui->codeField->findChild<QLineEdit *>()) {
        connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
            codeTyped = true;
            typedCode = text;
        });
    }
    showIndex();
    updateUI();
}

int CEAShortVideoBlock::vicOf(unsigned char svd)
{
    return isNative(svd) ? svd & 0x7F : svd;
}

bool CEAShortVideoBlock::isNative(unsigned char svd)
{
    return svd > nativeBit && svd <= nativeBit + maxNativeVic;
}

void CEAShortVideoBlock::initFields(unsigned char *svd, unsigned char *reference,
                                    unsigned char *working)
{
    Q_UNUSED(reference);
    Q_UNUSED(working);
    setByte(*svd);
    updateUI();
}

void CEAShortVideoBlock::resetFields(unsigned char *reference, unsigned char *working)
{
    Q_UNUSED(reference);
    Q_UNUSED(working);
    setByte(0x01);
    updateUI();
}

void CEAShortVideoBlock::setShortVideoBlockIndex(int index)
{
    position = index;
    showIndex();
}

unsigned char CEAShortVideoBlock::getEDIDValue() const
{
    return static_cast<unsigned char>((native << 7) | vic);
}

void CEAShortVideoBlock::updateUI()
{
    if (ui == nullptr)
        return;
    showNative();
    showFormat();
    showCode();
}

void CEAShortVideoBlock::on_formatMulti_activated(int index)
{
    // "Other" names no VIC: the byte stays.
    if (index < 0 || index >= videoFormatNameCount - 1)
        return;
    setVic(index + 1);
    showNative();
    showCode();
    emit valueChanged();
}

void CEAShortVideoBlock::on_nativeCB_clicked(bool checked)
{
    const int code = vicOf(getEDIDValue());
    if (code < 1 || code > maxNativeVic) {
        showNative();
        return;
    }
    setByte(static_cast<unsigned char>(code | (checked ? nativeBit : 0)));
    emit valueChanged();
}

void CEAShortVideoBlock::on_codeField_editingFinished()
{
    if (ui->codeField->specialValueText().isEmpty()) {
        setVic(ui->codeField->value() & 0x7F);
    } else {
        // The field still shows a VIC it cannot hold; its value is the
        // minimum only because of that, unless the user typed that number.
        bool ok = false;
        const int typed = typedCode.trimmed().toInt(&ok);
        if (codeTyped && ok && typed == ui->codeField->minimum())
            setVic(typed);
    }
    updateUI();
    emit valueChanged();
}

void CEAShortVideoBlock::on_codeField_valueChanged(int arg1)
{
    // Return re-reports the value as it stands: the minimum standing for a
    // VIC the field cannot hold is no number of the user's.
    if (!ui->codeField->specialValueText().isEmpty() && arg1 == ui->codeField->minimum())
        return;
    setVic(arg1 & 0x7F);
    // The field now holds the byte's VIC: its special text has served.
    ui->codeField->setSpecialValueText(QString());
    showNative();
    showFormat();
}

void CEAShortVideoBlock::setByte(unsigned char svd)
{
    vic = svd & 0x7F;
    native = svd >> 7;
}

// A VIC chosen by the user (1 to 108). The native flag is kept from VIC 1-64
// to VIC 1-64 only: above 64 bit 7 would turn the byte into another VIC.
void CEAShortVideoBlock::setVic(int code)
{
    const bool keepNative = isNative(getEDIDValue()) && code <= maxNativeVic;
    setByte(static_cast<unsigned char>(keepNative ? code | nativeBit : code));
}

void CEAShortVideoBlock::showIndex()
{
    if (ui != nullptr)
        ui->indexLabel->setText(QString::number(position + 1) + QLatin1Char('.'));
}

void CEAShortVideoBlock::showNative()
{
    const unsigned char svd = getEDIDValue();
    const int code = vicOf(svd);
    ui->nativeCB->setEnabled(code >= 1 && code <= maxNativeVic);
    ui->nativeCB->setChecked(isNative(svd));
}

// No row for a byte whose low seven bits are 0 (reserved 0 and 128), "Other"
// for every VIC the table does not name.
void CEAShortVideoBlock::showFormat()
{
    const unsigned char svd = getEDIDValue();
    const int code = vicOf(svd);
    int row = videoFormatNameCount - 1;
    if ((svd & 0x7F) == 0)
        row = -1;
    else if (code < videoFormatNameCount)
        row = code - 1;
    const QSignalBlocker blocker(ui->formatMulti);
    ui->formatMulti->setCurrentIndex(row);
}

// A VIC outside the field's range is shown as the special text of its
// minimum, so that the field shows the VIC without holding it.
void CEAShortVideoBlock::showCode()
{
    const int code = vicOf(getEDIDValue());
    QSpinBox *field = ui->codeField;
    const QSignalBlocker blocker(field);
    if (code >= field->minimum() && code <= field->maximum()) {
        field->setSpecialValueText(QString());
        field->setValue(code);
    } else {
        field->setValue(field->minimum());
        field->setSpecialValueText(QString::number(code));
    }
    codeTyped = false;
    typedCode.clear();
}
