#include "ceaaudioshortblock.h"
#include "ui_ceaaudioshortblock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QStringListModel>

// Audio format codes 1-14 and, under code 15, the extension type codes
// 4-8 and 10 of CTA-861-F.
const CEAAudioShortBlock::AudioFormat CEAAudioShortBlock::audioFormatsCodes[audioFormatCount] = {
    {"Linear PCM", 1, 0, BitDepths},
    {"AC-3", 2, 0, MaxBitRate},
    {"MPEG-1", 3, 0, MaxBitRate},
    {"MP3", 4, 0, MaxBitRate},
    {"MPEG2", 5, 0, MaxBitRate},
    {"AAC", 6, 0, MaxBitRate},
    {"DTS", 7, 0, MaxBitRate},
    {"ATRAC", 8, 0, MaxBitRate},
    {"One Bit Audio", 9, 0, CodeDependent},
    {"Enhanced AC-3", 10, 0, CodeDependent},
    {"DTS-HD", 11, 0, CodeDependent},
    {"MAT", 12, 0, CodeDependent},
    {"DST", 13, 0, CodeDependent},
    {"WMA PRO", 14, 0, Profile},
    {"MPEG 4 HE AAC", 15, 4, FrameLengths},
    {"MPEG 4 HE AAC V2", 15, 5, FrameLengths},
    {"MPEG 4 AAC LC", 15, 6, FrameLengths},
    {"DRA", 15, 7, ExtensionOnly},
    {"MPEG 4 HE AAC + MPEG surround", 15, 8, FrameLengthsMps},
    {"MPEG 4 AAC LC + MPEG surround", 15, 10, FrameLengthsMps},
};

namespace {

const int extensionCode = 15;

using Form = Ui::CEAAudioShortBlock;

// Byte 1 bits 0-6.
QCheckBox *Form::*const rateBoxes[] = {
    &Form::freq32CB, &Form::freq44CB, &Form::freq48CB, &Form::freq88CB,
    &Form::freq96CB, &Form::freq176CB, &Form::freq192CB,
};

// The byte-2 groups, in the order of groupBoxes.
enum Group {
    Compressed = 1,
    NotCompressed = 2,
    CodeDependentGroup = 4,
    FrameLength = 8,
    ProfileGroup = 16,
    Mps = 32,
    AllGroups = 63,
};

QGroupBox *Form::*const groupBoxes[] = {
    &Form::compressedGB, &Form::notCompressedGB, &Form::audioFormatCodeGB,
    &Form::AACAudioLengthGB, &Form::profileGB, &Form::MPSGB,
};

// What a byte-2 layout enables, disables (the other groups keep their state)
// and which bits of byte 2 its widgets hold. The bits no widget holds
// (reserved bits, the extension type) change only with the format.
struct Layout {
    int enabled;
    int disabled;
    unsigned char owned;
};

// Indexed by CEAAudioShortBlock::LastByte.
const Layout layouts[] = {
    {0, AllGroups, 0x00},                                            // Unnamed
    {NotCompressed, AllGroups & ~NotCompressed, 0x07},               // BitDepths
    {Compressed, AllGroups & ~Compressed, 0xFF},                     // MaxBitRate
    {CodeDependentGroup, AllGroups & ~CodeDependentGroup, 0xFF},     // CodeDependent
    {ProfileGroup, AllGroups & ~ProfileGroup, 0x07},                 // Profile
    {FrameLength, AllGroups & ~FrameLength, 0x06},                   // FrameLengths
    {FrameLength | Mps, AllGroups & ~(FrameLength | Mps), 0x07},     // FrameLengthsMps
    {0, AllGroups, 0x00},                                            // ExtensionOnly
};
static_assert(sizeof layouts / sizeof layouts[0] == CEAAudioShortBlock::ExtensionOnly + 1,
              "one layout per LastByte value");

} // namespace

namespace {

QStringList formatNames()
{
    QStringList names;
    names.reserve(CEAAudioShortBlock::audioFormatCount + 1);
    for (const CEAAudioShortBlock::AudioFormat &format : CEAAudioShortBlock::audioFormatsCodes)
        names << QString::fromLatin1(format.name);
    return names;
}

} // namespace

QAbstractItemModel *CEAAudioShortBlock::audioFormatModel()
{
    static QPointer<QStringListModel> model;
    if (model.isNull())
        model = new QStringListModel(formatNames(), QCoreApplication::instance());
    return model.data();
}

CEAAudioShortBlock::CEAAudioShortBlock(QWidget *parent)
    : QWidget(parent), ui(new Ui::CEAAudioShortBlock), descriptor{0x09, 0x00, 0x00},
      unnamedModel(nullptr)
{
    ui->setupUi(this);
    ui->audioFormatCB->setModel(audioFormatModel());
    ui->audioFormatCB->setCurrentIndex(0);
}

CEAAudioShortBlock::~CEAAudioShortBlock()
{
    delete ui;
}

void CEAAudioShortBlock::initFields(const unsigned char *data, unsigned char *, unsigned char *)
{
    for (int i = 0; i < 3; ++i)
        descriptor[i] = data[i];
    updateUI();
}

void CEAAudioShortBlock::resetFields(unsigned char *, unsigned char *)
{
    descriptor[0] = 0x09;
    descriptor[1] = 0x00;
    descriptor[2] = 0x00;
    updateUI();
}

QByteArray CEAAudioShortBlock::getEDIDValue() const
{
    return QByteArray(reinterpret_cast<const char *>(descriptor), 3);
}

int CEAAudioShortBlock::rowOf(int code, int ext)
{
    for (int row = 0; row < audioFormatCount; ++row) {
        const AudioFormat &format = audioFormatsCodes[row];
        if (int(format.code) == code && (code != extensionCode || int(format.ext) == ext))
            return row;
    }
    return -1;
}

CEAAudioShortBlock::LastByte CEAAudioShortBlock::lastByteOf(int code, int ext)
{
    const int row = rowOf(code, ext);
    if (row >= 0)
        return audioFormatsCodes[row].lastByte;
    return Unnamed;
}

QString CEAAudioShortBlock::unnamedFormatText() const
{
    if (formatCode() == extensionCode)
        return tr("Format %1, extension %2").arg(extensionCode).arg(extensionType());
    return tr("Format %1").arg(formatCode());
}

// A format that no row names is shown by an entry of its own after the rows,
// in a model of this combo box alone, so that it is never shown as another.
void CEAAudioShortBlock::showFormat()
{
    QComboBox *combo = ui->audioFormatCB;
    const int row = formatRow();
    if (row >= 0) {
        if (combo->model() != audioFormatModel())
            combo->setModel(audioFormatModel());
        combo->setCurrentIndex(row);
        return;
    }
    if (unnamedModel == nullptr)
        unnamedModel = new QStringListModel(this);
    unnamedModel->setStringList(formatNames() << unnamedFormatText());
    if (combo->model() != unnamedModel)
        combo->setModel(unnamedModel);
    combo->setCurrentIndex(audioFormatCount);
}

quint8 CEAAudioShortBlock::lastByteBits(LastByte layout) const
{
    switch (layout) {
    case BitDepths:
        return quint8(ui->format16BitCB->isChecked() | (ui->format20BitCB->isChecked() << 1)
                      | (ui->format24BitCB->isChecked() << 2));
    case MaxBitRate:
        return quint8(ui->maxBitRateField->value() / 8);
    case CodeDependent:
        return quint8(ui->audioFormatDependSB->value());
    case Profile:
        return quint8(ui->profileSB->value() & 0x07);
    case FrameLengthsMps:
        return quint8((ui->AACFL1024CB->isChecked() << 2) | (ui->AACFL960CB->isChecked() << 1)
                      | ui->MPSCB->isChecked());
    case FrameLengths:
        return quint8((ui->AACFL1024CB->isChecked() << 2) | (ui->AACFL960CB->isChecked() << 1));
    case Unnamed:
    case ExtensionOnly:
        break;
    }
    return 0;
}

void CEAAudioShortBlock::updateUI()
{
    showFormat();

    const LastByte lastByte = lastByteOf(formatCode(), extensionType());
    const Layout &layout = layouts[lastByte];
    for (int g = 0; g < int(sizeof groupBoxes / sizeof groupBoxes[0]); ++g) {
        const int bit = 1 << g;
        if (layout.enabled & bit)
            (ui->*groupBoxes[g])->setEnabled(true);
        else if (layout.disabled & bit)
            (ui->*groupBoxes[g])->setEnabled(false);
    }

    const unsigned char last = descriptor[2];
    switch (lastByte) {
    case BitDepths:
        ui->format16BitCB->setChecked(last & 0x01);
        ui->format20BitCB->setChecked(last & 0x02);
        ui->format24BitCB->setChecked(last & 0x04);
        break;
    case MaxBitRate:
        ui->maxBitRateField->setValue(last * 8);
        break;
    case CodeDependent:
        ui->audioFormatDependSB->setValue(last);
        break;
    case Profile:
        ui->profileSB->setValue(last & 0x07);
        break;
    case FrameLengthsMps:
        ui->MPSCB->setChecked(last & 0x01);
        Q_FALLTHROUGH();
    case FrameLengths:
        ui->AACFL960CB->setChecked(last & 0x02);
        ui->AACFL1024CB->setChecked(last & 0x04);
        break;
    case Unnamed:
    case ExtensionOnly:
        break;
    }

    ui->nbOfChannelsSB->setValue((descriptor[0] & 0x07) + 1);
    for (int bit = 0; bit < 7; ++bit)
        (ui->*rateBoxes[bit])->setChecked(descriptor[1] & (1 << bit));
}

void CEAAudioShortBlock::updateEDIDLastByte()
{
    const LastByte lastByte = lastByteOf(formatCode(), extensionType());
    const unsigned char owned = layouts[lastByte].owned;
    descriptor[2] = static_cast<unsigned char>((descriptor[2] & ~owned) | (lastByteBits(lastByte) & owned));
}

void CEAAudioShortBlock::lastByteEdited()
{
    updateEDIDLastByte();
    emit valueChanged();
}

void CEAAudioShortBlock::setRate(int bit, bool checked)
{
    if (checked)
        descriptor[1] = static_cast<unsigned char>(descriptor[1] | (1 << bit));
    else
        descriptor[1] = static_cast<unsigned char>(descriptor[1] & ~(1 << bit));
    emit valueChanged();
}

void CEAAudioShortBlock::on_nbOfChannelsSB_editingFinished()
{
    descriptor[0] = static_cast<unsigned char>((descriptor[0] & ~0x07) | ((ui->nbOfChannelsSB->value() - 1) & 0x07));
    emit valueChanged();
}

void CEAAudioShortBlock::on_freq32CB_clicked(bool checked) { setRate(0, checked); }
void CEAAudioShortBlock::on_freq44CB_clicked(bool checked) { setRate(1, checked); }
void CEAAudioShortBlock::on_freq48CB_clicked(bool checked) { setRate(2, checked); }
void CEAAudioShortBlock::on_freq88CB_clicked(bool checked) { setRate(3, checked); }
void CEAAudioShortBlock::on_freq96CB_clicked(bool checked) { setRate(4, checked); }
void CEAAudioShortBlock::on_freq176CB_clicked(bool checked) { setRate(5, checked); }
void CEAAudioShortBlock::on_freq192CB_clicked(bool checked) { setRate(6, checked); }

void CEAAudioShortBlock::on_format16BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_format20BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_format24BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_maxBitRateField_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_audioFormatDependSB_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_AACFL960CB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_AACFL1024CB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_profileSB_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_MPSCB_clicked() { lastByteEdited(); }

// A new format takes byte 2 from the widgets of its family as they were left.
// The format already held picked again, or the entry of a format no row names,
// changes nothing.
void CEAAudioShortBlock::on_audioFormatCB_activated(int index)
{
    if (index < 0 || index >= audioFormatCount || index == formatRow())
        return;

    const AudioFormat &format = audioFormatsCodes[index];
    descriptor[0] = static_cast<unsigned char>((descriptor[0] & 0x87) | (format.code << 3));
    const quint8 ext = format.code == extensionCode ? quint8(format.ext << 3) : quint8(0);
    descriptor[2] = ext | lastByteBits(format.lastByte);
    updateUI();
    emit valueChanged();
}
