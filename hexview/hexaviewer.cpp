#include "hexaviewer.h"
#include "ui_hexaviewer.h"

#include <QColor>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QTableWidgetItem>

namespace {

constexpr int kBytes = 256;
constexpr int kColumns = 16;
constexpr int kChecksumByte = 127;
const QColor kIdleBackground(QStringLiteral("#ADADAE"));
const QColor kHighlightBackground(Qt::white);
const QColor kChangedText(255, 0, 0);
const QColor kUnchangedText(Qt::black);

// Tool tip of every cell: the EDID field its byte belongs to.
struct ByteField
{
    int first;
    int last;
    const char *name;
};

const ByteField kByteFields[] = {
    {0, 7, "Header"},
    {8, 9, "ID Manufacturer Name"},
    {10, 11, "ID Product Code"},
    {12, 15, "ID Serial Number"},
    {16, 16, "Week of Manufacture"},
    {17, 17, "Year of Manufacture"},
    {18, 18, "EDID Version Number"},
    {19, 19, "EDID Revision Number"},
    {20, 20, "Video Input Definition"},
    {21, 21, "H. Screen Size"},
    {22, 22, "V. Screen Size"},
    {23, 23, "Gamma"},
    {24, 24, "Feature Support"},
    {25, 34, "Color Characteristics"},
    {35, 36, "Established Timings"},
    {37, 37, "Manufacturer Timing"},
    {38, 53, "Standard Timings"},
    {54, 71, "Preferred Timing Block"},
    {72, 89, "Descriptor Block 2"},
    {90, 107, "Descriptor Block 3"},
    {108, 125, "Descriptor Block 4"},
    {126, 126, "Extension count"},
    {127, 127, "Checksum"},
    {128, 255, "Extension Data"},
};

// Which description a click on a byte shows. The extension area is described
// as a whole unless it holds a CEA-861 block.
enum class Extension { Any, Absent, CEA };

struct ClickSection
{
    int first;
    int last;
    Extension when;
    void (HexaViewer::*show)();
};

const ClickSection kClickSections[] = {
    {0, 7, Extension::Any, &HexaViewer::displayHeaderInfo},
    {8, 17, Extension::Any, &HexaViewer::displayVendorProductIDInfo},
    {18, 19, Extension::Any, &HexaViewer::displayVersionRevisionInfo},
    {20, 24, Extension::Any, &HexaViewer::displayDisplayParameters},
    {25, 34, Extension::Any, &HexaViewer::displayColorCharactInfo},
    {35, 37, Extension::Any, &HexaViewer::displayEstabTimingsInfo},
    {38, 53, Extension::Any, &HexaViewer::displayStandTimingsInfo},
    {54, 71, Extension::Any, &HexaViewer::displayDetailedTimingsInfo},
    {72, 89, Extension::Any, &HexaViewer::displayMonitorDescBlock2Info},
    {90, 107, Extension::Any, &HexaViewer::displayMonitorDescBlock3Info},
    {108, 125, Extension::Any, &HexaViewer::displayMonitorDescBlock4Info},
    {126, 126, Extension::Any, &HexaViewer::displayExtensionBlockCountInfo},
    {127, 127, Extension::Any, &HexaViewer::displayChecksumInfo},
    {128, 255, Extension::Absent, &HexaViewer::displayCEAExtensionInfo},
    {128, 130, Extension::CEA, &HexaViewer::displayCEABasicInfo},
    {131, 131, Extension::CEA, &HexaViewer::displayCEAMonitorSupportInfo},
    {132, 253, Extension::CEA, &HexaViewer::displayCEADataBlockInfo},
    {254, 254, Extension::CEA, &HexaViewer::displayPaddingBlockInfo},
    {255, 255, Extension::CEA, &HexaViewer::displayChecksumInfo},
};

QString hexText(u8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// One 8-bit character as text: nothing for NUL, the replacement character
// for bytes that are not ASCII.
QString asciiText(int value)
{
    if (value == 0)
        return QString();
    const char c = static_cast<char>(value);
    return QString::fromUtf8(&c, 1);
}

} // namespace

HexaViewer *HexaViewer::instance = nullptr;

HexaViewer *HexaViewer::getInstance()
{
    if (!instance)
        instance = new HexaViewer();
    return instance;
}

HexaViewer::HexaViewer(QWidget *parent)
    : QWidget(parent), ui(new Ui::HexaViewer), floatingViewer(nullptr), isCEA(false),
      highlightFrom(0), highlightTo(0)
{
    ui->setupUi(this);

    QTableWidget *table = ui->displayByteArray;
    table->horizontalHeader()->setEnabled(false);
    table->verticalHeader()->setEnabled(false);

    for (const ByteField &field : kByteFields) {
        for (int i = field.first; i <= field.last; ++i) {
            auto *cell = new QTableWidgetItem();
            cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            cell->setBackground(kIdleBackground);
            cell->setToolTip(tr(field.name));
            table->setItem(i / kColumns, i % kColumns, cell);
        }
    }

    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

HexaViewer::~HexaViewer()
{
    // The holder of the viewer may destroy it; the next getInstance() then
    // builds a fresh one instead of handing out a dangling pointer.
    if (instance == this)
        instance = nullptr;
    delete ui;
}

// ---------------------------------------------------------------------------
// Byte table

void HexaViewer::displayByteArray(u8 *image)
{
    if (!image)
        return;
    QTableWidget *table = ui->displayByteArray;
    for (int i = 0; i < kBytes; ++i) {
        QTableWidgetItem *cell = table->item(i / kColumns, i % kColumns);
        cell->setText(hexText(image[i]));
        cell->setForeground(kUnchangedText);
    }
    floatingViewer.displayArray(image);

    table->clearSelection();
    table->item(0, 0)->setSelected(true);
    displayHeaderInfo();
}

void HexaViewer::updateByteArray(u8 *reference, u8 *working, int first, int last)
{
    if (!reference || !working)
        return;
    const int from = qMax(first, 0);
    const int to = qMin(last, kBytes - 1);
    for (int i = from; i <= to; ++i)
        updateCell(reference, working, i);
    updateCell(reference, working, kChecksumByte);

    floatingViewer.updateByteArray(reference, working, first, last);

    const int row = ui->displayByteArray->currentRow();
    const int column = ui->displayByteArray->currentColumn();
    if (row >= 0 && column >= 0)
        on_displayByteArray_cellClicked(row, column);
}

void HexaViewer::updateCell(const u8 *reference, const u8 *working, int index)
{
    QTableWidgetItem *cell = ui->displayByteArray->item(index / kColumns, index % kColumns);
    cell->setText(hexText(working[index]));
    cell->setForeground(working[index] != reference[index] ? kChangedText : kUnchangedText);
}

void HexaViewer::saveByteArray()
{
    for (int i = 0; i < kBytes; ++i)
        ui->displayByteArray->item(i / kColumns, i % kColumns)->setForeground(kUnchangedText);
}

void HexaViewer::setIsCEA(bool isCEA)
{
    this->isCEA = isCEA;
}

void HexaViewer::setCellsBackground(int from, int to, const QColor &colour)
{
    from = qMax(from, 0);
    to = qMin(to, kBytes);
    for (int i = from; i < to; ++i)
        ui->displayByteArray->item(i / kColumns, i % kColumns)->setBackground(colour);
}

void HexaViewer::highlight(int from, int to)
{
    setCellsBackground(highlightFrom, highlightTo, kIdleBackground);
    setCellsBackground(from, to, kHighlightBackground);
    highlightFrom = from;
    highlightTo = to;
}

void HexaViewer::on_displayByteArray_cellClicked(int row, int column)
{
    QTableWidgetItem *cell = ui->displayByteArray->item(row, column);
    if (!cell)
        return;

    const int byte = kColumns * row + column;
    for (const ClickSection &section : kClickSections) {
        if (byte < section.first || byte > section.last)
            continue;
        if (section.when == Extension::Absent && isCEA)
            continue;
        if (section.when == Extension::CEA && !isCEA)
            continue;
        (this->*section.show)();
        break;
    }
    // The extension checksum shares the base checksum's description; mark
    // the byte that was clicked.
    if (isCEA && byte == kBytes - 1)
        highlight(byte, byte + 1);

    const QString text = cell->text();
    const int value = text.isEmpty() ? 0 : text.toInt(nullptr, 16);
    ui->hexaValueField->setText(text);
    ui->decValueField->setText(QString::number(value));
    ui->asciiValueField->setText(asciiText(value));
}

// ---------------------------------------------------------------------------
// Floating copy

void HexaViewer::openFloatingWindow(QString styleSheet)
{
    floatingViewer.setStyleSheet(styleSheet);
    floatingViewer.setRaised(true);
    floatingViewer.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    floatingViewer.show();
}

void HexaViewer::closeFloatingWindow()
{
    floatingViewer.setRaised(false);
    floatingViewer.close();
}

void HexaViewer::raiseFloatingWindow(bool show)
{
    if (!floatingViewer.isRaised())
        return;
    setFocus();
    if (show)
        floatingViewer.show();
    else
        floatingViewer.hide();
}

// ---------------------------------------------------------------------------
// Section descriptions

void HexaViewer::storeRows(const StringInfo &rows, QStringList &labels, QStringList &values)
{
    labels.clear();
    values.clear();
    for (const auto &row : rows) {
        labels.append(row.first);
        values.append(row.second);
    }
}

void HexaViewer::setViewModel(QListView *view, QAbstractItemModel *model)
{
    if (view->model() == model)
        return;
    // Each setModel() gives the view a new selection model; drop the old one.
    QItemSelectionModel *old = view->selectionModel();
    view->setModel(model);
    if (old && old != view->selectionModel())
        delete old;
}

void HexaViewer::showSection(int first, int end, const QString &title, const QString &size,
                             const QStringList &labels, const QStringList &values)
{
    highlight(first, end);
    ui->blockName->setText(title);
    ui->nbOfBytesLabel->setText(size);
    descModel.setStringList(labels);
    valueModel.setStringList(values);
    setViewModel(ui->descList, &descModel);
    setViewModel(ui->valueList, &valueModel);
}

void HexaViewer::showComposedSection(int first, int end, const QString &title,
                                     const QString &size, const QStringList &rows)
{
    highlight(first, end);
    ui->blockName->setText(title);
    ui->nbOfBytesLabel->setText(size);
    descModel.setStringList(rows);
    setViewModel(ui->descList, &descModel);
    setViewModel(ui->valueList, &descModel);
}

void HexaViewer::setVendorProductStringInfo(StringInfo rows)
{
    storeRows(rows, vendorProductLabels, vendorProductValues);
    displayVendorProductIDInfo();
}

void HexaViewer::setVersionRevisionStringInfo(const QStringList &labels, const QStringList &values)
{
    versionRevisionLabels = labels;
    versionRevisionValues = values;
    displayVersionRevisionInfo();
}

void HexaViewer::setDisplayParamsStringInfo(StringInfo rows)
{
    storeRows(rows, displayParamsLabels, displayParamsValues);
    displayDisplayParameters();
}

void HexaViewer::setColorCharactStringInfo(StringInfo rows)
{
    storeRows(rows, colorCharactLabels, colorCharactValues);
    displayColorCharactInfo();
}

void HexaViewer::setEstabTimingsStringInfo(StringInfo rows)
{
    storeRows(rows, estabTimingsLabels, estabTimingsValues);
    displayEstabTimingsInfo();
}

void HexaViewer::setStdTimingsStringInfo(StringInfo rows, int item)
{
    if (item < 0 || item > 7)
        return;
    QStringList &labels = stdTimingLabels[item];
    QStringList &values = stdTimingValues[item];
    labels.clear();
    values.clear();
    for (int k = 0; k < rows.size(); ++k) {
        labels.append(k == 0 ? QStringLiteral("Standard Timing %1").arg(item + 1) : QString());
        values.append(rows.at(k).first + QStringLiteral(": ") + rows.at(k).second);
    }
    displayStandTimingsInfo();
}

void HexaViewer::setMonitorDescStringInfo(StringInfo rows, int slot)
{
    if (slot < 0 || slot > 3)
        return;
    storeRows(rows, monitorDescLabels[slot], monitorDescValues[slot]);
    switch (slot) {
    case 0:
        displayDetailedTimingsInfo();
        break;
    case 1:
        displayMonitorDescBlock2Info();
        break;
    case 2:
        displayMonitorDescBlock3Info();
        break;
    default:
        displayMonitorDescBlock4Info();
        break;
    }
}

void HexaViewer::setExtBlockCountInfo(StringInfo rows)
{
    storeRows(rows, extBlockCountLabels, extBlockCountValues);
    displayExtensionBlockCountInfo();
}

void HexaViewer::setCEABasicInfo(StringInfo rows)
{
    storeRows(rows, ceaBasicLabels, ceaBasicValues);
    displayCEABasicInfo();
}

void HexaViewer::setCEAMonitorSupportInfo(StringInfo rows)
{
    storeRows(rows, ceaMonitorSupportLabels, ceaMonitorSupportValues);
    displayCEAMonitorSupportInfo();
}

void HexaViewer::displayHeaderInfo()
{
    // The fixed 8-byte header pattern 00 FF FF FF FF FF FF 00.
    QStringList labels;
    QStringList values;
    for (int i = 0; i < 8; ++i) {
        labels.append(QStringLiteral("Byte %1").arg(i));
        values.append(i == 0 || i == 7 ? QStringLiteral("00") : QStringLiteral("FF"));
    }
    showSection(0, 8, tr("Header"), tr("Size: 8 Bytes"), labels, values);
}

void HexaViewer::displayVendorProductIDInfo()
{
    showSection(8, 18, tr("Vendor & Product ID"), tr("Size: 10 Bytes"), vendorProductLabels,
                vendorProductValues);
}

void HexaViewer::displayVersionRevisionInfo()
{
    showSection(18, 20, tr("Version / Revision"), tr("Size: 2 Bytes"), versionRevisionLabels,
                versionRevisionValues);
}

void HexaViewer::displayDisplayParameters()
{
    showSection(20, 25, tr("Display Parameters"), tr("Size: 5 Bytes"), displayParamsLabels,
                displayParamsValues);
}

void HexaViewer::displayColorCharactInfo()
{
    showSection(25, 35, tr("Color Characteristics"), tr("Size: 10 Bytes"), colorCharactLabels,
                colorCharactValues);
}

void HexaViewer::displayEstabTimingsInfo()
{
    showSection(35, 38, tr("Established Timings"), tr("Size: 3 Bytes"), estabTimingsLabels,
                estabTimingsValues);
}

void HexaViewer::displayStandTimingsInfo()
{
    QStringList labels;
    QStringList values;
    for (int item = 0; item < 8; ++item) {
        labels.append(stdTimingLabels[item]);
        values.append(stdTimingValues[item]);
    }
    showSection(38, 54, tr("Standard Timings"), tr("Size: 16 Bytes"), labels, values);
}

void HexaViewer::displayDetailedTimingsInfo()
{
    showSection(54, 72, tr("Detailed Timings Block"), tr("Size: 18 Bytes"), monitorDescLabels[0],
                monitorDescValues[0]);
}

void HexaViewer::displayMonitorDescBlock2Info()
{
    showSection(72, 90, tr("Monitor Descriptor Block 2"), tr("Size: 18 Bytes"),
                monitorDescLabels[1], monitorDescValues[1]);
}

void HexaViewer::displayMonitorDescBlock3Info()
{
    showSection(90, 108, tr("Monitor Descriptor Block 3"), tr("Size: 18 Bytes"),
                monitorDescLabels[2], monitorDescValues[2]);
}

void HexaViewer::displayMonitorDescBlock4Info()
{
    showSection(108, 126, tr("Monitor Descriptor Block 4"), tr("Size: 18 Bytes"),
                monitorDescLabels[3], monitorDescValues[3]);
}

void HexaViewer::displayExtensionBlockCountInfo()
{
    showSection(126, 127, tr("Extension Block Count"), tr("Size: 1 Byte"), extBlockCountLabels,
                extBlockCountValues);
}

void HexaViewer::displayChecksumInfo()
{
    showComposedSection(127, 128, tr("Checksum"), tr("Size: 1 Byte"),
                        QStringList{tr("Checksum")});
}

void HexaViewer::displayCEAExtensionInfo()
{
    showComposedSection(128, 256, tr("Extention Block"), tr("Size: 128 Byte"), QStringList());
}

void HexaViewer::displayCEABasicInfo()
{
    showSection(128, 131, tr("CEA Flag & Version"), tr("Size: 2 Bytes"), ceaBasicLabels,
                ceaBasicValues);
}

void HexaViewer::displayCEAMonitorSupportInfo()
{
    showSection(131, 132, tr("Monitor Support (CEA)"), tr("Size: 1 Byte"),
                ceaMonitorSupportLabels, ceaMonitorSupportValues);
}

void HexaViewer::displayCEADataBlockInfo()
{
    showComposedSection(132, 254, tr("Descriptor Blocks (CEA)"), tr("Size: 122 Bytes"),
                        QStringList());
}

void HexaViewer::displayPaddingBlockInfo()
{
    showComposedSection(254, 255, tr("End of zero padding"), tr("Size: 1 Bytes"), QStringList());
}
