#include "ceaextensionblock.h"
#include "ui_ceaextensionblock.h"

#include <QBoxLayout>
#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>

#include "ceabuilder.h"
#include "ceakeptdescriptor.h"
#include "cearawblock.h"
#include "hexaviewer.h"

// Resources live in a static library: register them once, from the global namespace.
static void initCEAResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(resources);
        done = true;
    }
}

namespace {

const char *const tutorialPicture = ":/icons/files/resources/CEA_tuto.png";
const char *const overBudgetStyle = "QLabel { background-color : red; color : Black; }";

// Extension offsets.
const int offsetDataEnd = 2;
const int offsetCollection = 4;
const int offsetChecksum = 127;
const int maxPayload = 31;  // 5-bit length field of a data block header
const int timingSize = 18;

// A loaded block of a kind that has an editor, until the block is first
// shown: it lists under the kind's name and hands back the loaded bytes, so
// that an extension opens without building every editor.
class PendingBlock : public CEABlock
{
public:
    PendingBlock(CEABlockType kind, const _EDID_CEA_DATA_BLOCK_INFO &entry)
        : CEABlock(nullptr), tag(entry.tag), payload(payloadBytes(entry, maxPayload))
    {
        type = kind;
    }

    QByteArray getEDIDData() override
    {
        const int extTag = getSubType();
        return extTag != 0 ? QByteArray(1, static_cast<char>(extTag)) + payload : payload;
    }

    // The block as its editor loads it, from the bytes kept here.
    _EDID_CEA_DATA_BLOCK_INFO entry()
    {
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = tag;
        info.length = payload.size();
        info.payload = reinterpret_cast<unsigned char *>(payload.data());
        return info;
    }

private:
    unsigned int tag;
    QByteArray payload;
};

// The whole block (header tag, every byte after the header) as the raw
// editor loads it.
CEABlock *makeRawBlock(unsigned int tag, QByteArray bytes, const QString &reason,
                       unsigned char *reference, unsigned char *working)
{
    _EDID_CEA_DATA_BLOCK_INFO whole{};
    whole.tag = tag;
    whole.length = bytes.size();
    whole.payload = reinterpret_cast<unsigned char *>(bytes.data());
    auto *block = static_cast<CEARawBlock *>(CEABuilder::makeRaw());
    block->initFields(whole, reference, working);
    if (!reason.isEmpty())
        block->setReason(reason);
    return block;
}

// Copies `bytes` into `out` from `at`, stopping before the checksum.
void put(QByteArray &out, int at, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size() && at + i < offsetChecksum; ++i)
        out[at + i] = bytes[i];
}

// Offsets d to 126 as the readers of the timing area see them: 18-byte slots
// from d that end by offset 126 (a driver reads each one whose pixel clock is
// set). The last (127 - d) mod 18 bytes lie in no slot, nor does anything
// when d is below 4.
bool inTimingSlot(int offset, int d)
{
    if (d < offsetCollection || d >= offsetChecksum || offset < d)
        return false;
    return offset < d + timingSize * ((offsetChecksum - d) / timingSize);
}

} // namespace

CEAExtensionBlock::CEAExtensionBlock(QWidget *parent)
    : QWidget(parent), ui(new Ui::CEAExtensionBlock), reference(nullptr), working(nullptr),
      version(3), helpBlock(nullptr), warningOpen(false), oversizeBlock(false),
      loadedEnd(offsetCollection)
{
    initCEAResources();
    ui->setupUi(this);
    // The guide follows the room its label is given, also when it is shown again.
    ui->noBlockLabel->installEventFilter(this);
    layout()->addWidget(&helpBlock);
    helpBlock.hide();
    updateUI();
}

CEAExtensionBlock::~CEAExtensionBlock()
{
    const QList<CEABlock *> blocks = ceaBlocks;
    ceaBlocks.clear();
    for (CEABlock *block : blocks)
        deleteBlock(block);
    delete ui;
}

void CEAExtensionBlock::initFields(_EDID_CEA_EXTENSION_INFO *info, unsigned char *reference,
                                   unsigned char *working)
{
    resetFields(reference, working);
    if (info == nullptr)
        return;

    version = info->version;
    updateUI();

    ui->monitorSupportWidget->initFields(info->support, reference, working);
    ui->nativeDTDSB->setValue(ui->monitorSupportWidget->getNativeCount());

    if (reference != nullptr) {
        loaded = QByteArray(reinterpret_cast<const char *>(reference + 128), 128);
        loadDataBlocks(reference + 128);
        loadTimingArea(reference);
    }

    ui->listWidget->setCurrentRow(-1);
    updateUI();
    keepLoadedLayout();
    HexaViewer::getInstance()->setCEABasicInfo(getCEABasicInfo());
    emit valueChanged();
}

// What the editors give right after a load: while they give it again, the
// assembly hands back the loaded bytes (offset d, bytes between or past the
// blocks and timings) as they were.
void CEAExtensionBlock::keepLoadedLayout()
{
    if (loaded.size() != 128)
        return;
    int count = 0;
    leftOutRows.clear();
    loadedBlocks = getEDIDDataBlocks(&count, 0, false);
    loadedTimings = getEDIDDataBlocks(&count, count, true);
    loadedDescriptors = keptDescriptors(&count, count);
    loadedLeftOut = leftOutRows;
    const int d = static_cast<unsigned char>(loaded[offsetDataEnd]);
    if (d >= offsetCollection && d < offsetChecksum)
        loadedEnd = qMax(loadedEnd, qMin(d + timingSize * int(loadedUnits.size()),
                                         int(offsetChecksum)));
}

// Every data block of the collection (bytes 4 to d - 1 of the extension), in
// order. The decoded record leaves out headers of tag 0 (reserved), so the
// bytes are walked here with the record's length rule, and such blocks are
// kept too. A block whose length runs past d is kept whole (up to byte 126).
// A block of a kind with an editor waits for its first showing; one that its
// editor could not hand back exactly is kept raw, with the reason.
void CEAExtensionBlock::loadDataBlocks(unsigned char *extension)
{
    const int d = extension[offsetDataEnd];
    const int end = qMin(d, offsetChecksum);
    int i = offsetCollection;
    while (i < end) {
        const unsigned char header = extension[i];
        _EDID_CEA_DATA_BLOCK_INFO entry{};
        entry.tag = header >> 5;
        entry.length = qMin(header & 0x1F, offsetChecksum - (i + 1));
        entry.payload = extension + i + 1;
        const QByteArray whole = CEABlock::payloadBytes(entry, maxPayload);
        i += 1 + entry.length;

        // Only a tag 7 block carries an extended tag, and only when it has a payload.
        CEABlockType kind = CEA_UNKNOWN;
        if (entry.tag != 7)
            kind = CEABlock::getBlockType(static_cast<unsigned char>(entry.tag), 0);
        else if (entry.length > 0)
            kind = CEABlock::getBlockType(7, entry.payload[0]);

        CEABlock *block = nullptr;
        if (kind != CEA_UNKNOWN && CEABuilder::hasEditor(kind)) {
            if (CEABlock::getSubType(kind) != 0) {
                entry.payload += 1;
                entry.length -= 1;
            }
            const QString reason =
                CEABuilder::rawReason(kind, CEABlock::payloadBytes(entry, maxPayload));
            if (reason.isEmpty())
                block = new PendingBlock(kind, entry);
            else
                block = makeRawBlock(entry.tag, whole, reason, reference, working);
        } else {
            block = makeRawBlock(entry.tag, whole, QString(), reference, working);
        }
        connectBlock(block);
        placeBlock(block);
        ceaBlocks.append(block);
        loadedEnd = qMax(loadedEnd, i);
    }
    updateBlockList();
}

// The timing area: 18-byte units from offset d up to an all-zero one. A unit
// whose pixel clock (bytes 0-1) is set goes to the timing editor; any other
// is a display descriptor, kept whole in its own row after the timings.
void CEAExtensionBlock::loadTimingArea(unsigned char *image)
{
    const int units = EDIDGetCEATimingUnitCount(image);
    const unsigned char *first = image + 128 + image[128 + offsetDataEnd];
    QByteArray timings;
    QList<CEABlock *> kept;
    for (int u = 0; u < units; ++u) {
        const QByteArray unit(reinterpret_cast<const char *>(first) + timingSize * u, timingSize);
        const bool isTiming = unit[0] != 0 || unit[1] != 0;
        loadedUnits.append(isTiming);
        if (isTiming)
            timings += unit;
        else
            kept.append(new CEAKeptDescriptor(unit));
    }

    if (!timings.isEmpty()) {
        if (CEABlock *block = CEABuilder::make(CEA_DETAILED_TIMING)) {
            _EDID_CEA_DATA_BLOCK_INFO list{};
            list.length = timings.size() / timingSize;
            list.payload = reinterpret_cast<unsigned char *>(timings.data());
            block->initFields(list, reference, working);
            kept.prepend(block);
        }
    }
    for (CEABlock *block : kept) {
        connectBlock(block);
        placeBlock(block);
        ceaBlocks.append(block);
    }
    updateBlockList();
}

void CEAExtensionBlock::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    version = 3;
    ui->version3RB->setChecked(true);
    ui->monitorSupportWidget->resetFields(reference, working);
    ui->nativeDTDSB->setValue(0);

    // Out of the list first, so that nothing they emit while going reaches the assembly.
    const QList<CEABlock *> blocks = ceaBlocks;
    ceaBlocks.clear();
    for (CEABlock *block : blocks)
        deleteBlock(block);

    loaded.clear();
    loadedBlocks.clear();
    loadedTimings.clear();
    loadedDescriptors.clear();
    loadedUnits.clear();
    loadedEnd = offsetCollection;
    leftOutRows.clear();
    loadedLeftOut.clear();

    ui->Totalsize->setText(QStringLiteral("Total size = 0/%1").arg(dataBudget));
    ui->Totalsize->setStyleSheet(QString());
    updateBlockList();
    updateUI();
}

void CEAExtensionBlock::updateCEAExtension()
{
    if (working == nullptr)
        return;
    EDIDSetCEAHeaderTag(working);
    EDIDUpdateCEAVersion(version, working);
    ui->monitorSupportWidget->updateCEAMonitorSupport();
    if (reference != nullptr)
        HexaViewer::getInstance()->updateByteArray(reference, working, 128, 255);
    HexaViewer::getInstance()->setCEABasicInfo(getCEABasicInfo());
}

QByteArray CEAExtensionBlock::getEDIDData()
{
    bool warn = false;
    QByteArray data = assemble(&warn);
    if (warn && !warningOpen) {
        // The label is already red, so an assembly run while the box is open
        // does not ask again; an edit landing meanwhile is taken in below.
        warningOpen = true;
        QMessageBox::warning(this, tr("CEA extention warning"),
                             tr("CEA Extension size exceeded.\n"
                                "The blocks in red will not be added to the EDID."),
                             QMessageBox::Ok);
        warningOpen = false;
        data = assemble(&warn);
    }
    return data;
}

QByteArray CEAExtensionBlock::assemble(bool *warn)
{
    oversizeBlock = false;
    leftOutRows.clear();
    int count = 0;
    const QByteArray blocks = getEDIDDataBlocks(&count, 0, false);
    const QByteArray timings = getEDIDDataBlocks(&count, count, true);
    const QByteArray descriptors = keptDescriptors(&count, count);

    ui->Totalsize->setText(QStringLiteral("Total size = %1/%2").arg(count).arg(dataBudget));
    *warn = false;
    if (count > dataBudget || oversizeBlock) {
        *warn = ui->Totalsize->styleSheet().isEmpty();
        ui->Totalsize->setStyleSheet(QString::fromLatin1(overBudgetStyle));
    } else {
        ui->Totalsize->setStyleSheet(QString());
    }

    // Offsets 0 to 126: the loaded bytes stand where the content leaves them.
    QByteArray result = loaded.size() == 128 ? loaded.left(offsetChecksum)
                                             : QByteArray(offsetChecksum, '\0');
    result[0] = char(0x02);
    result[1] = static_cast<char>(version & 0xFF);
    result[3] = ui->monitorSupportWidget->getEDIDData().left(1).leftJustified(1, '\0').at(0);
    QByteArray lost;
    if (layOut(result, blocks, timings, descriptors, &lost)) {
        // The loaded bytes stand: what was left out at load and is unchanged
        // is still in them.
        for (const LeftOutRow &row : loadedLeftOut)
            leftOutRows.removeOne(row);
    }
    if (lost.count('\0') != lost.size())
        leftOutRows.append({tr("Bytes past the detailed timings"), lost});

    unsigned int sum = 0;
    for (char byte : result)
        sum += static_cast<unsigned char>(byte);
    result.append(static_cast<char>((256 - (sum % 256)) % 256));
    return result;
}

// Writes offset d, the data block collection and the timing area into offsets
// 2 to 126 of `out`, which holds the loaded bytes (zeros after a reset). While
// the blocks, timings and kept descriptors are those loaded, the loaded layout
// stands whole; when only the timing area changed, it is rewritten at the
// loaded d; otherwise blocks and timing area are written from offset 4. The
// loaded bytes past the old content follow the new content's end (see
// moveTail); what they cannot keep is stored in `lost`. True when the loaded
// layout stands.
bool CEAExtensionBlock::layOut(QByteArray &out, const QByteArray &blocks,
                               const QByteArray &timings, const QByteArray &descriptors,
                               QByteArray *lost) const
{
    const bool fromLoad = loaded.size() == 128;
    const int d0 = fromLoad ? static_cast<unsigned char>(loaded[offsetDataEnd]) : 0;
    const bool sameBlocks = fromLoad && blocks == loadedBlocks;
    const bool sameArea = fromLoad && timings == loadedTimings && descriptors == loadedDescriptors;
    const int area = timings.size() + descriptors.size();
    int d;
    int end;
    if (sameBlocks && sameArea) {
        d = d0;
        end = loadedEnd;
    } else {
        if (sameBlocks && d0 >= offsetCollection + loadedBlocks.size()
            && d0 + area <= offsetChecksum) {
            d = d0;
        } else {
            d = offsetCollection + blocks.size();
            put(out, offsetCollection, blocks);
        }
        put(out, d, arrangeUnits(timings, descriptors));
        end = d + area;
    }
    *lost = moveTail(out, d, end);
    out[offsetDataEnd] = static_cast<char>(d & 0xFF);
    return sameBlocks && sameArea;
}

// The loaded bytes past the old content (from the loaded end of the timing
// area to offset 126) move as far as the content's end moved, to `end`, and
// zeros fill the room they leave; every 18-byte slot from the new d then holds
// what it held. A byte is left out when it would pass offset 126 or change
// sides between slot and no slot: a slot pushed past offset 126 goes whole,
// and bytes no reader took for a slot do not become one. Returns the bytes
// left out.
QByteArray CEAExtensionBlock::moveTail(QByteArray &out, int d, int end) const
{
    for (int i = end; i < offsetChecksum; ++i)
        out[i] = '\0';
    QByteArray lost;
    if (loaded.size() != 128)
        return lost;
    const int d0 = static_cast<unsigned char>(loaded[offsetDataEnd]);
    const int from = qMin(loadedEnd, int(offsetChecksum));
    for (int i = from; i < offsetChecksum; ++i) {
        const int to = i + end - from;
        if (to < offsetChecksum && inTimingSlot(to, d) == inTimingSlot(i, d0))
            out[to] = loaded[i];
        else
            lost += loaded[i];
    }
    return lost;
}

// The timing area's units: in their loaded order while there are as many
// timings as loaded and every loaded descriptor is written; otherwise the
// timings first, then the kept descriptors.
QByteArray CEAExtensionBlock::arrangeUnits(const QByteArray &timings,
                                           const QByteArray &descriptors) const
{
    const int loadedTimingUnits = int(std::count(loadedUnits.begin(), loadedUnits.end(), true));
    if (timings.size() != loadedTimings.size() || descriptors != loadedDescriptors
        || timings.size() != timingSize * loadedTimingUnits
        || descriptors.size() != timingSize * (loadedUnits.size() - loadedTimingUnits))
        return timings + descriptors;
    QByteArray units;
    int t = 0;
    int k = 0;
    for (bool isTiming : loadedUnits) {
        if (isTiming) {
            units += timings.mid(t, timingSize);
            t += timingSize;
        } else {
            units += descriptors.mid(k, timingSize);
            k += timingSize;
        }
    }
    return units;
}

bool CEAExtensionBlock::isListedAtVersion(CEABlock *block) const
{
    return (version != 1 && version != 2) || block->isDetailedTimingList()
           || qobject_cast<CEAKeptDescriptor *>(block) != nullptr;
}

QByteArray CEAExtensionBlock::getEDIDDataBlocks(int *total, int start, bool timingPass)
{
    int running = start;
    QByteArray result;
    for (int i = 0; i < ceaBlocks.size(); ++i) {
        CEABlock *block = ceaBlocks.at(i);
        if (!isListedAtVersion(block))
            continue;
        const bool isTiming = block->isDetailedTimingList();
        if (isTiming != timingPass || qobject_cast<CEAKeptDescriptor *>(block) != nullptr)
            continue;

        QByteArray payload = block->getEDIDData();
        const int size = payload.size() + (isTiming ? 0 : 1);
        running += size;

        // A payload longer than the 5-bit length field cannot be written.
        bool rejected = running > dataBudget;
        if (!isTiming && payload.size() > maxPayload) {
            rejected = true;
            oversizeBlock = true;
        }
        if (!isTiming)
            payload.prepend(static_cast<char>(((block->getType() << 5) | payload.size()) & 0xFF));
        if (!rejected)
            result.append(payload);
        showRow(i, block, payload, size, !rejected);
    }
    if (total != nullptr)
        *total = running;
    return result;
}

// The display descriptors kept from the timing area, after the timings. A
// descriptor with content counts like a block; dummy descriptors are filler
// and take only the room left once everything else is placed.
QByteArray CEAExtensionBlock::keptDescriptors(int *total, int start)
{
    int running = start;
    QVector<bool> written(ceaBlocks.size(), false);
    for (bool filler : {false, true}) {
        for (int i = 0; i < ceaBlocks.size(); ++i) {
            auto *kept = qobject_cast<CEAKeptDescriptor *>(ceaBlocks.at(i));
            if (kept == nullptr || kept->isDummy() != filler)
                continue;
            if (!filler) {
                running += CEAKeptDescriptor::size;
                written[i] = running <= dataBudget;
            } else if (running + CEAKeptDescriptor::size <= dataBudget) {
                running += CEAKeptDescriptor::size;
                written[i] = true;
            }
            showRow(i, kept, kept->getEDIDData(), CEAKeptDescriptor::size, written[i], filler);
        }
    }
    QByteArray result;
    for (int i = 0; i < ceaBlocks.size(); ++i) {
        if (written[i])
            result += ceaBlocks.at(i)->getEDIDData();
    }
    if (total != nullptr)
        *total = running;
    return result;
}

// Row i as the assembly left it: white on dark grey when written; black on
// red when left out for lack of room (and named by leftOut()); grey when a
// dummy descriptor gave up its room.
void CEAExtensionBlock::showRow(int i, CEABlock *block, const QByteArray &content, int size,
                                bool written, bool givenUp)
{
    const QString text = QStringLiteral("%1 (size = %2)").arg(block->getDisplayName()).arg(size);
    if (!written && !givenUp)
        leftOutRows.append({block->getDisplayName(), content});
    QListWidgetItem *row = ui->listWidget->item(i);
    if (row == nullptr)
        return;
    row->setText(text);
    row->setToolTip(written || !givenUp ? QString() : tr("Not written: its room is used"));
    if (written) {
        row->setForeground(QBrush(Qt::white));
        row->setBackground(QBrush(QColor(33, 33, 33)));
    } else if (givenUp) {
        row->setForeground(QBrush(Qt::gray));
        row->setBackground(QBrush(QColor(33, 33, 33)));
    } else {
        row->setForeground(QBrush(Qt::black));
        row->setBackground(QBrush(Qt::red));
    }
}

QStringList CEAExtensionBlock::leftOut() const
{
    QStringList names;
    for (const LeftOutRow &row : leftOutRows)
        names << row.name;
    return names;
}

StringInfo CEAExtensionBlock::getCEABasicInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("CEA Extension Flag"), QStringLiteral("0x02")));
    rows.append(qMakePair(QStringLiteral("CEA Version"), QString::number(version)));
    return rows;
}

void CEAExtensionBlock::onBlockValueChanged()
{
    emit valueChanged();
}

void CEAExtensionBlock::updateUI()
{
    int row = ui->blockTypeList->currentRow();
    ui->blockTypeList->clear();
    ui->blockTypeList->setSelectionMode(QAbstractItemView::SingleSelection);

    if (version >= 1 && version <= 3) {
        const bool full = version != 1;
        ui->version1RB->setChecked(version == 1);
        ui->version2RB->setChecked(version == 2);
        ui->version3RB->setChecked(version == 3);
        ui->monitorSupportWidget->setEnabled(full);
        ui->nativeDTDLabel->setEnabled(full);
        ui->nativeDTDSB->setEnabled(full);
        ui->blockTypeWidget->setEnabled(true);
        ui->removeBlockButton->setEnabled(true);
        ui->addBlockButton->setEnabled(true);
        ui->blockListWidget->setEnabled(true);
        if (version == 3) {
            for (int kind = CEA_VIDEO; kind <= CEA_DETAILED_TIMING; ++kind)
                ui->blockTypeList->addItem(CEABlock::displayName[kind]);
        } else {
            ui->blockTypeList->addItem(CEABlock::displayName[CEA_DETAILED_TIMING]);
        }
    }

    updateBlockList();

    const int count = ui->blockTypeList->count();
    if (row >= count)
        row = count - 1;
    ui->blockTypeList->setCurrentRow(row);
}

void CEAExtensionBlock::updateBlockList()
{
    int row = ui->listWidget->currentRow();
    ui->listWidget->clear();
    for (CEABlock *block : ceaBlocks) {
        QListWidgetItem *item = new QListWidgetItem(block->getDisplayName(), ui->listWidget);
        item->setHidden(!isListedAtVersion(block));
    }
    const int count = ui->listWidget->count();
    if (row < 0 || row >= count)
        row = count - 1;
    ui->listWidget->setCurrentRow(row);
}

// The page and the label both report resizes: the picture is read once and
// scaled again only for a new box.
void CEAExtensionBlock::rescaleTuto()
{
    if (tutorial.isNull())
        tutorial.load(QString::fromLatin1(tutorialPicture));
    if (tutorial.isNull())
        return;
    const int w = qMax(ui->noBlockLabel->width(), 500);
    const int h = qMax(ui->noBlockLabel->height(), 500);
    const QSize box(w * 4 / 5, h * 4 / 5);
    if (box == tutorialBox)
        return;
    tutorialBox = box;
    ui->noBlockLabel->setPixmap(tutorial.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void CEAExtensionBlock::on_version1RB_clicked()
{
    if (version == 1)
        return;  // the version shown, chosen again
    version = 1;
    updateUI();
    ui->monitorSupportWidget->resetFields(reference, working);
    ui->monitorSupportWidget->updateCEAMonitorSupport();
    ui->nativeDTDSB->setValue(0);
    updateCEAExtension();
    emit valueChanged();
}

void CEAExtensionBlock::on_version2RB_clicked()
{
    if (version == 2)
        return;  // the version shown, chosen again
    version = 2;
    updateUI();
    updateCEAExtension();
    emit valueChanged();
}

void CEAExtensionBlock::on_version3RB_clicked()
{
    if (version == 3)
        return;  // the version shown, chosen again
    version = 3;
    updateUI();
    updateCEAExtension();
    emit valueChanged();
}

void CEAExtensionBlock::on_nativeDTDSB_editingFinished()
{
    ui->monitorSupportWidget->setNativeCount(static_cast<unsigned short>(ui->nativeDTDSB->value()));
}

void CEAExtensionBlock::on_addBlockButton_clicked()
{
    QListWidgetItem *item = ui->blockTypeList->currentItem();
    if (item == nullptr || ui->blockTypeList->currentRow() < 0)
        return;
    int kind = CEA_UNKNOWN;
    for (int row = 0; row < CEA_BLOCK_TYPE_COUNT; ++row) {
        if (CEABlock::displayName[row] == item->text()) {
            kind = row;
            break;
        }
    }
    if (kind == CEA_UNKNOWN)
        return;
    CEABlock *block = CEABuilder::make(kind);
    if (block == nullptr)
        return;
    block->resetFields(reference, working);
    connectBlock(block);
    placeBlock(block);
    ceaBlocks.append(block);

    ui->listWidget->setCurrentRow(ui->listWidget->count());
    updateBlockList();
    updateUI();
    emit valueChanged();
}

void CEAExtensionBlock::on_removeBlockButton_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (row < 0 || row >= ceaBlocks.size())
        return;
    deleteBlock(ceaBlocks.takeAt(row));
    updateBlockList();
    updateUI();
    emit valueChanged();
}

void CEAExtensionBlock::on_listWidget_currentRowChanged(int currentRow)
{
    editorAt(currentRow);
    if (currentRow < 0) {
        ui->noBlockLabel->show();
        helpBlock.hide();
    } else {
        ui->noBlockLabel->hide();
    }
    for (int i = 0; i < ceaBlocks.size(); ++i) {
        CEABlock *block = ceaBlocks.at(i);
        if (i == currentRow) {
            block->show();
            helpBlock.setHelpMessage(block->getHelpMessage());
            helpBlock.setVisible(block->displayHelpMessage());
            block->updateUI();
        } else {
            block->hide();
        }
    }
}

QList<CEABlock *> CEAExtensionBlock::getBlocks()
{
    for (int row = 0; row < ceaBlocks.size(); ++row)
        editorAt(row);
    return ceaBlocks;
}

// A block waiting for its first showing gets its editor here. An editor that
// would not hand back the loaded bytes exactly leaves the block raw.
CEABlock *CEAExtensionBlock::editorAt(int row)
{
    if (row < 0 || row >= ceaBlocks.size())
        return nullptr;
    auto *pending = dynamic_cast<PendingBlock *>(ceaBlocks.at(row));
    if (pending == nullptr)
        return ceaBlocks.at(row);

    const QByteArray bytes = pending->getEDIDData();
    const QString pendingName = pending->getDisplayName();
    CEABlock *editor = CEABuilder::make(pending->getBlockKind());
    if (editor != nullptr) {
        editor->initFields(pending->entry(), reference, working);
        if (editor->getEDIDData() != bytes) {
            qWarning("%s block kept raw: its editor would change it", qPrintable(pendingName));
            delete editor;
            editor = makeRawBlock(static_cast<unsigned int>(pending->getType()), bytes,
                                  tr("not editable, kept as loaded"), reference, working);
        }
    } else {
        editor = makeRawBlock(static_cast<unsigned int>(pending->getType()), bytes, QString(),
                              reference, working);
    }
    connectBlock(editor);
    placeBlock(editor);
    ceaBlocks[row] = editor;
    if (QListWidgetItem *item = ui->listWidget->item(row)) {
        if (item->text().startsWith(pendingName + QStringLiteral(" (")))
            item->setText(QStringLiteral("%1 (size = %2)")
                              .arg(editor->getDisplayName())
                              .arg(bytes.size() + 1));
    }
    deleteBlock(pending);
    return editor;
}

void CEAExtensionBlock::on_blockTypeList_currentRowChanged(int)
{
}

void CEAExtensionBlock::resizeEvent(QResizeEvent *)
{
    rescaleTuto();
}

bool CEAExtensionBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->noBlockLabel && event->type() == QEvent::Resize)
        rescaleTuto();
    return QWidget::eventFilter(watched, event);
}

void CEAExtensionBlock::connectBlock(CEABlock *block)
{
    connect(block, &CEABlock::displayHelp, &helpBlock, &QWidget::setVisible);
    connect(block, &CEABlock::valueChanged, this, &CEAExtensionBlock::onBlockValueChanged);
}

void CEAExtensionBlock::placeBlock(CEABlock *block)
{
    block->hide();
    // In front of the closing spacer: an editor narrower than the area stays
    // beside the block lists, and the room it cannot use goes to the right.
    auto *area = static_cast<QBoxLayout *>(ui->widget->layout());
    area->insertWidget(area->count() - 1, block, 1);
}

// The block must already be out of ceaBlocks. Its signals are cut before it
// is hidden, so that a field losing focus on the way cannot start an assembly.
void CEAExtensionBlock::deleteBlock(CEABlock *block)
{
    block->disconnect();
    ui->widget->layout()->removeWidget(block);
    block->hide();
    delete block;
}
