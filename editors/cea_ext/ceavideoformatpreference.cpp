#include "ceavideoformatpreference.h"
#include "ui_ceavideoformatpreference.h"

#include <QListWidgetItem>

#include "videoformatnames.h"

namespace {

// Short video reference codes (CTA-861-G).
enum class Reference { Reserved, VIC, DTD };

struct ReferenceCodes {
    int first;
    int last;
    Reference kind;
};

const ReferenceCodes referenceCodes[] = {
    {0x00, 0x00, Reference::Reserved},
    {0x01, 0x7F, Reference::VIC},       // VIC 1-127
    {0x80, 0x80, Reference::Reserved},
    {0x81, 0x90, Reference::DTD},       // detailed timing descriptor 1-16
    {0x91, 0xC0, Reference::Reserved},
    {0xC1, 0xFD, Reference::VIC},       // VIC 193-253
    {0xFE, 0xFF, Reference::Reserved},
};

Reference referenceKind(unsigned char code)
{
    for (const ReferenceCodes &codes : referenceCodes)
        if (code >= codes.first && code <= codes.last)
            return codes.kind;
    return Reference::Reserved;
}

const unsigned char dtdFlag = 0x80;

const int dtdSize = 18;
const int baseDescriptors = 54;    // the base block's four descriptor slots, up to byte 125
const int baseDescriptorsEnd = 126;
const int extensionTag = 128;
const int extensionOffset = 130;   // d: the extension's timing area starts at 128 + d

bool holdsTiming(const unsigned char *unit)
{
    return unit[0] != 0 || unit[1] != 0;   // pixel clock
}

// The detailed timings of an image, counted as CTA-861 numbers them: those of
// the base block's descriptor slots, then those of the CEA extension's timing
// area (display descriptors there take no number).
int detailedTimingCount(const unsigned char *image)
{
    int count = 0;
    for (int at = baseDescriptors; at < baseDescriptorsEnd; at += dtdSize)
        count += holdsTiming(image + at) ? 1 : 0;
    if (image[extensionTag] != 0x02)
        return count;
    const unsigned char *area = image + extensionTag + image[extensionOffset];
    const int units = EDIDGetCEATimingUnitCount(image);
    for (int u = 0; u < units; ++u)
        count += holdsTiming(area + dtdSize * u) ? 1 : 0;
    return count;
}

} // namespace

CEAVideoFormatPreference::CEAVideoFormatPreference(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAVideoFormatPreference)
{
    ui->setupUi(this);
    ui->formatMulti->setCurrentIndex(0);
    ui->codeField->setValue(1);
    type = CEA_VIDEO_FORMAT_PREFERENCE;
    helpVisible = false;
    helpMessage = tr("This block defined the preferences for the different video formats defined "
                     "throughout the EDID.");
}

CEAVideoFormatPreference::~CEAVideoFormatPreference()
{
    delete ui;
}

// One entry per reference, every code kept as it stands.
void CEAVideoFormatPreference::initFields(_EDID_CEA_DATA_BLOCK_INFO info,
                                          unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    const QByteArray codes = payloadBytes(info, maxEntries - entries.size());
    for (char code : codes)
        entries.append(static_cast<unsigned char>(code));
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    updateEDID();
}

QByteArray CEAVideoFormatPreference::getEDIDData()
{
    QByteArray data(1, static_cast<char>(getSubType(type)));
    for (int i = 0; i < entries.size() && i < maxEntries; ++i)
        data.append(static_cast<char>(entries.at(i)));
    return data;
}

// A VIC of the name table shows its name, a detailed timing "DTD n°" and its
// number; a VIC without a name ("Other" names none) and a reserved code show
// their code.
QString CEAVideoFormatPreference::entryText(unsigned char code) const
{
    switch (referenceKind(code)) {
    case Reference::VIC:
        if (code < videoFormatNameCount && code <= ui->formatMulti->count())
            return ui->formatMulti->itemText(code - 1);
        return tr("VIC %1").arg(code);
    case Reference::DTD:
        return tr("DTD n°") + QString::number(code & ~dtdFlag);
    case Reference::Reserved:
        break;
    }
    return tr("Reserved code %1").arg(code);
}

void CEAVideoFormatPreference::updateUI()
{
    QStringList rows;
    rows.reserve(entries.size());
    for (unsigned char code : entries)
        rows << entryText(code);

    const int row = ui->preferedFormatList->currentRow();
    ui->preferedFormatList->clear();
    ui->preferedFormatList->addItems(rows);
    ui->preferedFormatList->setCurrentRow(row < rows.size() ? row : -1);
    markMissingTimings();

    const bool room = entries.size() < maxEntries;
    ui->addVICButton->setEnabled(room);
    ui->addDTDButton->setEnabled(room);
}

void CEAVideoFormatPreference::markMissingTimings()
{
    if (working == nullptr)
        return;
    const int timings = detailedTimingCount(working);
    QListWidget *list = ui->preferedFormatList;
    for (int row = 0; row < entries.size() && row < list->count(); ++row) {
        const unsigned char code = entries.at(row);
        if (referenceKind(code) != Reference::DTD)
            continue;
        QListWidgetItem *item = list->item(row);
        const bool missing = (code & ~dtdFlag) > timings;
        item->setText(missing ? entryText(code) + tr(" (no such DTD)") : entryText(code));
        markMissing(item, missing);
    }
}

void CEAVideoFormatPreference::showEvent(QShowEvent *event)
{
    CEABlock::showEvent(event);
    markMissingTimings();
}

void CEAVideoFormatPreference::append(unsigned char code)
{
    if (entries.size() >= maxEntries)
        return;
    entries.append(code);
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::on_formatMulti_currentIndexChanged(int index)
{
    if (index >= 0)
        ui->codeField->setValue(index + 1);
}

void CEAVideoFormatPreference::on_codeField_valueChanged(int arg1)
{
    ui->formatMulti->setCurrentIndex(arg1 - 1);
}

void CEAVideoFormatPreference::on_addVICButton_clicked()
{
    const int row = ui->formatMulti->currentIndex();
    if (row >= 0)
        append(static_cast<unsigned char>(row + 1));
}

void CEAVideoFormatPreference::on_addDTDButton_clicked()
{
    append(static_cast<unsigned char>(dtdFlag | ui->DTDPSpinBox->value()));
}

void CEAVideoFormatPreference::on_removeButton_clicked()
{
    const int row = ui->preferedFormatList->currentRow();
    if (row >= 0 && row < entries.size())
        entries.remove(row);
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::on_upButton_clicked()
{
    const int row = ui->preferedFormatList->currentRow();
    if (row >= 1 && row < entries.size())
        entries.move(row, row - 1);
    ui->preferedFormatList->setCurrentRow(row >= 1 ? row - 1 : -1);
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::on_downButton_clicked()
{
    const int row = ui->preferedFormatList->currentRow();
    if (row >= 0 && row < entries.size() - 1)
        entries.move(row, row + 1);
    ui->preferedFormatList->setCurrentRow(row + 1 < entries.size() ? row + 1 : -1);
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
