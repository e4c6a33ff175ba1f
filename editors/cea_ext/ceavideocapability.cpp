#include "ceavideocapability.h"
#include "ui_ceavideocapability.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringListModel>

namespace {

// Rows of the three scan behaviour combos: row = 2-bit field value.
const char *const scanBehaviourNames[4] = {
    "No data",
    "Always overscan",
    "Always underscan",
    "Support both over and underscan",
};

// One model for every scan behaviour combo; owned by the application object.
QAbstractItemModel *scanBehaviourModel()
{
    static QPointer<QStringListModel> model;
    if (model.isNull()) {
        QStringList names;
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

    for (QComboBox *combo : {ui->overUnderPrefFormat, ui->overUnderITFormat, ui->overUnderCEFormat}) {
        combo->setModel(scanBehaviourModel());
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
