#include "edidpage.h"

#include <QByteArray>
#include <QMessageBox>

#include "edidcea.h"
#include "edidwriter.h"
#include "hexaviewer.h"

namespace {

const int kDescriptorSlots = 4;

void warnCEA(const char *text)
{
    QMessageBox::warning(nullptr, "Warning", text, QMessageBox::Ok);
}

} // namespace

Edid::Edid()
    : referenceBytes(nullptr), workingBytes(nullptr), extensionBlockCount(0), ceaDefined(false),
      revisionForced(false), ceaErased(false), pendingCEA(), ceaPending(false)
{
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].setBlockTitle(QString("Block %1").arg(slot + 1));
    // The feature-support panel follows the analog/digital choice at once.
    connect(&videoInput, &DisplayVideonInput::inputTypeChanged,
            &featureSupport, &DisplayFeatureSupport::inputTypeChanged);
    connect(&ceaExtension, &CEAExtensionBlock::valueChanged, this, &Edid::updateEDIDData);
}

Edid::~Edid() = default;

void Edid::setDataBytes(u8 *reference, u8 *working)
{
    referenceBytes = reference;
    workingBytes = working;
}

void Edid::displayEDIDInfo(_EDID_MANDATORY_INFO *info)
{
    u8 *ref = referenceBytes;
    u8 *work = workingBytes;
    HexaViewer *viewer = HexaViewer::getInstance();

    revisionForced = info->version.revision != 3 && info->version.revision != 4;
    ceaErased = false;
    ceaPending = false;

    vendorProductID.initFields(info->vendor, ref, work);
    versionRevision.initFields(info->version, ref, work);
    videoInput.initFields(info->displayParameters.videoInput, ref, work);
    transfertCharacteristics.initFields(info->displayParameters.gamma, ref, work);
    screenSize.initFields(info->displayParameters.screenSize, ref, work);
    featureSupport.initFields(info->displayParameters.featureSupport, ref, work);
    colorCharacteristics.initFields(info->colors, ref, work);
    establishedTimings.initFields(info->established, ref, work);
    standardTimings.initFields(info->standard, ref, work);
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].resetFields(ref, work, slot);
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].initFields(info->descriptors[slot], ref, work, slot, slot == 0);

    extensionBlockCount = info->extensionCount;
    ceaDefined = false;
    if (extensionBlockCount != 0) {
        _EDID_CEA_EXTENSION_INFO cea{};
        switch (EDIDGetExtensionInfo(ref, &cea)) {
        case 2:
            warnCEA("CEA Extension data block has a padding error.");
            [[fallthrough]];
        case 0:
            ceaDefined = true;
            // Built when it is first looked at (showCEAExtension).
            pendingCEA = cea;
            ceaPending = true;
            viewer->setIsCEA(true);
            break;
        case 3:
            warnCEA("CEA Extension data block has a checksum error. The CEA data will be erased");
            ceaErased = true;
            EDIDRemoveAllCEAData(work);
            viewer->setIsCEA(false);
            viewer->updateByteArray(ref, work, 128, 255);
            break;
        default:
            // Another kind of extension: kept as it is, and not described.
            viewer->setIsCEA(false);
            return;
        }
    }
    viewer->setExtBlockCountInfo(getExtBlockStringInfo());
}

void Edid::showCEAExtension()
{
    if (!ceaPending)
        return;
    ceaPending = false;
    // The page hands an unedited extension back as loaded, so looking at it
    // never makes the image count as changed.
    ceaExtension.initFields(&pendingCEA, referenceBytes, workingBytes);
    HexaViewer::getInstance()->updateByteArray(referenceBytes, workingBytes, 128, 255);
}

void Edid::applyLoadCorrections()
{
    if (revisionForced)
        versionRevision.updateVersionRevision(referenceBytes, workingBytes);
    if (ceaErased) {
        EDIDRemoveAllCEAData(workingBytes);
        HexaViewer::getInstance()->updateByteArray(referenceBytes, workingBytes, 128, 255);
    }
    revisionForced = false;
    ceaErased = false;
}

StringInfo Edid::getExtBlockStringInfo() const
{
    StringInfo rows;
    rows.append(qMakePair(QString("Extension Block(s)"), QString::number(extensionBlockCount)));
    rows.append(qMakePair(QString("CEA Extension Block"), QString(ceaDefined ? "YES" : "no")));
    return rows;
}

bool Edid::isCEADefined() const
{
    return ceaDefined;
}

QStringList Edid::extensionLeftOut() const
{
    return ceaDefined && !ceaPending ? ceaExtension.leftOut() : QStringList();
}

void Edid::setCEAExtensionData(int mode)
{
    HexaViewer *viewer = HexaViewer::getInstance();
    ceaPending = false;
    if (mode == 1) {
        EDIDRemoveAllCEAData(workingBytes);
        ceaExtension.resetFields(referenceBytes, workingBytes);
        ceaExtension.updateCEAExtension();
        ceaDefined = true;
        extensionBlockCount = 1;
    } else if (extensionBlockCount != 0) {
        EDIDRemoveAllCEAData(workingBytes);
        viewer->updateByteArray(referenceBytes, workingBytes, 128, 255);
        ceaDefined = false;
        extensionBlockCount = 0;
    }
    EDIDSetExtensionBlockCount(extensionBlockCount, workingBytes);
    viewer->setIsCEA(ceaDefined);
    viewer->updateByteArray(referenceBytes, workingBytes, 126, 127);
    viewer->setExtBlockCountInfo(getExtBlockStringInfo());
}

void Edid::adaptToEDIDVersion(bool update)
{
    const Word revision = versionRevision.getRevision();
    videoInput.adaptToEDIDVersion(revision);
    transfertCharacteristics.adaptToEDIDVersion(revision);
    screenSize.adaptToEDIDVersion(revision);
    featureSupport.adaptToEDIDVersion(revision);
    vendorProductID.adaptToEDIDVersion(revision);
    for (int slot = 1; slot < kDescriptorSlots; ++slot)
        descriptors[slot].adaptToEDIDVersion(revision, update);
}

void Edid::resetFields()
{
    u8 *ref = referenceBytes;
    u8 *work = workingBytes;
    vendorProductID.resetFields(ref, work);
    videoInput.resetFields(ref, work);
    transfertCharacteristics.resetFields(ref, work);
    screenSize.resetFields(ref, work);
    featureSupport.resetFields(ref, work);
    colorCharacteristics.resetFields(ref, work);
    establishedTimings.resetFields(ref, work);
    standardTimings.resetFields(ref, work);

    descriptors[0].resetFields(ref, work, 0);
    descriptors[0].setLockedType(EDID_DESC_DETAILED_TIMING);
    for (int slot = 1; slot < kDescriptorSlots; ++slot) {
        descriptors[slot].resetFields(ref, work, slot);
        descriptors[slot].setType(EDID_DESC_UNUSED);
    }

    ceaPending = false;
    ceaExtension.resetFields(ref, work);
    EDIDRemoveAllCEAData(work);
    ceaDefined = false;
    extensionBlockCount = 0;
}

void Edid::createNewEDIDData()
{
    resetFields();
    EDIDSetHeader(workingBytes);
    vendorProductID.updateVendorProductID();
    versionRevision.updateVersionRevision(referenceBytes, workingBytes);
    colorCharacteristics.updateColorCharacteristics();
    standardTimings.updateStandardTimings();
    descriptors[0].updateCurrentBlock();
    for (int slot = 1; slot < kDescriptorSlots; ++slot)
        descriptors[slot].updateUnusedBlock();
    EDIDSetExtensionBlockCount(extensionBlockCount, workingBytes);
}

void Edid::updateEDIDData()
{
    if (workingBytes == nullptr)
        return;
    const QByteArray data = ceaExtension.getEDIDData();
    for (int i = 128; i < 256; ++i)
        workingBytes[i] = i - 128 < data.size() ? static_cast<u8>(data.at(i - 128)) : 0;
    HexaViewer::getInstance()->updateByteArray(referenceBytes, workingBytes, 128, 255);
}
