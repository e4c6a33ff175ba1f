#include "ceakeptdescriptor.h"
#include "ui_ceakeptdescriptor.h"

#include "cearawblock.h"

namespace {

// Display descriptor tags (byte 3 of the descriptor).
struct DescriptorKind {
    int tag;
    const char *name;
    bool text;  // bytes 5-17 hold text ended by 0x0A
};

const DescriptorKind kinds[] = {
    {0xFF, "Serial number", true},
    {0xFE, "Data string", true},
    {0xFD, "Range limits", false},
    {0xFC, "Product name", true},
    {0xFB, "Color point", false},
    {0xFA, "Standard timing identifiers", false},
    {0xF9, "Color management", false},
    {0xF8, "CVT timing codes", false},
    {0xF7, "Established timings III", false},
    {0x10, "Dummy", false},
};

const DescriptorKind *findKind(int tag)
{
    for (const DescriptorKind &kind : kinds) {
        if (kind.tag == tag)
            return &kind;
    }
    return nullptr;
}

} // namespace

CEAKeptDescriptor::CEAKeptDescriptor(const QByteArray &bytes, CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAKeptDescriptor),
      bytes(bytes.left(size).leftJustified(size, '\0'))
{
    ui->setupUi(this);
    type = CEA_UNKNOWN;
    helpVisible = false;
    helpMessage = tr("A display descriptor found among the detailed timings, kept byte for "
                     "byte. While the timings are as many as loaded and every kept descriptor "
                     "is written, it stays in its loaded place among them; otherwise it is "
                     "written after them. Remove it to leave it out of the extension.");
    updateUI();
}

CEAKeptDescriptor::~CEAKeptDescriptor()
{
    delete ui;
}

int CEAKeptDescriptor::tag() const
{
    return static_cast<unsigned char>(bytes.at(3));
}

QString CEAKeptDescriptor::kindName(int tag)
{
    if (const DescriptorKind *kind = findKind(tag))
        return QString::fromLatin1(kind->name);
    return tag < 0x10 ? QStringLiteral("Manufacturer specified") : QStringLiteral("Reserved");
}

bool CEAKeptDescriptor::isDummy() const
{
    return tag() == 0x10;
}

QByteArray CEAKeptDescriptor::getEDIDData()
{
    return bytes;
}

QString CEAKeptDescriptor::getDisplayName()
{
    return QStringLiteral("%1 descriptor (kept)").arg(kindName(tag()));
}

void CEAKeptDescriptor::updateUI()
{
    ui->titleLabel->setText(getDisplayName());
    ui->rawDataField->setPlainText(CEARawBlock::hexText(bytes));
    const DescriptorKind *kind = findKind(tag());
    ui->textLabel->setVisible(kind != nullptr && kind->text);
    if (kind != nullptr && kind->text) {
        QByteArray text = bytes.mid(5);
        const int end = text.indexOf('\n');
        if (end >= 0)
            text.truncate(end);
        ui->textLabel->setText(tr("Text: \"%1\"").arg(QString::fromLatin1(text)));
    }
}

void CEAKeptDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
