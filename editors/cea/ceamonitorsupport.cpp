#include "ceamonitorsupport.h"
#include "ui_ceamonitorsupport.h"

#include "hexaviewer.h"

namespace {

const unsigned short maxNativeCount = 0x0F;

_EDID_CEA_SUPPORT_INFO clearedSupport()
{
    _EDID_CEA_SUPPORT_INFO info{};
    info.underscan = false;
    info.basicAudio = false;
    info.ycbcr444 = false;
    info.ycbcr422 = false;
    info.nativeCount = 0;
    return info;
}

unsigned char encodeSupport(const _EDID_CEA_SUPPORT_INFO &info)
{
    unsigned char byte = 0;
    if (info.underscan)
        byte |= 0x80;
    if (info.basicAudio)
        byte |= 0x40;
    if (info.ycbcr444)
        byte |= 0x20;
    if (info.ycbcr422)
        byte |= 0x10;
    return static_cast<unsigned char>(byte | (info.nativeCount & 0x0F));
}

} // namespace

CEAMonitorSupport::CEAMonitorSupport(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::CEAMonitorSupport), reference(nullptr), working(nullptr),
      supportInfo(clearedSupport()), editedSupportInfo(clearedSupport())
{
    ui->setupUi(this);
}

CEAMonitorSupport::~CEAMonitorSupport()
{
    delete ui;
}

void CEAMonitorSupport::initFields(_EDID_CEA_SUPPORT_INFO info, unsigned char *reference,
                                   unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    info.nativeCount &= maxNativeCount;
    supportInfo = info;
    editedSupportInfo = info;
    showFlags();
    HexaViewer::getInstance()->setCEAMonitorSupportInfo(getMonitorSupportStringInfo());
}

void CEAMonitorSupport::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    editedSupportInfo = clearedSupport();
    showFlags();
}

void CEAMonitorSupport::updateCEAMonitorSupport()
{
    supportInfo = editedSupportInfo;
    if (working != nullptr) {
        EDIDUpdateMonitorSupport(supportInfo, working);
        if (reference != nullptr)
            HexaViewer::getInstance()->updateByteArray(reference, working, 128, 255);
    }
    HexaViewer::getInstance()->setCEAMonitorSupportInfo(getMonitorSupportStringInfo());
}

unsigned short CEAMonitorSupport::getNativeCount()
{
    return editedSupportInfo.nativeCount;
}

void CEAMonitorSupport::setNativeCount(const unsigned short &count)
{
    editedSupportInfo.nativeCount = qMin(count, maxNativeCount);
    updateCEAMonitorSupport();
}

StringInfo CEAMonitorSupport::getMonitorSupportStringInfo()
{
    StringInfo rows;
    rows.append(qMakePair(ui->underscanCB->text(), isCheckedToString(ui->underscanCB)));
    rows.append(qMakePair(ui->basicAudioCB->text(), isCheckedToString(ui->basicAudioCB)));
    rows.append(qMakePair(ui->ycrcb444CB->text(), isCheckedToString(ui->ycrcb444CB)));
    rows.append(qMakePair(ui->ycrcb422CB->text(), isCheckedToString(ui->ycrcb422CB)));
    rows.append(qMakePair(QStringLiteral("Native Detailed Timing Descriptors"),
                          QString::number(editedSupportInfo.nativeCount)));
    return rows;
}

QByteArray CEAMonitorSupport::getEDIDData()
{
    return QByteArray(1, static_cast<char>(encodeSupport(supportInfo)));
}

QString CEAMonitorSupport::isCheckedToString(QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("YES") : QStringLiteral("no");
}

void CEAMonitorSupport::on_underscanCB_clicked(bool checked)
{
    editedSupportInfo.underscan = checked;
    updateCEAMonitorSupport();
}

void CEAMonitorSupport::on_basicAudioCB_clicked(bool checked)
{
    editedSupportInfo.basicAudio = checked;
    updateCEAMonitorSupport();
}

void CEAMonitorSupport::on_ycrcb444CB_clicked(bool checked)
{
    editedSupportInfo.ycbcr444 = checked;
    updateCEAMonitorSupport();
}

void CEAMonitorSupport::on_ycrcb422CB_clicked(bool checked)
{
    editedSupportInfo.ycbcr422 = checked;
    updateCEAMonitorSupport();
}

void CEAMonitorSupport::showFlags()
{
    ui->underscanCB->setChecked(editedSupportInfo.underscan);
    ui->basicAudioCB->setChecked(editedSupportInfo.basicAudio);
    ui->ycrcb444CB->setChecked(editedSupportInfo.ycbcr444);
    ui->ycrcb422CB->setChecked(editedSupportInfo.ycbcr422);
}
