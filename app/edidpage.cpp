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
      revisionForced(false), ceaErased(false)
{
#ifdef HAS_DESC
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].setBlockTitle(QString("Block %1").arg(slot + 1));
#endif
    // The feature-support panel follows the analog/digital choice at once.
#if defined(HAS_VIDEOINPUT) && defined(HAS_FEATURE)
    connect(&videoInput, &DisplayVideonInput::inputTypeChanged,
            &featureSupport, &DisplayFeatureSupport::inputTypeChanged);
#endif
#ifdef HAS_CEA
    connect(&ceaExtension, &CEAExtensionBlock::valueChanged, this, &Edid::updateEDIDData);
#endif
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

#ifdef HAS_VENDOR
    vendorProductID.initFields(info->vendor, ref, work);
#endif
    versionRevision.initFields(info->version, ref, work);
#ifdef HAS_VIDEOINPUT
    videoInput.initFields(info->displayParameters.videoInput, ref, work);
#endif
#ifdef HAS_GAMMA
    transfertCharacteristics.initFields(info->displayParameters.gamma, ref, work);
#endif
#ifdef HAS_SCREENSIZE
    screenSize.initFields(info->displayParameters.screenSize, ref, work);
#endif
#ifdef HAS_FEATURE
    featureSupport.initFields(info->displayParameters.featureSupport, ref, work);
#endif
#ifdef HAS_COLOR
    colorCharacteristics.initFields(info->colors, ref, work);
#endif
#ifdef HAS_ESTAB
    establishedTimings.initFields(info->established, ref, work);
#endif
#ifdef HAS_STD
    standardTimings.initFields(info->standard, ref, work);
#endif
#ifdef HAS_DESC
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].resetFields(ref, work, slot);
#endif
#ifdef HAS_DESC
    for (int slot = 0; slot < kDescriptorSlots; ++slot)
        descriptors[slot].initFields(info->descriptors[slot], ref, work, slot, slot == 0);
#endif

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
#ifdef HAS_CEA
            ceaExtension.initFields(&cea, ref, work);
#endif
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

void Edid::setCEAExtensionData(int mode)
{
    HexaViewer *viewer = HexaViewer::getInstance();
    if (mode == 1) {
        EDIDRemoveAllCEAData(workingBytes);
#ifdef HAS_CEA
        ceaExtension.resetFields(referenceBytes, workingBytes);
#endif
#ifdef HAS_CEA
        ceaExtension.updateCEAExtension();
#endif
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
#ifdef HAS_VIDEOINPUT
    videoInput.adaptToEDIDVersion(revision);
#endif
#ifdef HAS_GAMMA
    transfertCharacteristics.adaptToEDIDVersion(revision);
#endif
#ifdef HAS_SCREENSIZE
    screenSize.adaptToEDIDVersion(revision);
#endif
#ifdef HAS_FEATURE
    featureSupport.adaptToEDIDVersion(revision);
#endif
#ifdef HAS_VENDOR
    vendorProductID.adaptToEDIDVersion(revision);
#endif
#ifdef HAS_DESC
    for (int slot = 1; slot < kDescriptorSlots; ++slot)
        descriptors[slot].adaptToEDIDVersion(revision, update);
#endif
}

void Edid::resetFields()
{
    u8 *ref = referenceBytes;
    u8 *work = workingBytes;
#ifdef HAS_VENDOR
    vendorProductID.resetFields(ref, work);
#endif
#ifdef HAS_VIDEOINPUT
    videoInput.resetFields(ref, work);
#endif
#ifdef HAS_GAMMA
    transfertCharacteristics.resetFields(ref, work);
#endif
#ifdef HAS_SCREENSIZE
    screenSize.resetFields(ref, work);
#endif
#ifdef HAS_FEATURE
    featureSupport.resetFields(ref, work);
#endif
#ifdef HAS_COLOR
    colorCharacteristics.resetFields(ref, work);
#endif
#ifdef HAS_ESTAB
    establishedTimings.resetFields(ref, work);
#endif
#ifdef HAS_STD
    standardTimings.resetFields(ref, work);
#endif

#ifdef HAS_DESC
    descriptors[0].resetFields(ref, work, 0);
#endif
#ifdef HAS_DESC
    descriptors[0].setLockedType(EDID_DESC_DETAILED_TIMING);
#endif
    for (int slot = 1; slot < kDescriptorSlots; ++slot) {
#ifdef HAS_DESC
        descriptors[slot].resetFields(ref, work, slot);
#endif
#ifdef HAS_DESC
        descriptors[slot].setType(EDID_DESC_UNUSED);
#endif
    }

#ifdef HAS_CEA
    ceaExtension.resetFields(ref, work);
#endif
    EDIDRemoveAllCEAData(work);
    ceaDefined = false;
    extensionBlockCount = 0;
}

void Edid::createNewEDIDData()
{
    resetFields();
    EDIDSetHeader(workingBytes);
#ifdef HAS_VENDOR
    vendorProductID.updateVendorProductID();
#endif
    versionRevision.updateVersionRevision(referenceBytes, workingBytes);
#ifdef HAS_COLOR
    colorCharacteristics.updateColorCharacteristics();
#endif
#ifdef HAS_STD
    standardTimings.updateStandardTimings();
#endif
#ifdef HAS_DESC
    descriptors[0].updateCurrentBlock();
#endif
#ifdef HAS_DESC
    for (int slot = 1; slot < kDescriptorSlots; ++slot)
        descriptors[slot].updateUnusedBlock();
#endif
    EDIDSetExtensionBlockCount(extensionBlockCount, workingBytes);
}

void Edid::updateEDIDData()
{
    if (workingBytes == nullptr)
        return;
#ifdef HAS_CEA
    const QByteArray data = ceaExtension.getEDIDData();
#else
    const QByteArray data;
#endif
    for (int i = 128; i < 256; ++i)
        workingBytes[i] = i - 128 < data.size() ? static_cast<u8>(data.at(i - 128)) : 0;
    HexaViewer::getInstance()->updateByteArray(referenceBytes, workingBytes, 128, 255);
}
