#include "ceaaudiodescriptor.h"
#include "ui_ceaaudiodescriptor.h"

#include <algorithm>

#include "ceaaudioshortblock.h"

namespace {

QString tabTitle(int index)
{
    return QStringLiteral("n\u00B0%1").arg(index + 1);
}

} // namespace

CEAAudioDescriptor::CEAAudioDescriptor(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAAudioDescriptor), shortAudioBlocks{},
      shortAudioBlockCount(0), initializedBlockCount(0)
{
    ui->setupUi(this);
    type = CEA_AUDIO;
    helpVisible = false;
    helpMessage = tr("This block defines the audio formats supported in addition to \"Basic Audio\" "
                     "(can be configured in the \"Monitor Support\" block on the left of the screen)."
                     "\n\nYou can configure up to 10 audio short blocks.");
    ui->shortAudioTabs->hide();
}

// The descriptor editors are children of the tab widget (or of this editor
// before their first tab): Qt deletes them with the form's widgets.
CEAAudioDescriptor::~CEAAudioDescriptor()
{
    delete ui;
}

CEAAudioShortBlock *CEAAudioDescriptor::shortAudioBlock(int position)
{
    CEAAudioShortBlock *&editor = shortAudioBlocks[position];
    if (editor == nullptr) {
        editor = new CEAAudioShortBlock(this);
        editor->hide();
        connect(editor, &CEAAudioShortBlock::valueChanged, this, &CEABlock::updateEDID);
    }
    return editor;
}

void CEAAudioDescriptor::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                    unsigned char *working)
{
    this->reference = reference;
    this->working = working;

    const int size = subBlockSize[CEA_AUDIO];
    const QByteArray payload = payloadBytes(info, size * maxDescriptors);
    const int count = payload.size() / size;
    for (int i = 0; i < count; ++i) {
        addAudioShortBlock();
        shortAudioBlock(i)->initFields(
            reinterpret_cast<const unsigned char *>(payload.constData()) + size * i, reference, working);
    }
    ui->shortAudioTabs->setCurrentIndex(0);
    updateButtons();
    initializedBlockCount = shortAudioBlockCount;
    updateEDID();
}

void CEAAudioDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    while (shortAudioBlockCount > 0)
        delAudioShortBlock();
    updateButtons();
    shortAudioBlockCount = 0;
    initializedBlockCount = 0;
    updateEDID();
}

QByteArray CEAAudioDescriptor::getEDIDData()
{
    QByteArray data;
    for (int i = 0; i < shortAudioBlockCount; ++i)
        data += shortAudioBlocks[i]->getEDIDValue();
    return data;
}

void CEAAudioDescriptor::addAudioShortBlock()
{
    if (shortAudioBlockCount < maxDescriptors) {
        CEAAudioShortBlock *editor = shortAudioBlock(shortAudioBlockCount);
        ++shortAudioBlockCount;
        ui->shortAudioTabs->addTab(editor, tabTitle(shortAudioBlockCount - 1));
        ui->shortAudioTabs->setCurrentIndex(shortAudioBlockCount - 1);
    }
    updateButtons();
}

// The editor of the current tab leaves the positions in use with its values:
// the ones after it move up, and it takes the first free position.
void CEAAudioDescriptor::delAudioShortBlock()
{
    const int k = ui->shortAudioTabs->currentIndex();
    if (shortAudioBlockCount >= 1 && k >= 0 && k < shortAudioBlockCount) {
        ui->shortAudioTabs->removeTab(k);
        std::rotate(shortAudioBlocks + k, shortAudioBlocks + k + 1, shortAudioBlocks + shortAudioBlockCount);
        --shortAudioBlockCount;
        for (int i = k; i < ui->shortAudioTabs->count(); ++i)
            ui->shortAudioTabs->setTabText(i, tabTitle(i));
    }
    updateButtons();
}

void CEAAudioDescriptor::updateButtons()
{
    const bool empty = ui->shortAudioTabs->count() == 0;
    ui->shortAudioTabs->setVisible(!empty);
    ui->noBlocksLabel->setVisible(empty);
    ui->addAudioTabButton->setEnabled(shortAudioBlockCount < maxDescriptors);
    ui->delAudioTabButton->setEnabled(shortAudioBlockCount > 0);
}

void CEAAudioDescriptor::on_addAudioTabButton_clicked()
{
    if (shortAudioBlockCount >= maxDescriptors)
        return;
    if (initializedBlockCount < shortAudioBlockCount + 1) {
        shortAudioBlock(shortAudioBlockCount)->resetFields(reference, working);
        initializedBlockCount = shortAudioBlockCount + 1;
    }
    addAudioShortBlock();
    updateEDID();
}

void CEAAudioDescriptor::on_delAudioTabButton_clicked()
{
    if (shortAudioBlockCount == 0)
        return;
    delAudioShortBlock();
    updateEDID();
}

void CEAAudioDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
