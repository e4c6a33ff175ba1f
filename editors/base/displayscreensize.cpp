#include "displayscreensize.h"
#include "ui_displayscreensize.h"

#include <QDebug>

#include "edidwriter.h"
#include "hexaviewer.h"
#include "screensizefields.h"
#include "sectionrows.h"
#include "validator.h"

DisplayScreenSize::DisplayScreenSize(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::DisplayScreenSize), support(this), screen(support),
      sizeValidator(new Validator(QStringLiteral("[^0-9]")))
{
    ui->setupUi(this);
    screen.attach(ui);
    ui->hSizeField->setValidator(sizeValidator);
    ui->vSizeField->setValidator(sizeValidator);
}

DisplayScreenSize::~DisplayScreenSize()
{
    delete ui;
    delete sizeValidator;
}

void DisplayScreenSize::initFields(T_EDID_SCREEN_SIZE_RATIO screenSize, Byte *reference,
                                   Byte *working)
{
    support.setImages(reference, working);
    record = screenSize;
    screen.load(record);
    updateUI();
}

void DisplayScreenSize::resetFields(Byte *reference, Byte *working)
{
    support.setImages(reference, working);
    ui->landscapeRB->setChecked(true);
    screen.reset();
    updateUI();
}

void DisplayScreenSize::adaptToEDIDVersion(Word revision)
{
    this->revision = revision;
    if (revision != 4 && screen.kind != ScreenSizeFields::Size) {
        screen.kind = ScreenSizeFields::Size;
        screen.takeSizesFromImage();
    }
    updateUI();
}

void DisplayScreenSize::updateUI()
{
    ui->aspectRatioRB->setEnabled(revision == 4);
    screen.show(revision == 4 && screen.kind != ScreenSizeFields::Size);
}

void DisplayScreenSize::updateDisplayParameters()
{
    screen.store(record);
    const _EDID_SCREEN_SIZE_RATIO section = record;
    support.writeSection([section](Byte *image) { EDIDUpdateScreenSizeRatio(section, image); }, 20, 25,
                         &HexaViewer::setDisplayParamsStringInfo, getStringInfo());
}

StringInfo DisplayScreenSize::getStringInfo()
{
    return SectionRows::screenSize(ui, screen.kind);
}

QVariant DisplayScreenSize::detectFormatError(QLineEdit *field, QVariant value, QVariant minimum,
                                              QVariant maximum, std::string message)
{
    return support.checkRange(field, value, minimum, maximum, QString::fromStdString(message));
}

void DisplayScreenSize::displayText(QLineEdit *field, QVariant value)
{
    support.showValue(field, value);
}

void DisplayScreenSize::on_dimensionsRB_clicked(bool checked)
{
    if (screen.chooseDimensions(checked))
        updateDisplayParameters();
}

void DisplayScreenSize::on_aspectRatioRB_clicked(bool checked)
{
    if (screen.chooseAspectRatio(checked))
        updateDisplayParameters();
}

void DisplayScreenSize::on_hSizeField_editingFinished()
{
    if (screen.finishHSize())
        updateDisplayParameters();
}

void DisplayScreenSize::on_vSizeField_editingFinished()
{
    if (screen.finishVSize())
        updateDisplayParameters();
}

void DisplayScreenSize::on_portraitRB_clicked(bool checked)
{
    if (screen.chooseOrientation(ScreenSizeFields::Portrait, checked))
        updateDisplayParameters();
}

void DisplayScreenSize::on_landscapeRB_clicked(bool checked)
{
    if (screen.chooseOrientation(ScreenSizeFields::Landscape, checked))
        updateDisplayParameters();
}

void DisplayScreenSize::on_ratioField_editingFinished()
{
    qDebug().noquote() << QStringLiteral("value : ") + ui->ratioField->text();
    if (screen.finishRatio())
        updateDisplayParameters();
}
