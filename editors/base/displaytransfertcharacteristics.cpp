#include "displaytransfertcharacteristics.h"
#include "ui_displaytransfertcharacteristics.h"

#include "edidwriter.h"
#include "hexaviewer.h"
#include "validator.h"

DisplayTransfertCharacteristics::DisplayTransfertCharacteristics(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayTransfertCharacteristics), support(this),
      gammaValidator(new Validator(QStringLiteral("[^0-9.]")))
{
    ui->setupUi(this);
    ui->gammaField->setValidator(gammaValidator);
}

DisplayTransfertCharacteristics::~DisplayTransfertCharacteristics()
{
    delete ui;
    delete gammaValidator;
}

void DisplayTransfertCharacteristics::initFields(int DTC, Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    gamma = DTC;
    updateUI();
}

void DisplayTransfertCharacteristics::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    gamma = 100;
    updateUI();
}

void DisplayTransfertCharacteristics::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    updateUI();
}

void DisplayTransfertCharacteristics::updateUI()
{
    displayText(ui->gammaField, gamma / 100.0);
}

void DisplayTransfertCharacteristics::updateDisplayParameters()
{
    const int section = gamma;
    support.writeSection([section](Byte *image) { EDIDUpdateGamma(section, image); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

StringInfo DisplayTransfertCharacteristics::getStringInfo()
{
    StringInfo rows;
    rows << qMakePair(QStringLiteral("Gamma"), ui->gammaField->text());
    return rows;
}

QVariant DisplayTransfertCharacteristics::detectFormatError(QLineEdit *field, QVariant value,
                                                            QVariant minimum, QVariant maximum,
                                                            std::string message)
{
    return support.checkRange(field, value, minimum, maximum, QString::fromStdString(message));
}

void DisplayTransfertCharacteristics::displayText(QLineEdit *field, QVariant value)
{
    support.showValue(field, value);
}

void DisplayTransfertCharacteristics::on_gammaField_editingFinished()
{
    if (support.unchanged(ui->gammaField))
        return;
    const QVariant accepted = detectFormatError(ui->gammaField, PanelSupport::readDouble(ui->gammaField),
                                                1.0, 3.54, "Gamma must be in range of 1.00 to 3.54");
    gamma = PanelSupport::hundredths(accepted.toDouble());
    updateDisplayParameters();
}
