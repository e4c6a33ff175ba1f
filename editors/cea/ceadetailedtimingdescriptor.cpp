#include "ceadetailedtimingdescriptor.h"
#include "ui_ceadetailedtimingdescriptor.h"

#include <cstring>

#include "detailedtimings.h"

namespace {
const int dtdSize = 18;
}

CEADetailedTimingDescriptor::CEADetailedTimingDescriptor(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEADetailedTimingDescriptor)
{
    ui->setupUi(this);
    type = CEA_DETAILED_TIMING;
    helpVisible = false;
    helpMessage = tr("This block defined a specific video format supported by the sink.");
    updateUI();
}

CEADetailedTimingDescriptor::~CEADetailedTimingDescriptor()
{
    delete ui;
}

void CEADetailedTimingDescriptor::initFields(_EDID_CEA_DATA_BLOCK_INFO info,
                                             unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;

    const int stride = subBlockSize[CEA_DETAILED_TIMING];
    int count = qMax(static_cast<int>(info.length), 0);
    if (info.payload == nullptr)
        count = 0;
    // Never read past the checksum byte of the image the payload lies in.
    for (unsigned char *image : {reference, working}) {
        if (image != nullptr && info.payload >= image && info.payload < image + 256) {
            const int room = static_cast<int>((image + 255) - info.payload);
            count = qMin(count, room / stride);
        }
    }

    for (int i = 0; i < count; ++i) {
        on_addDTDTabButton_clicked();
        _CEA_DETAILED_TIMINGS bytes;
        std::memcpy(bytes.bytes, info.payload + stride * i, dtdSize);
        dtdTabs.last()->initFields(bytes, reference, working, i, true);
    }
}

void CEADetailedTimingDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    for (int i = 0; i < dtdTabs.size(); ++i)
        dtdTabs[i]->resetFields(reference, working, i, true);
    updateEDID();
}

QByteArray CEADetailedTimingDescriptor::getEDIDData()
{
    QByteArray data;
    for (DetailedTimings *panel : dtdTabs)
        data += panel->getEdidData().leftJustified(dtdSize, '\0', true);
    return data;
}

void CEADetailedTimingDescriptor::updateUI()
{
}

void CEADetailedTimingDescriptor::on_addDTDTabButton_clicked()
{
    const int n = dtdTabs.size();
    DetailedTimings *panel = new DetailedTimings(nullptr);
    panel->resetFields(reference, working, n, true);
    connect(panel, &DetailedTimings::valueChanged, this, &CEABlock::onSubBlockValueChanged);
    dtdTabs.append(panel);
    ui->tabDTD->addTab(panel, QStringLiteral("DTD %1").arg(n + 1));
    emit valueChanged();
}

void CEADetailedTimingDescriptor::on_delDTDTabButton_clicked()
{
    const int i = ui->tabDTD->currentIndex();
    if (i >= 0 && i < dtdTabs.size()) {
        DetailedTimings *panel = dtdTabs.takeAt(i);
        // No late edit of the panel may reach the block once it is gone.
        panel->disconnect(this);
        ui->tabDTD->removeTab(i);
        panel->hide();
        delete panel;
        retitleTabs();
    }
    emit valueChanged();
}

void CEADetailedTimingDescriptor::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}

void CEADetailedTimingDescriptor::retitleTabs()
{
    for (int j = 0; j < ui->tabDTD->count(); ++j)
        ui->tabDTD->setTabText(j, QStringLiteral("DTD %1").arg(j + 1));
}
