#include "ceadetailedtimingdescriptor.h"
#include "ui_ceadetailedtimingdescriptor.h"

#include <QVBoxLayout>
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

    // A tab's panel is built when the tab is first shown; until then the
    // tab hands back its loaded bytes.
    for (int i = 0; i < count; ++i)
        addTab(QByteArray(reinterpret_cast<const char *>(info.payload) + stride * i, dtdSize));
    panelAt(ui->tabDTD->currentIndex());
    emit valueChanged();
}

void CEADetailedTimingDescriptor::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    for (int i = 0; i < dtdTabs.size(); ++i)
        panelAt(i)->resetFields(reference, working, i, true);
    updateEDID();
}

QByteArray CEADetailedTimingDescriptor::getEDIDData()
{
    QByteArray data;
    for (const Tab &tab : dtdTabs)
        data += tab.panel ? tab.panel->getEdidData().leftJustified(dtdSize, '\0', true) : tab.bytes;
    return data;
}

DetailedTimings *CEADetailedTimingDescriptor::panelAt(int i)
{
    if (i < 0 || i >= dtdTabs.size())
        return nullptr;
    Tab &tab = dtdTabs[i];
    if (tab.panel == nullptr) {
        tab.panel = new DetailedTimings(tab.page);
        tab.page->layout()->addWidget(tab.panel);
        if (tab.bytes.isEmpty()) {
            tab.panel->resetFields(reference, working, i, true);
        } else {
            _CEA_DETAILED_TIMINGS timing;
            std::memcpy(timing.bytes, tab.bytes.constData(), dtdSize);
            tab.panel->initFields(timing, reference, working, i, true);
        }
        connect(tab.panel, &DetailedTimings::valueChanged, this, &CEABlock::onSubBlockValueChanged);
    }
    return tab.panel;
}

void CEADetailedTimingDescriptor::updateUI()
{
}

void CEADetailedTimingDescriptor::addTab(const QByteArray &bytes)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    dtdTabs.append(Tab{page, nullptr, bytes});
    ui->tabDTD->addTab(page, QStringLiteral("DTD %1").arg(dtdTabs.size()));
}

void CEADetailedTimingDescriptor::on_addDTDTabButton_clicked()
{
    addTab(QByteArray());
    panelAt(dtdTabs.size() - 1);
    emit valueChanged();
}

void CEADetailedTimingDescriptor::on_tabDTD_currentChanged(int index)
{
    panelAt(index);
}

void CEADetailedTimingDescriptor::on_delDTDTabButton_clicked()
{
    const int i = ui->tabDTD->currentIndex();
    if (i >= 0 && i < dtdTabs.size()) {
        const Tab tab = dtdTabs.takeAt(i);
        // No late edit of the panel may reach the block once it is gone.
        if (tab.panel != nullptr)
            tab.panel->disconnect(this);
        ui->tabDTD->removeTab(i);
        tab.page->hide();
        delete tab.page;
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
