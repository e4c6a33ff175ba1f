#include "ceavideodescriptor.h"
#include "ui_ceavideodescriptor.h"

#include <QSpacerItem>

#include "ceashortvideoblock.h"

namespace {
// A data block header states at most 31 payload bytes.
const int maxPayload = 31;
const int rowHeight = 41;
}

CEAVideoDescriptor::CEAVideoDescriptor(CEABlockType type, CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAVideoDescriptor), shortVideoBlockCount(0),
      initializedBlockCount(0)
{
    ui->setupUi(this);
    this->type = type;
    helpVisible = false;
    if (type == CEA_YCBCR420_VIDEO) {
        ui->titleLabel->setText(tr("YCbCr video descriptor"));
        helpMessage = tr("This block defines the video formats supported by the sink allowing only "
                         "the YCbCr 4:2:0 sampling mode (and nothing else).")
                      + QStringLiteral("\n\n")
                      + tr("If a video format also supports RGB, YCbCr 4:4:4 or YCbCr 4:2:2 sampling "
                           "modes it should be defined in a regular \"video\" block, and should be "
                           "tagged as YCbCr 4:2:0 compatible using a \"YCbCr 4:2:0 capability map\" "
                           "block.");
    } else {
        ui->titleLabel->setText(tr("Video descriptor"));
        helpMessage = tr("This block defines the video formats supported by the sink.");
    }
    rowSpacer = new QSpacerItem(20, 0, QSizePolicy::Fixed, QSizePolicy::Expanding);
    shortVideoBlocks.reserve(maxRows());
    update();
}

CEAVideoDescriptor::~CEAVideoDescriptor()
{
    // Placed, the spacer belongs to the layout.
    if (ui->videoDescLayout->indexOf(rowSpacer) < 0)
        delete rowSpacer;
    delete ui;
}

int CEAVideoDescriptor::maxRows() const
{
    return getSubType(type) != 0 ? maxPayload - 1 : maxPayload;
}

void CEAVideoDescriptor::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                    unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    while (shortVideoBlockCount > 0)
        delVideoShortBlock();
    const int count = info.payload != nullptr ? qMin(static_cast<int>(info.length), maxRows()) : 0;
    for (int i = 0; i < count; ++i) {
        addVideoShortBlock();
        row(i)->initFields(info.payload + i, reference, working);
    }
    initializedBlockCount = shortVideoBlockCount;
}

void CEAVideoDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    while (shortVideoBlockCount > 0)
        delVideoShortBlock();
    initializedBlockCount = 0;
    updateEDID();
}

QByteArray CEAVideoDescriptor::getEDIDData()
{
    QByteArray data;
    data.reserve(maxPayload);
    if (getSubType(type) != 0)
        data.append(static_cast<char>(getSubType(type)));
    for (int i = 0; i < shortVideoBlockCount; ++i)
        data.append(static_cast<char>(shortVideoBlocks.at(i)->getEDIDValue()));
    return data;
}

void CEAVideoDescriptor::addVideoShortBlock()
{
    if (shortVideoBlockCount < maxRows()) {
        CEAShortVideoBlock *added = row(shortVideoBlockCount);
        added->setShortVideoBlockIndex(shortVideoBlockCount);
        // A new row of a hidden editor is shown with it; showing it now
        // would build its form at once.
        if (added->isHidden())
            added->show();
        ++shortVideoBlockCount;
    }
    update();
}

void CEAVideoDescriptor::delVideoShortBlock()
{
    if (shortVideoBlockCount > 0) {
        --shortVideoBlockCount;
        shortVideoBlocks.at(shortVideoBlockCount)->hide();
        ui->scrollAreaWidgetContents->setMinimumHeight(rowHeight * shortVideoBlockCount);
    }
    update();
}

void CEAVideoDescriptor::update()
{
    if (shortVideoBlockCount > 0 && !ui->noShortVideoLabel->isHidden()) {
        ui->noShortVideoLabel->hide();
        ui->videoDescLayout->addItem(rowSpacer);
        ui->delVideoItemButton->setEnabled(true);
    }
    if (shortVideoBlockCount == 0) {
        ui->noShortVideoLabel->show();
        ui->videoDescLayout->removeItem(rowSpacer);
        ui->delVideoItemButton->setEnabled(false);
    }
    ui->addVideoItemButton->setEnabled(shortVideoBlockCount < maxRows());
}

void CEAVideoDescriptor::on_addVideoItemButton_clicked()
{
    const int n = shortVideoBlockCount;
    if (n >= maxRows())
        return;
    // A position filled since the last reset brings its last value back.
    if (initializedBlockCount < n + 1) {
        row(n)->resetFields(reference, working);
        initializedBlockCount = n + 1;
    }
    row(n)->updateUI();
    addVideoShortBlock();
    updateEDID();
}

void CEAVideoDescriptor::on_delVideoItemButton_clicked()
{
    if (shortVideoBlockCount > 0) {
        delVideoShortBlock();
        updateEDID();
    }
}

void CEAVideoDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}

// The row at that position, created the first time it is asked for (for
// the position about to come into use).
CEAShortVideoBlock *CEAVideoDescriptor::row(int index)
{
    while (shortVideoBlocks.size() <= index) {
        auto *created = new CEAShortVideoBlock(nullptr);
        connect(created, &CEAShortVideoBlock::valueChanged, this, &CEABlock::updateEDID);
        // After the empty-state label and the rows before it.
        ui->videoDescLayout->insertWidget(1 + shortVideoBlocks.size(), created);
        shortVideoBlocks.append(created);
    }
    return shortVideoBlocks.at(index);
}
