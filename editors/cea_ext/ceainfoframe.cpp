#include "ceainfoframe.h"
#include "ui_ceainfoframe.h"

#include <QSignalBlocker>

#include "uppercasevalidator.h"

namespace {

// Bytes after the extended tag: the block header's 5-bit length counts the
// extended tag too.
const int maxPayload = 30;
const int vsifDescriptorSize = 4;

} // namespace

const QString CEAInfoFrame::infoFrameBlockName[7] = {
    QStringLiteral("unknown"),
    QStringLiteral("Vendor specific"),
    QStringLiteral("Auxiliary video"),
    QStringLiteral("Source product description"),
    QStringLiteral("Audio"),
    QStringLiteral("MPEG source"),
    QStringLiteral("NTSC VBI"),
};

CEAInfoFrame::CEAInfoFrame(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAInfoFrame), processingHeader(0)
{
    ui->setupUi(this);
    type = CEA_INFO_FRAME;
    helpVisible = false;
    helpMessage = tr("This block defines the order in which a display prefer to receive an Info "
                     "Frame. That mean the first one in the list is the most desired one.");
    ui->ieeeField->setValidator(UpperCaseValidator::hexDigits());
    ui->ieeeField->setText(QStringLiteral("000000"));
    for (quint32 code = INFOFRAME_VENDOR_SPECIFIC; code <= INFOFRAME_NTSC_VBI; ++code)
        ui->infoBlockType->addItem(infoFrameBlockName[code]);
    ui->infoBlockType->setCurrentRow(0);
    updateUI();
}

CEAInfoFrame::~CEAInfoFrame()
{
    clearBlocks();
    delete ui;
}

void CEAInfoFrame::clearBlocks()
{
    qDeleteAll(shortBlocks);
    shortBlocks.clear();
}

// A payload running past the block is read as far as it goes; such a block
// is handed back as loaded until the user changes it.
void CEAInfoFrame::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                              unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    const QByteArray payload = payloadBytes(info, maxPayload);
    const auto *bytes = reinterpret_cast<const unsigned char *>(payload.constData());
    const int size = payload.size();

    processingHeader = size > 0 ? bytes[0] : 0;
    const int vsifCount = size > 1 ? bytes[1] : 0;
    processingPayload = payload.mid(2, processingHeader >> 5);

    clearBlocks();
    unreadBytes.clear();
    int i = 2 + processingPayload.size();
    while (i < size) {
        int used = 0;
        CEAInfoFrameShortBlock *block = CEAInfoFrameShortBlock::read(bytes + i, size - i, &used);
        if (block == nullptr) {
            unreadBytes = payload.mid(i);
            break;
        }
        shortBlocks.append(block);
        i += used;
    }

    {
        // Loading is not an edit.
        const QSignalBlocker blocker(ui->VSIFSpinBox);
        ui->VSIFSpinBox->setValue(vsifCount);
    }
    loaded.hold(QByteArray(1, static_cast<char>(getSubType())) + payload, encode());
    updateUI();
}

void CEAInfoFrame::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    unreadBytes.clear();
    loaded.clear();
    updateEDID();
    updateUI();
}

QByteArray CEAInfoFrame::getEDIDData()
{
    return loaded.pick(encode());
}

QByteArray CEAInfoFrame::encode() const
{
    QByteArray data;
    data.append(static_cast<char>(CEABlock::getSubType(type)));
    data.append(static_cast<char>((processingPayload.size() << 5) | (processingHeader & 0x1F)));
    data.append(static_cast<char>(ui->VSIFSpinBox->value()));
    data.append(processingPayload);
    for (const CEAInfoFrameShortBlock *block : shortBlocks)
        data.append(block->getEDIDData());
    return data + unreadBytes;
}

void CEAInfoFrame::updateUI()
{
    int row = ui->infoBlocks->currentRow();
    {
        const QSignalBlocker blocker(ui->infoBlocks);
        ui->infoBlocks->clear();
        for (const CEAInfoFrameShortBlock *block : shortBlocks) {
            const quint32 code = block->getType();
            ui->infoBlocks->addItem(code < 7 ? infoFrameBlockName[code]
                                             : QStringLiteral("Type code %1").arg(code));
        }
    }
    if (row >= shortBlocks.size())
        row = shortBlocks.size() - 1;
    ui->infoBlocks->setCurrentRow(row);
    updateSidePanel();
    updateAddButton();
}

void CEAInfoFrame::updateSidePanel()
{
    const CEAInfoFrameShortBlock *block = shortBlocks.value(ui->infoBlocks->currentRow(), nullptr);
    const bool vendorSpecific = block != nullptr && block->getType() == INFOFRAME_VENDOR_SPECIFIC;
    if (vendorSpecific)
        ui->ieeeField->setText(block->getIEEOUI());
    ui->ieeOui->setEnabled(vendorSpecific);
}

// Type code of the selected row of the type list; 0 when none is selected.
int CEAInfoFrame::typeCodeToAdd() const
{
    const int row = ui->infoBlockType->currentRow();
    return row < 0 ? 0 : row + 1;
}

// Adding is possible while the new descriptor fits in the block.
void CEAInfoFrame::updateAddButton()
{
    const int code = typeCodeToAdd();
    const int size = code == INFOFRAME_VENDOR_SPECIFIC ? vsifDescriptorSize : 1;
    ui->addBlockButton->setEnabled(code != 0 && encode().size() - 1 + size <= maxPayload);
}

void CEAInfoFrame::on_addBlockButton_clicked()
{
    const int code = typeCodeToAdd();
    if (code == 0)
        return;
    auto *block = new CEAInfoFrameShortBlock(static_cast<infoFrameBlockType>(code));
    if (encode().size() - 1 + block->getSize() > maxPayload) {
        delete block;
        return;
    }
    shortBlocks.append(block);
    updateEDID();
    updateUI();
}

void CEAInfoFrame::on_removeBlockButton_clicked()
{
    const int row = ui->infoBlocks->currentRow();
    if (row >= 0 && row < shortBlocks.size())
        delete shortBlocks.takeAt(row);
    updateEDID();
    updateUI();
}

// The current descriptor moves one place; the current row follows it, or
// leaves the list at either end.
void CEAInfoFrame::moveCurrent(int step)
{
    const int row = ui->infoBlocks->currentRow();
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < shortBlocks.size())
        shortBlocks.move(row, target);
    ui->infoBlocks->setCurrentRow(target);
    updateEDID();
    updateUI();
}

void CEAInfoFrame::on_upButton_clicked()
{
    moveCurrent(-1);
}

void CEAInfoFrame::on_downButton_clicked()
{
    moveCurrent(1);
}

void CEAInfoFrame::on_infoBlocks_currentRowChanged(int)
{
    updateSidePanel();
}

void CEAInfoFrame::on_infoBlockType_currentRowChanged(int)
{
    updateAddButton();
}

void CEAInfoFrame::on_VSIFSpinBox_valueChanged(int)
{
    updateEDID();
}

void CEAInfoFrame::on_ieeeField_editingFinished()
{
    if (ui->ieeeField->text().isEmpty())
        ui->ieeeField->setText(QStringLiteral("000000"));
    CEAInfoFrameShortBlock *block = shortBlocks.value(ui->infoBlocks->currentRow(), nullptr);
    if (block != nullptr && block->getType() == INFOFRAME_VENDOR_SPECIFIC)
        block->setIEEOUI(ui->ieeeField->text());
    updateEDID();
}

void CEAInfoFrame::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
