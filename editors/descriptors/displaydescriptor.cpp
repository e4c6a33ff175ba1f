#include "displaydescriptor.h"
#include "choice.h"
#include "ui_displaydescriptor.h"

#include <QColor>
#include <QLabel>
#include <QVBoxLayout>

#include "descriptorentry.h"
#include "edidwriter.h"

namespace {

const int kKindCount = 11;            // kinds 0 to 10
const int kFirstRevision4Kind = EDID_DESC_COLOR_MANAGEMENT;
const char *const kRevision4Kinds[] = {"Display Color Management (1.4)", "CVT Timing Codes (1.4)",
                                       "Established Timings III (1.4)"};
const QColor kLoadedColour(238, 134, 24);
const QColor kPlainColour(255, 255, 255);

bool isKnownKind(int kind)
{
    return kind >= 0 && kind < kKindCount;
}

// Tags and names of the revision-4 kinds 8, 9 and 10.
const int kRevision4Tags[] = {0xF9, 0xF8, 0xF7};
const char *const kRevision4Names[] = {"Display Color Management", "CVT Timing Codes",
                                       "Established Timings III"};

bool isRevision4Tag(int tag)
{
    return tag >= 0xF7 && tag <= 0xF9;
}

QString keptTagName(int tag)
{
    const QString hex = QStringLiteral("0x") + QString::number(tag, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    if (isRevision4Tag(tag))
        return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(kRevision4Names[0xF9 - tag]), hex);
    return tag <= 0x0F ? QStringLiteral("Manufacturer Specified (%1)").arg(hex)
                       : QStringLiteral("Unknown (%1)").arg(hex);
}

} // namespace

DisplayDescriptor::DisplayDescriptor(QWidget *parent)
    : QGroupBox(parent), loadedType(EDID_DESC_UNUSED), type(EDID_DESC_UNUSED),
      placeholder(nullptr), ui(new Ui::DisplayDescriptor)
{
    ui->setupUi(this);

    placeholder = new QWidget();
    placeholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *placeholderLayout = new QVBoxLayout(placeholder);
    placeholderLayout->setContentsMargins(0, 0, 0, 0);
    keptTagLabel = new QLabel(placeholder);
    keptTagLabel->setObjectName(QStringLiteral("keptTagLabel"));
    keptTagLabel->setWordWrap(true);
    keptTagLabel->hide();
    placeholderLayout->addWidget(keptTagLabel);
    placeholderLayout->addStretch(1);
    ui->blockLayout->addWidget(placeholder);

    // The detailed timing editor can be squeezed below the width of its grid,
    // which cuts its labels: the slot keeps that width, plus its own margins
    // and the frame the style sheet draws around it. It is the kind of most
    // slots, so it is built now; the others when first chosen.
    const QMargins area = ui->verticalLayout_2->contentsMargins();
    const int frame = 2 * 3;
    setMinimumWidth(built(detailedTimings).layout()->minimumSize().width() + area.left() + area.right()
                    + frame);
}

template <class Editor>
Editor &DisplayDescriptor::built(Editor *&editor)
{
    if (editor == nullptr) {
        editor = new Editor(this);
        ui->blockLayout->addWidget(editor);
        editor->hide();
        prepare(*editor);
    }
    return *editor;
}

void DisplayDescriptor::prepare(DetailedTimings &editor)
{
    editor.resetFields(reference, working, index, false);
}

void DisplayDescriptor::prepare(DisplayRangeLimits &editor)
{
    editor.resetFields(reference, working, index);
    if (revision != 0)
        editor.adaptToEDIDVersion(revision);
}

template <class Editor>
void DisplayDescriptor::prepare(Editor &editor)
{
    editor.resetFields(reference, working, index);
}

template <class F>
void DisplayDescriptor::forEachBuilt(F f)
{
    if (detailedTimings) f(*detailedTimings);
    if (rangeLimits) f(*rangeLimits);
    if (serialNumber) f(*serialNumber);
    if (productName) f(*productName);
    if (dataString) f(*dataString);
    if (colorPoint) f(*colorPoint);
    if (standTimings) f(*standTimings);
    if (dcm) f(*dcm);
    if (cvtTimings) f(*cvtTimings);
    if (estabTimings) f(*estabTimings);
}

DisplayDescriptor::~DisplayDescriptor()
{
    delete ui;
}

QWidget *DisplayDescriptor::editorOf(_EDID_DISPLAY_DESCRIPTORS kind)
{
    switch (kind) {
    case EDID_DESC_UNUSED: return placeholder;
    case EDID_DESC_DETAILED_TIMING: return &built(detailedTimings);
    case EDID_DESC_SERIAL_NUMBER: return &built(serialNumber);
    case EDID_DESC_DATA_STRING: return &built(dataString);
    case EDID_DESC_RANGE_LIMITS: return &built(rangeLimits);
    case EDID_DESC_PRODUCT_NAME: return &built(productName);
    case EDID_DESC_COLOR_POINT: return &built(colorPoint);
    case EDID_DESC_STANDARD_TIMINGS: return &built(standTimings);
    case EDID_DESC_COLOR_MANAGEMENT: return &built(dcm);
    case EDID_DESC_CVT_CODES: return &built(cvtTimings);
    case EDID_DESC_ESTABLISHED_TIMINGS3: return &built(estabTimings);
    }
    return nullptr;
}

void DisplayDescriptor::setBlockTitle(QString title)
{
    ui->titleLabel->setText(title);
}

_EDID_DISPLAY_DESCRIPTORS DisplayDescriptor::getType() const
{
    return type;
}

// ---------------------------------------------------------------------------
// Showing and hiding

void DisplayDescriptor::hideCurrentMonitorDescBlock()
{
    if (QWidget *editor = editorOf(type))
        editor->hide();
}

void DisplayDescriptor::displayDescriptor()
{
    hideCurrentMonitorDescBlock();
    if (QWidget *editor = editorOf(type))
        editor->show();
}

void DisplayDescriptor::setType(const _EDID_DISPLAY_DESCRIPTORS &kind)
{
    hideCurrentMonitorDescBlock();
    type = kind;
    keptTag = -1;
    keptTagLabel->hide();
    displayDescriptor();
}

// ---------------------------------------------------------------------------
// Combo box items

void DisplayDescriptor::setItemColour(int item, const QColor &colour)
{
    if (item >= 0 && item < ui->monitorDescMulti->count())
        ui->monitorDescMulti->setItemData(item, colour, Qt::ForegroundRole);
}

void DisplayDescriptor::addRevision4Kinds()
{
    if (ui->monitorDescMulti->count() >= kKindCount)
        return;
    for (const char *text : kRevision4Kinds)
        ui->monitorDescMulti->addItem(QString::fromLatin1(text));
    for (int item = EDID_DESC_COLOR_POINT; item < kKindCount; ++item)
        setItemColour(item, loadedMarked && item == int(loadedType) ? kLoadedColour : kPlainColour);
}

// ---------------------------------------------------------------------------
// Reset and load

void DisplayDescriptor::resetFields(unsigned char *ref, unsigned char *work, int slot)
{
    reference = ref;
    working = work;
    index = slot;

    // Editors not built yet are reset when they are.
    forEachBuilt([this](auto &editor) {
        editor.hide();
        prepare(editor);
    });

    ui->monitorDescMulti->setCurrentIndex(0);
    setItemColour(loadedType, kPlainColour);
    loadedMarked = false;
    setType(EDID_DESC_UNUSED);
}

void DisplayDescriptor::showKeptTag()
{
    const QString name = keptTagName(keptTag);
    keptTagLabel->setText(name + QStringLiteral(" descriptor: its 18 bytes are kept as loaded "
                                                "until a kind is chosen."));
    keptTagLabel->show();
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), name));
    DescriptorEntry::describe(index, rows);
}

void DisplayDescriptor::initFields(_EDID_MONITOR_DESC desc, unsigned char *ref,
                                   unsigned char *work, int slot, bool locked)
{
    resetFields(ref, work, slot);

    setType(desc.type);
    loadedType = type;
    if (type == EDID_DESC_UNUSED && desc.tag != 0x10)
        keptTag = desc.tag;

    switch (type) {
    case EDID_DESC_UNUSED:
        break;
    case EDID_DESC_DETAILED_TIMING:
        built(detailedTimings).initFields(desc.detailedTiming, reference, working, index, false);
        break;
    case EDID_DESC_SERIAL_NUMBER:
        built(serialNumber).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_DATA_STRING:
        built(dataString).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_RANGE_LIMITS:
        built(rangeLimits).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_PRODUCT_NAME:
        built(productName).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_COLOR_POINT:
        built(colorPoint).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_STANDARD_TIMINGS:
        built(standTimings).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_COLOR_MANAGEMENT:
        built(dcm).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_CVT_CODES:
        built(cvtTimings).initFields(desc, reference, working, index);
        break;
    case EDID_DESC_ESTABLISHED_TIMINGS3:
        built(estabTimings).initFields(desc, reference, working, index);
        break;
    }

    ui->monitorDescMulti->setEnabled(!locked);
    if (keptTag >= 0 || !isKnownKind(type)) {
        // Neither item tells what the slot holds.
        ui->monitorDescMulti->setCurrentIndex(-1);
        if (keptTag >= 0)
            showKeptTag();
    } else {
        if (type >= kFirstRevision4Kind)
            addRevision4Kinds();
        ui->monitorDescMulti->setCurrentIndex(type);
        setItemColour(type, kLoadedColour);
        loadedMarked = true;
    }
    displayDescriptor();
}

// ---------------------------------------------------------------------------
// Writing

void DisplayDescriptor::on_monitorDescMulti_activated(int kind)
{
    // The kind shown picked again; an unknown tag has no item, so any pick changes it.
    if (keptTag < 0 && kind == int(type))
        return;
    setType(_EDID_DISPLAY_DESCRIPTORS(kind));
    displayDescriptor();
    updateCurrentBlock();
}

void DisplayDescriptor::updateCurrentBlock()
{
    // Nothing to write before an image is attached; a descriptor of unknown
    // kind keeps its bytes until a kind is chosen.
    if (!working || keptTag >= 0)
        return;
    switch (type) {
    case EDID_DESC_UNUSED: updateUnusedBlock(); break;
    case EDID_DESC_DETAILED_TIMING: built(detailedTimings).updateDetailedTiming(); break;
    case EDID_DESC_SERIAL_NUMBER: built(serialNumber).updateSerialNumber(); break;
    case EDID_DESC_DATA_STRING: built(dataString).updateDataString(); break;
    case EDID_DESC_RANGE_LIMITS: built(rangeLimits).updateRangeLimits(); break;
    case EDID_DESC_PRODUCT_NAME: built(productName).updateProductName(); break;
    case EDID_DESC_COLOR_POINT: built(colorPoint).updateColorPoint(); break;
    case EDID_DESC_STANDARD_TIMINGS: built(standTimings).updateStandTimings(); break;
    case EDID_DESC_COLOR_MANAGEMENT: built(dcm).updateDCM(); break;
    case EDID_DESC_CVT_CODES: built(cvtTimings).updateCVTTimings(); break;
    case EDID_DESC_ESTABLISHED_TIMINGS3: built(estabTimings).updateEstablishedTimings(); break;
    }
}

void DisplayDescriptor::updateUnusedBlock()
{
    if (!working)
        return;
    EDIDUpdateUnusedDescriptor(working, index);
    StringInfo rows;
    rows.append(qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Unused")));
    DescriptorEntry::refresh(reference, working, index, rows);
}

void DisplayDescriptor::setLockedType(T_EDID_DISPLAY_DESCRIPTORS kind)
{
    setType(kind);
    if (kind >= kFirstRevision4Kind)
        addRevision4Kinds();
    ui->monitorDescMulti->setCurrentIndex(isKnownKind(kind) ? int(kind) : -1);
    displayDescriptor();
    updateCurrentBlock();
    ui->monitorDescMulti->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Revision

void DisplayDescriptor::adaptToEDIDVersion(int revision, bool update)
{
    // The range limits editor follows the revision even while hidden, so that
    // it offers the right kinds and rate ranges when it is picked later (one
    // not built yet takes the revision when it is).
    this->revision = revision;
    if (rangeLimits != nullptr)
        rangeLimits->adaptToEDIDVersion(revision);
    if (type == EDID_DESC_RANGE_LIMITS && update)
        built(rangeLimits).updateRangeLimits();

    if (revision == 3) {
        if (type >= kFirstRevision4Kind && isKnownKind(type)) {
            if (update) {
                // The user switched the image to revision 3.
                setType(EDID_DESC_UNUSED);
                updateUnusedBlock();
                ui->monitorDescMulti->setCurrentIndex(EDID_DESC_UNUSED);
            } else {
                // A revision-3 image as loaded: its revision-4 descriptor is
                // shown by its tag and keeps its bytes until a kind is chosen.
                const int tag = kRevision4Tags[type - kFirstRevision4Kind];
                setType(EDID_DESC_UNUSED);
                keptTag = tag;
                ui->monitorDescMulti->setCurrentIndex(-1);
                showKeptTag();
            }
        }
        for (int item = kKindCount - 1; item >= kFirstRevision4Kind; --item)
            ui->monitorDescMulti->removeItem(item);
        if (loadedType >= kFirstRevision4Kind)
            loadedMarked = false;
        return;
    }

    // A revision-4 descriptor kept at revision 3 is shown again by its kind;
    // its editor still holds the values loaded, and its bytes are unchanged.
    int restored = -1;
    if (isRevision4Tag(keptTag)) {
        restored = kFirstRevision4Kind + (0xF9 - keptTag);
        setType(_EDID_DISPLAY_DESCRIPTORS(restored));
        loadedMarked = int(loadedType) == restored;
    }
    addRevision4Kinds();
    if (restored >= 0) {
        ui->monitorDescMulti->setCurrentIndex(restored);
        const StringInfo rows = restored == EDID_DESC_COLOR_MANAGEMENT ? built(dcm).getStringInfo()
                                : restored == EDID_DESC_CVT_CODES   ? built(cvtTimings).getStringInfo()
                                                                    : built(estabTimings).getStringInfo();
        DescriptorEntry::describe(index, rows);
    }
}
