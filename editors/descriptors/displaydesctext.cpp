#include "displaydesctext.h"
#include "choice.h"

#include <QLineEdit>

#include <cstring>

#include "descriptorentry.h"
#include "edidwriter.h"
#include "validator.h"

namespace {

const int TextLength = 13;

bool isPrintable(char c)
{
    return c >= 0x20 && c <= 0x7E;
}

} // namespace

DisplayDescText::DisplayDescText(const Kind &kind, QWidget *parent)
    : QGroupBox(parent), kind(kind),
      // Printable ASCII only (0x20-0x7E): the descriptor holds ASCII text.
      asciiValidator(new Validator(QStringLiteral("[^ -~]"))),
      text(layoutText(QByteArray()))
{
}

DisplayDescText::~DisplayDescText()
{
    delete asciiValidator;
}

void DisplayDescText::attachField(QLineEdit *lineEdit)
{
    field = lineEdit;
    field->setValidator(asciiValidator);
}

QByteArray DisplayDescText::layoutText(const QByteArray &chars)
{
    QByteArray bytes = chars.left(TextLength);
    if (bytes.size() < TextLength) {
        bytes.append('\n');
        bytes.append(TextLength - bytes.size(), ' ');
    }
    return bytes;
}

QByteArray DisplayDescText::storedText() const
{
    return text;
}

void DisplayDescText::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;
    field->clear();
    text = layoutText(QByteArray());
}

void DisplayDescText::initFields(_EDID_MONITOR_DESC d, unsigned char *ref, unsigned char *work,
                                 int slot)
{
    reference = ref;
    working = work;
    index = slot;
    desc = d;

    // The decoded characters up to the first 0x0A (or NUL), at most 13. A byte
    // that is not printable ASCII cannot be typed in the field and is shown as '?'.
    QByteArray chars;
    for (int i = 0; i < TextLength && d.text.text[i] != '\0'; ++i)
        chars.append(isPrintable(d.text.text[i]) ? d.text.text[i] : '?');
    field->setText(QString::fromLatin1(chars));
    text = layoutText(chars);

    if (kind.writeOnLoad)
        writeText();
    DescriptorEntry::describe(index, getStringInfo());
}

void DisplayDescText::takeFieldText()
{
    // Finished without typing: the loaded bytes (padding included) stay.
    if (!takeTyping(field))
        return;
    // The validator keeps the field to printable ASCII: one byte per character.
    text = layoutText(field->text().toLatin1());
    writeText();
}

void DisplayDescText::writeText()
{
    if (!working)
        return;
    desc.type = kind.type;
    desc.kind = kind.type;
    memset(desc.text.text, 0, sizeof desc.text.text);
    memcpy(desc.text.text, text.constData(), TextLength);
    EDIDUpdateStringDataBlock(working, index, desc);
    DescriptorEntry::refresh(reference, working, index, getStringInfo());
}

StringInfo DisplayDescText::getStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), QString::fromLatin1(kind.tagName)));
    rows.append(qMakePair(QString::fromLatin1(kind.rowLabel), field->text()));
    return rows;
}
