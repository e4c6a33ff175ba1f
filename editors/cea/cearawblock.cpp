#include "cearawblock.h"
#include "ui_cearawblock.h"

namespace {

// CEA-861 data block tag codes (header bits 7-5).
const char *const tagNames[8] = {
    "Reserved",
    "Audio",
    "Video",
    "Vendor specific",
    "Speaker allocation",
    "VESA display transfer characteristic",
    "Reserved",
    "Extended tag",
};

// CEA-861 extended tag codes (first payload byte of a tag 7 block).
struct ExtTagName {
    int code;
    const char *name;
};

const ExtTagName extTagNames[] = {
    {0, "Video capability"},
    {1, "Vendor specific video"},
    {2, "VESA display device"},
    {3, "VESA video timing block extension"},
    {4, "Reserved for HDMI video"},
    {5, "Colorimetry"},
    {6, "HDR static metadata"},
    {7, "HDR dynamic metadata"},
    {8, "Native video resolution"},
    {13, "Video format preference"},
    {14, "YCbCr 4:2:0 Video"},
    {15, "YCbCr 4:2:0 capability map"},
    {16, "Reserved for CTA miscellaneous audio fields"},
    {17, "Vendor specific audio"},
    {18, "HDMI audio"},
    {19, "Room configuration"},
    {20, "Speaker location"},
    {32, "Info frame"},
    {34, "DisplayID type VII video timing"},
    {35, "DisplayID type VIII video timing"},
    {42, "DisplayID type X video timing"},
    {120, "HDMI Forum EDID extension override"},
    {121, "HDMI Forum sink capability"},
};

} // namespace

CEARawBlock::CEARawBlock(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEARawBlock), tag(0), extTag(-1)
{
    ui->setupUi(this);
    type = CEA_UNKNOWN;
    helpVisible = false;
    helpMessage = tr("This data block has no editor of its own. Its bytes are kept exactly "
                     "as they were read and written back in the same place. Remove it to "
                     "leave it out of the extension.");
    updateUI();
}

CEARawBlock::~CEARawBlock()
{
    delete ui;
}

QString CEARawBlock::blockName(int tag, int extTag)
{
    if (tag < 0 || tag > 7)
        return QStringLiteral("Reserved");
    if (tag != 7)
        return QString::fromLatin1(tagNames[tag]);
    if (extTag < 0)
        return QStringLiteral("Extended tag without code");
    for (const ExtTagName &entry : extTagNames) {
        if (entry.code == extTag)
            return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("Reserved extended tag");
}

QString CEARawBlock::hexText(const QByteArray &bytes)
{
    QString text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += (i % 8 == 0) ? QLatin1Char('\n') : QLatin1Char(' ');
        text += QStringLiteral("%1")
                    .arg(static_cast<unsigned char>(bytes.at(i)), 2, 16, QLatin1Char('0'))
                    .toUpper();
    }
    return text;
}

void CEARawBlock::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                             unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    tag = static_cast<int>(info.tag & 0x07);
    bytes = payloadBytes(info, 31);
    extTag = (tag == 7 && !bytes.isEmpty()) ? static_cast<unsigned char>(bytes.at(0)) : -1;
    updateUI();
}

void CEARawBlock::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    updateEDID();
}

QByteArray CEARawBlock::getEDIDData()
{
    return bytes;
}

QString CEARawBlock::getDisplayName()
{
    QString codes = extTag >= 0 ? QStringLiteral("tag %1, ext. tag %2").arg(tag).arg(extTag)
                                : QStringLiteral("tag %1").arg(tag);
    const QString name = QStringLiteral("Raw: %1 (%2)").arg(blockName(tag, extTag), codes);
    return reason.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, reason);
}

void CEARawBlock::setReason(const QString &why)
{
    reason = why;
    updateUI();
}

int CEARawBlock::getType()
{
    return tag;
}

int CEARawBlock::getSubType()
{
    return extTag < 0 ? 0 : extTag;
}

void CEARawBlock::updateUI()
{
    const char header = static_cast<char>((tag << 5) | bytes.size());
    ui->titleLabel->setText(getDisplayName());
    ui->rawDataField->setPlainText(hexText(QByteArray(1, header) + bytes));
}

void CEARawBlock::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
