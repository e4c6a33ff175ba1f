#include "ceahdmi14bvsdb.h"
#include "ui_ceahdmi14bvsdb.h"

#include <QSignalBlocker>

namespace {

using Form = Ui::CEAHdmi14bVsdb;

// Flags of the block: payload byte and bit of each check box.
struct FlagBox {
    QCheckBox *Form::*box;
    int byte;
    int bit;
};

const FlagBox flagBoxes[] = {
    {&Form::supportAICheckBox, 5, 7},
    {&Form::dc48CheckBox, 5, 6},
    {&Form::dc36CheckBox, 5, 5},
    {&Form::dc30CheckBox, 5, 4},
    {&Form::dcY444CheckBox, 5, 3},
    {&Form::dviDualCheckBox, 5, 0},
    {&Form::graphicCheckBox, 7, 0},
    {&Form::photoCheckBox, 7, 1},
    {&Form::cinemaCheckBox, 7, 2},
    {&Form::grameCheckBox, 7, 3},
};

// Values of the block: payload byte, and the bits that each spin box holds.
struct ValueBox {
    QSpinBox *Form::*box;
    int byte;
    int shift;
    unsigned char mask;   // after the shift
};

const ValueBox valueBoxes[] = {
    {&Form::phyAddressA, 3, 4, 0x0F},
    {&Form::phyAddressB, 3, 0, 0x0F},
    {&Form::phyAddressC, 4, 4, 0x0F},
    {&Form::phyAddressD, 4, 0, 0x0F},
    {&Form::tmdsClockValue, 6, 0, 0xFF},
    {&Form::pVideoLattency, 8, 0, 0xFF},
    {&Form::pAudioLattency, 9, 0, 0xFF},
    {&Form::iVideoLattency, 10, 0, 0xFF},
    {&Form::iAudioLattency, 11, 0, 0xFF},
};

const int withProgressiveLatency = 5;
const int withInterlacedLatency = 7;

// The optional parts in block order: each is written only when it and every
// part before it are checked, and the block then ends `optionalBytes` bytes
// after the physical address.
struct ChainBox {
    QGroupBox *Form::*box;
    int optionalBytes;
};

const ChainBox chainBoxes[] = {
    {&Form::capabilitiesGroupBox, 1},
    {&Form::tmdsClockGroupBox, 2},
    {&Form::contentTypeGroupBox, 3},
    {&Form::progressivGroupBox, withProgressiveLatency},
    {&Form::interlacedGroupBox, withInterlacedLatency},
};

const int fixedBytes = 5;                 // OUI and physical address
const int contentTypeByte = 7;
const unsigned char latencyPresent = 0x80;
const unsigned char interlacedLatencyPresent = 0x40;

const FlagBox &flagOf(const Form *form, const QCheckBox *box)
{
    for (const FlagBox &flag : flagBoxes)
        if (form->*flag.box == box)
            return flag;
    Q_UNREACHABLE();
}

const ValueBox &valueOf(const Form *form, const QSpinBox *box)
{
    for (const ValueBox &value : valueBoxes)
        if (form->*value.box == box)
            return value;
    Q_UNREACHABLE();
}

int hexDigit(QChar c)
{
    const char ch = c.toLatin1();
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// A hexadecimal number as strtoul reads it: blanks skipped, an optional 0x,
// then the digits up to the first other character (none: 0).
quint32 leadingHexNumber(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (text.midRef(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0)
        i += 2;
    quint32 value = 0;
    for (; i < text.size() && hexDigit(text.at(i)) >= 0; ++i)
        value = (value << 4) | static_cast<quint32>(hexDigit(text.at(i)));
    return value;
}

} // namespace

CEAHdmi14bVsdb::CEAHdmi14bVsdb(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAHdmi14bVsdb), vsdbBytes{}, keepLoaded(false)
{
    ui->setupUi(this);
    for (const ChainBox &chain : chainBoxes)
        connect(ui->*chain.box, &QGroupBox::clicked, this, [this] {
            keepLoaded = false;
            updateUI();
        });
}

CEAHdmi14bVsdb::~CEAHdmi14bVsdb()
{
    delete ui;
}

// The controls show the loaded bytes, and the parts that the block's length
// reaches are checked. Bytes past the block's length are 0.
void CEAHdmi14bVsdb::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    loadedBlock = payloadBytes(info, 31);
    keepLoaded = true;
    vsdbBytes.fill(0);
    for (int i = 0; i < qMin(loadedBlock.size(), vsdbSize); ++i)
        vsdbBytes[static_cast<size_t>(i)] = static_cast<unsigned char>(loadedBlock.at(i));

    showBytes();
    for (const ChainBox &chain : chainBoxes) {
        const QSignalBlocker quiet(ui->*chain.box);
        (ui->*chain.box)->setChecked(loadedBlock.size() >= fixedBytes + chain.optionalBytes);
    }
    updateUI();
}

void CEAHdmi14bVsdb::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    loadedBlock.clear();
    keepLoaded = false;
    vsdbBytes.fill(0);
    showBytes();
    updateEDID();
    updateUI();
}

int CEAHdmi14bVsdb::optionalBytes() const
{
    int n = 0;
    for (const ChainBox &chain : chainBoxes) {
        if (!(ui->*chain.box)->isChecked())
            break;
        n = chain.optionalBytes;
    }
    return n;
}

QByteArray CEAHdmi14bVsdb::getEDIDData()
{
    if (keepLoaded)
        return loadedBlock;
    const int n = optionalBytes();
    QByteArray data(reinterpret_cast<const char *>(vsdbBytes.data()), fixedBytes + n);
    if (data.size() > contentTypeByte) {
        unsigned char flags = vsdbBytes[contentTypeByte] & ~(latencyPresent | interlacedLatencyPresent);
        if (n >= withProgressiveLatency)
            flags |= latencyPresent;
        if (n >= withInterlacedLatency)
            flags |= interlacedLatencyPresent;
        data[contentTypeByte] = static_cast<char>(flags);
    }
    return data;
}

// A part of the chain can be checked once every part before it is.
void CEAHdmi14bVsdb::updateUI()
{
    bool reachable = true;
    for (const ChainBox &chain : chainBoxes) {
        (ui->*chain.box)->setEnabled(reachable);
        reachable = reachable && (ui->*chain.box)->isChecked();
    }
    updateEDID();
}

void CEAHdmi14bVsdb::showBytes()
{
    const quint32 oui = vsdbBytes[0] | (vsdbBytes[1] << 8) | (vsdbBytes[2] << 16);
    {
        const QSignalBlocker quiet(ui->regIDField);
        ui->regIDField->setText(QStringLiteral("%1").arg(oui, 8, 16, QLatin1Char('0')).toUpper());
    }
    for (const FlagBox &flag : flagBoxes)
        (ui->*flag.box)->setChecked((vsdbBytes[static_cast<size_t>(flag.byte)] >> flag.bit) & 1);
    for (const ValueBox &value : valueBoxes) {
        const QSignalBlocker quiet(ui->*value.box);
        (ui->*value.box)->setValue((vsdbBytes[static_cast<size_t>(value.byte)] >> value.shift) & value.mask);
    }
}

void CEAHdmi14bVsdb::setFlag(const QCheckBox *box, bool checked)
{
    const FlagBox &flag = flagOf(ui, box);
    const unsigned char mask = static_cast<unsigned char>(1u << flag.bit);
    setBits(flag.byte, mask, checked ? mask : 0);
}

void CEAHdmi14bVsdb::setValue(const QSpinBox *box, int value)
{
    const ValueBox &field = valueOf(ui, box);
    setBits(field.byte, static_cast<unsigned char>(field.mask << field.shift),
            static_cast<unsigned char>((value & field.mask) << field.shift));
}

void CEAHdmi14bVsdb::setBits(int byte, unsigned char mask, unsigned char value)
{
    unsigned char &target = vsdbBytes[static_cast<size_t>(byte)];
    target = static_cast<unsigned char>((target & ~mask) | (value & mask));
    keepLoaded = false;
    updateEDID();
}

void CEAHdmi14bVsdb::on_regIDField_textChanged(const QString &arg1)
{
    const quint32 oui = leadingHexNumber(arg1);
    vsdbBytes[0] = oui & 0xFF;
    vsdbBytes[1] = (oui >> 8) & 0xFF;
    vsdbBytes[2] = (oui >> 16) & 0xFF;
    keepLoaded = false;
    updateEDID();
}

void CEAHdmi14bVsdb::on_phyAddressA_valueChanged(int arg1)
{
    setValue(ui->phyAddressA, arg1);
}

void CEAHdmi14bVsdb::on_phyAddressB_valueChanged(int arg1)
{
    setValue(ui->phyAddressB, arg1);
}

void CEAHdmi14bVsdb::on_phyAddressC_valueChanged(int arg1)
{
    setValue(ui->phyAddressC, arg1);
}

void CEAHdmi14bVsdb::on_phyAddressD_valueChanged(int arg1)
{
    setValue(ui->phyAddressD, arg1);
}

void CEAHdmi14bVsdb::on_supportAICheckBox_clicked(bool checked)
{
    setFlag(ui->supportAICheckBox, checked);
}

void CEAHdmi14bVsdb::on_dc48CheckBox_clicked(bool checked)
{
    setFlag(ui->dc48CheckBox, checked);
}

void CEAHdmi14bVsdb::on_dc36CheckBox_clicked(bool checked)
{
    setFlag(ui->dc36CheckBox, checked);
}

void CEAHdmi14bVsdb::on_dc30CheckBox_clicked(bool checked)
{
    setFlag(ui->dc30CheckBox, checked);
}

void CEAHdmi14bVsdb::on_dcY444CheckBox_clicked(bool checked)
{
    setFlag(ui->dcY444CheckBox, checked);
}

void CEAHdmi14bVsdb::on_dviDualCheckBox_clicked(bool checked)
{
    setFlag(ui->dviDualCheckBox, checked);
}

void CEAHdmi14bVsdb::on_tmdsClockValue_valueChanged(int arg1)
{
    setValue(ui->tmdsClockValue, arg1);
}

void CEAHdmi14bVsdb::on_graphicCheckBox_clicked(bool checked)
{
    setFlag(ui->graphicCheckBox, checked);
}

void CEAHdmi14bVsdb::on_photoCheckBox_clicked(bool checked)
{
    setFlag(ui->photoCheckBox, checked);
}

void CEAHdmi14bVsdb::on_cinemaCheckBox_clicked(bool checked)
{
    setFlag(ui->cinemaCheckBox, checked);
}

void CEAHdmi14bVsdb::on_grameCheckBox_clicked(bool checked)
{
    setFlag(ui->grameCheckBox, checked);
}

void CEAHdmi14bVsdb::on_pVideoLattency_valueChanged(int arg1)
{
    setValue(ui->pVideoLattency, arg1);
}

void CEAHdmi14bVsdb::on_pAudioLattency_valueChanged(int arg1)
{
    setValue(ui->pAudioLattency, arg1);
}

void CEAHdmi14bVsdb::on_iVideoLattency_valueChanged(int arg1)
{
    setValue(ui->iVideoLattency, arg1);
}

void CEAHdmi14bVsdb::on_iAudioLattency_valueChanged(int arg1)
{
    setValue(ui->iAudioLattency, arg1);
}
