#include "ceavideocapability.h"
#include "ui_ceavideocapability.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringListModel>

namespace {

// Rows 1-3 of the scan behaviour combos: row = 2-bit field value.
const char *const scanBehaviourNames[3] = {
    "Always overscan",
    "Always underscan",
    "Support both over and underscan",
};

// Code 0 of the preferred-format field means no data; for the IT and CE
// fields it means that those formats are not supported (CTA-861-F).
enum ScanField { PreferredFormat, FormatFamily };

// One model per kind of scan field, shared by every editor; owned by the
// application object.
QAbstractItemModel *scanBehaviourModel(ScanField field)
{
    static QPointer<QStringListModel> models[2];
    QPointer<QStringListModel> &model = models[field];
    if (model.isNull()) {
        QStringList names(QString::fromLatin1(field == PreferredFormat ? "No data" : "Not supported"));
        for (const char *name : scanBehaviourNames)
            names << QString::fromLatin1(name);
        model = new QStringListModel(names, QCoreApplication::instance());
    }
    return model.data();
}

const int bitQY = 7;
const int bitQS = 6;
const int shiftPT = 4;
const int shiftIT = 2;
const int shiftCE = 0;

} // namespace

CEAVideoCapability::CEAVideoCapability(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEAVideoCapability),
      capabilityByte(CEABlock::getSubType(CEA_VIDEO_CAPABILITY), 1)
{
    ui->setupUi(this);
    type = CEA_VIDEO_CAPABILITY;
    helpVisible = false;
    helpMessage = tr("This block defines if the formats defined in this EDID support the "
                     "overscan, underscan or both.\n\nIt also let you define if the source can "
                     "override the pixel color range for the YCC and RGB formats.");

    ui->overUnderPrefFormat->setModel(scanBehaviourModel(PreferredFormat));
    ui->overUnderITFormat->setModel(scanBehaviourModel(FormatFamily));
    ui->overUnderCEFormat->setModel(scanBehaviourModel(FormatFamily));
    for (QComboBox *combo : {ui->overUnderPrefFormat, ui->overUnderITFormat, ui->overUnderCEFormat}) {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                &CEAVideoCapability::updateModel);
    }
    connect(ui->quantizationYCC, &QCheckBox::clicked, this, &CEAVideoCapability::updateModel);
    connect(ui->quantizationRGB, &QCheckBox::clicked, this, &CEAVideoCapability::updateModel);
}

CEAVideoCapability::~CEAVideoCapability()
{
    delete ui;
}

// The payload starts with the extended tag byte.
void CEAVideoCapability::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                    unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    capabilityByte.load(payloadBytes(info, 31));
    updateUI();
}

void CEAVideoCapability::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    capabilityByte.reset();
    updateUI();
    updateEDID();
}

QByteArray CEAVideoCapability::getEDIDData()
{
    return capabilityByte.data();
}

void CEAVideoCapability::updateUI()
{
    const int value = capabilityByte.byte(0);
    ui->quantizationYCC->setChecked((value >> bitQY) & 1);
    ui->quantizationRGB->setChecked((value >> bitQS) & 1);
    ui->overUnderPrefFormat->setCurrentIndex((value >> shiftPT) & 3);
    ui->overUnderITFormat->setCurrentIndex((value >> shiftIT) & 3);
    ui->overUnderCEFormat->setCurrentIndex((value >> shiftCE) & 3);
}

void CEAVideoCapability::updateModel()
{
    int value = 0;
    value |= (ui->quantizationYCC->isChecked() ? 1 : 0) << bitQY;
    value |= (ui->quantizationRGB->isChecked() ? 1 : 0) << bitQS;
    value |= (ui->overUnderPrefFormat->currentIndex() & 3) << shiftPT;
    value |= (ui->overUnderITFormat->currentIndex() & 3) << shiftIT;
    value |= (ui->overUnderCEFormat->currentIndex() & 3) << shiftCE;
    capabilityByte.setByte(0, static_cast<quint8>(value));
    emit valueChanged();
}

void CEAVideoCapability::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
