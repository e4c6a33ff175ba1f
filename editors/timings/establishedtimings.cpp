#include "establishedtimings.h"
#include "ui_establishedtimings.h"

#include <QCheckBox>
#include <QFont>

#include "edidwriter.h"
#include "hexaviewer.h"

namespace {

// Record fields of the three groups.
const int kFieldI = 0;          // byte 35 bits 7-0: fields 0-7
const int kFieldII = 9;         // byte 36 bits 7-0: fields 9-16
const int kFieldManufacturer = 18;  // byte 37 bit 7

} // namespace

EstablishedTimings::EstablishedTimings(QWidget *parent)
    : QGroupBox(parent),
      ui(new Ui::EstablishedTimings),
      establishedTimings(),
      reference(nullptr),
      working(nullptr),
      timingsI(),
      timingsII(),
      manufacturerTiming(0)
{
    ui->setupUi(this);

    QCheckBox *const first[8] = {ui->estabTimingI1, ui->estabTimingI2, ui->estabTimingI3,
                                 ui->estabTimingI4, ui->estabTimingI5, ui->estabTimingI6,
                                 ui->estabTimingI7, ui->estabTimingI8};
    QCheckBox *const second[8] = {ui->estabTimingII1, ui->estabTimingII2, ui->estabTimingII3,
                                  ui->estabTimingII4, ui->estabTimingII5, ui->estabTimingII6,
                                  ui->estabTimingII7, ui->estabTimingII8};
    for (int i = 0; i < 8; ++i) {
        boxesI[i] = first[i];
        boxesII[i] = second[i];
    }

    setStyleSheet("QGroupBox{border: 2px solid #EE8619; border-radius: 3px;}");
    ui->titleFrame->setStyleSheet("background-color: #EE8619; border-top-left-radius: 0px; "
                                  "border-top-right-radius: 0px; color: #212121; font: bold 11px");
    QFont titleFont("Arial Unicode MS");
    titleFont.setBold(true);
    titleFont.setPixelSize(11);
    ui->titleLabel->setFont(titleFont);
    ui->estab1Label->setFont(titleFont);
    ui->estab2Label->setFont(titleFont);
    ui->manufTimingLabel->setFont(titleFont);
    QFont boxFont("Arial Unicode MS");
    boxFont.setBold(false);
    boxFont.setPixelSize(12);
    for (int i = 0; i < 8; ++i) {
        boxesI[i]->setFont(boxFont);
        boxesII[i]->setFont(boxFont);
    }
    ui->manufTimingCB->setFont(boxFont);
}

EstablishedTimings::~EstablishedTimings()
{
    delete ui;
}

void EstablishedTimings::initFields(_EDID_ESTABLISHED_TIMINGS timings, unsigned char *reference,
                                    unsigned char *working)
{
    establishedTimings = timings;
    this->reference = reference;
    this->working = working;

    for (int i = 0; i < 8; ++i) {
        timingsI[i] = timings.timings[kFieldI + i] ? 1 : 0;
        timingsII[i] = timings.timings[kFieldII + i] ? 1 : 0;
    }
    manufacturerTiming = timings.timings[kFieldManufacturer] ? 1 : 0;

    for (int i = 0; i < 8; ++i)
        checkUncheck(timingsI[i], boxesI[i]);
    for (int i = 0; i < 8; ++i)
        checkUncheck(timingsII[i], boxesII[i]);
    checkUncheck(manufacturerTiming, ui->manufTimingCB);

    HexaViewer::getInstance()->setEstabTimingsStringInfo(getStringInfo());
}

void EstablishedTimings::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;

    for (int i = 0; i < 8; ++i)
        boxesI[i]->setChecked(false);
    for (int i = 0; i < 8; ++i)
        boxesII[i]->setChecked(false);
    ui->manufTimingCB->setChecked(false);

    for (int i = 0; i < 8; ++i) {
        timingsI[i] = 0;
        timingsII[i] = 0;
    }
    manufacturerTiming = 0;
    // The held record follows the boxes, so the first click after a reset
    // writes only what the boxes show.
    establishedTimings = _EDID_ESTABLISHED_TIMINGS();
}

void EstablishedTimings::checkUncheck(unsigned char flag, QCheckBox *box)
{
    box->setChecked(flag != 0);
}

Bool EstablishedTimings::supportTiming(bool checked)
{
    return checked ? 1 : 0;
}

QString EstablishedTimings::isCheckedToString(QCheckBox *box)
{
    return box->isChecked() ? "YES" : "no";
}

StringInfo EstablishedTimings::getStringInfo()
{
    StringInfo rows;
    rows << qMakePair(QString("Established Timings I"), QString("~"));
    for (QCheckBox *box : boxesI)
        rows << qMakePair(box->text(), isCheckedToString(box));
    rows << qMakePair(QString("Established Timings II"), QString("~"));
    for (QCheckBox *box : boxesII)
        rows << qMakePair(box->text(), isCheckedToString(box));
    rows << qMakePair(QString("Manufacturer Timing"), QString("~"));
    rows << qMakePair(ui->manufTimingCB->text(), isCheckedToString(ui->manufTimingCB));
    return rows;
}

// Writes the whole held record and repaints the clicked group's byte.
void EstablishedTimings::writeSection(int byte)
{
    if (working == nullptr)
        return;     // never loaded: there is no image to write
    EDIDUpdateEstablishedTimings(working, establishedTimings);
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->updateByteArray(reference, working, byte, byte);
    viewer->setEstabTimingsStringInfo(getStringInfo());
}

void EstablishedTimings::updateTimingsI()
{
    for (int i = 0; i < 8; ++i)
        establishedTimings.timings[kFieldI + i] = timingsI[i];
    writeSection(35);
}

void EstablishedTimings::updateTimingsII()
{
    for (int i = 0; i < 8; ++i)
        establishedTimings.timings[kFieldII + i] = timingsII[i];
    writeSection(36);
}

void EstablishedTimings::clickI(int k, bool checked)
{
    timingsI[k] = supportTiming(checked);
    updateTimingsI();
}

void EstablishedTimings::clickII(int k, bool checked)
{
    timingsII[k] = supportTiming(checked);
    updateTimingsII();
}

void EstablishedTimings::on_estabTimingI1_clicked(bool checked) { clickI(0, checked); }
void EstablishedTimings::on_estabTimingI2_clicked(bool checked) { clickI(1, checked); }
void EstablishedTimings::on_estabTimingI3_clicked(bool checked) { clickI(2, checked); }
void EstablishedTimings::on_estabTimingI4_clicked(bool checked) { clickI(3, checked); }
void EstablishedTimings::on_estabTimingI5_clicked(bool checked) { clickI(4, checked); }
void EstablishedTimings::on_estabTimingI6_clicked(bool checked) { clickI(5, checked); }
void EstablishedTimings::on_estabTimingI7_clicked(bool checked) { clickI(6, checked); }
void EstablishedTimings::on_estabTimingI8_clicked(bool checked) { clickI(7, checked); }
void EstablishedTimings::on_estabTimingII1_clicked(bool checked) { clickII(0, checked); }
void EstablishedTimings::on_estabTimingII2_clicked(bool checked) { clickII(1, checked); }
void EstablishedTimings::on_estabTimingII3_clicked(bool checked) { clickII(2, checked); }
void EstablishedTimings::on_estabTimingII4_clicked(bool checked) { clickII(3, checked); }
void EstablishedTimings::on_estabTimingII5_clicked(bool checked) { clickII(4, checked); }
void EstablishedTimings::on_estabTimingII6_clicked(bool checked) { clickII(5, checked); }
void EstablishedTimings::on_estabTimingII7_clicked(bool checked) { clickII(6, checked); }
void EstablishedTimings::on_estabTimingII8_clicked(bool checked) { clickII(7, checked); }

void EstablishedTimings::on_manufTimingCB_clicked(bool checked)
{
    establishedTimings.timings[kFieldManufacturer] = supportTiming(checked);
    writeSection(37);
}
