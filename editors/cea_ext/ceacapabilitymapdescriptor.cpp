#include "ceacapabilitymapdescriptor.h"
#include "ui_ceacapabilitymapdescriptor.h"

#include <QListWidgetItem>

#include <algorithm>

#include "videoformatnames.h"

namespace {

// 31 payload bytes at most: the extended tag, then up to 30 bitmap bytes.
const int maxBitmapSize = 30;
// Data blocks end before byte 128 + d and before the checksum (byte 255).
const int offsetByte = 130;
const int lastCollectionEnd = 255;

// The short video descriptors of the first video data block of `image`, never
// read past the end of the block, of the data block collection or of byte 254.
QByteArray firstVideoDescriptors(const unsigned char *image)
{
    if (image == nullptr)
        return QByteArray();
    const CEABlockTags &video = CEABlock::ceaBlockTypeAssociation[CEA_VIDEO];
    unsigned char *header = nullptr;
    if (!EDIDSearchBlockTypeLL(image, video.tag, static_cast<unsigned int>(video.extTag), &header,
                               nullptr))
        return QByteArray();
    const int at = static_cast<int>(header - image);
    const int end = qMin(128 + image[offsetByte], lastCollectionEnd);
    const int count = qBound(0, end - (at + 1), *header & 0x1F);
    return QByteArray(reinterpret_cast<const char *>(header + 1), count);
}

// "k - name", with " (native)" when bit 7 flags it. Bit 7 is the native flag
// only for VIC 1-64 (bytes 129-192); bytes 193-255 are VICs of their own, 0
// and 128 are reserved. A code without a name of its own takes the last one.
QString descriptorText(int position, unsigned char svd)
{
    const QStringList &names = CEACapabilityMapDescriptor::formatListNames;
    const bool native = svd >= 129 && svd <= 192;
    const int vic = native ? (svd & 0x7F) : svd;
    const QString &name = vic >= 1 && vic < names.size() ? names.at(vic - 1) : names.last();
    QString text = QStringLiteral("%1 - %2").arg(position + 1).arg(name);
    if (native)
        text += QStringLiteral(" (native)");
    return text;
}

} // namespace

// The video format names, the catch-all in lower case.
const QStringList CEACapabilityMapDescriptor::formatListNames = [] {
    QStringList names;
    names.reserve(videoFormatNameCount);
    for (const char *name : videoFormatNames)
        names << QString::fromLatin1(name);
    names.last() = names.last().toLower();
    return names;
}();

CEACapabilityMapDescriptor::CEACapabilityMapDescriptor(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEACapabilityMapDescriptor), allFormats(false),
      keptBitmapSize(0), comboBuilt(false)
{
    ui->setupUi(this);
    type = CEA_YCBCR420_CAPABILITY_MAP;
    helpVisible = false;
    helpMessage = tr("This block defines which video descriptors support the YCbCr 4:2:0 sampling mode.\n\n"
                     "The video descriptors must be defined in a \"Video\" block first, then they will be "
                     "available to configure in this block.");
}

CEACapabilityMapDescriptor::~CEACapabilityMapDescriptor()
{
    delete ui;
}

// Bit b of bitmap byte i stands for position 8 x i + b. No bitmap byte at
// all: every short video descriptor supports 4:2:0.
void CEACapabilityMapDescriptor::initFields(_EDID_CEA_DATA_BLOCK_INFO info,
                                            unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;

    const QByteArray bitmap = payloadBytes(info, maxBitmapSize);
    allFormats = bitmap.isEmpty();
    keptBitmapSize = bitmap.size();
    indexList.clear();
    for (int i = 0; i < bitmap.size(); ++i)
        for (int bit = 0; bit < 8; ++bit)
            if (bitmap.at(i) & (1 << bit))
                indexList.append(8 * i + bit);

    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    updateEDID();
    updateUI();
}

// The extended tag, then the bitmap up to the byte of the last position (one
// zero byte for an empty map: the extended tag alone would mean every
// format), and at least as many bytes as were loaded.
QByteArray CEACapabilityMapDescriptor::getEDIDData()
{
    QByteArray data(1, static_cast<char>(getSubType()));
    if (allFormats)
        return data;
    int size = qMax(keptBitmapSize, 1);
    if (!indexList.isEmpty())
        size = qMax(size, indexList.last() / 8 + 1);
    QByteArray bitmap(qMin(size, maxBitmapSize), '\0');
    for (int p : indexList)
        if (p / 8 < bitmap.size())
            bitmap[p / 8] = static_cast<char>(bitmap.at(p / 8) | (1 << (p % 8)));
    return data + bitmap;
}

void CEACapabilityMapDescriptor::updateUI()
{
    rebuildFormatCombo();

    // A position past the video block's formats is kept, and marked.
    const QList<int> positions = shownPositions();
    const int formats = ui->definedFomatCombo->count();
    int row = ui->formatList->currentRow();
    ui->formatList->clear();
    for (int p : positions) {
        if (p < formats) {
            ui->formatList->addItem(ui->definedFomatCombo->itemText(p));
            continue;
        }
        markMissing(new QListWidgetItem(tr("%1 - (no such format in the video block)").arg(p + 1),
                                        ui->formatList),
                    true);
    }
    if (row >= positions.size())
        row = positions.size() - 1;
    ui->formatList->setCurrentRow(row);

    // An empty map is written (0F 00) but says that no format supports 4:2:0.
    ui->emptyMapLabel->setVisible(!allFormats && indexList.isEmpty());
}

// One row per short video descriptor of the working image's first video data
// block; rebuilt only when those bytes changed since the last time.
void CEACapabilityMapDescriptor::rebuildFormatCombo()
{
    const QByteArray descriptors = firstVideoDescriptors(working);
    if (comboBuilt && descriptors == shownDescriptors)
        return;
    comboBuilt = true;
    shownDescriptors = descriptors;

    QStringList rows;
    rows.reserve(descriptors.size());
    for (int k = 0; k < descriptors.size(); ++k)
        rows << descriptorText(k, static_cast<unsigned char>(descriptors.at(k)));

    QComboBox *combo = ui->definedFomatCombo;
    int row = combo->currentIndex();
    combo->clear();
    combo->addItems(rows);
    if (row < 0 && !rows.isEmpty())
        row = 0;
    if (row >= rows.size())
        row = rows.size() - 1;
    combo->setCurrentIndex(row);
}

QList<int> CEACapabilityMapDescriptor::shownPositions() const
{
    if (!allFormats)
        return indexList;
    QList<int> every;
    for (int p = 0; p < ui->definedFomatCombo->count(); ++p)
        every.append(p);
    return every;
}

void CEACapabilityMapDescriptor::setPositions(const QList<int> &positions)
{
    indexList = positions;
    std::sort(indexList.begin(), indexList.end());
    allFormats = false;
    keptBitmapSize = 0;
}

void CEACapabilityMapDescriptor::on_addButton_clicked()
{
    const int p = ui->definedFomatCombo->currentIndex();
    if (p < 0)
        return;
    QList<int> positions = shownPositions();
    if (positions.contains(p))
        return;
    positions.append(p);
    setPositions(positions);
    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::on_removeButton_clicked()
{
    const int q = ui->formatList->currentRow();
    QList<int> positions = shownPositions();
    if (q >= 0 && q < positions.size()) {
        positions.removeAt(q);
        setPositions(positions);
    }
    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
