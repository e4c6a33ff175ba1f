#ifndef EDIDPAGE_H
#define EDIDPAGE_H

#include <QObject>

#include "edidtypes.h"
#include "stringinfo.h"
#include "versionrevision.h"

#if __has_include("vendorproductid.h")
#include "vendorproductid.h"
#define HAS_VENDOR 1
#endif
#if __has_include("displayvideoninput.h")
#include "displayvideoninput.h"
#define HAS_VIDEOINPUT 1
#endif
#if __has_include("displaytransfertcharacteristics.h")
#include "displaytransfertcharacteristics.h"
#define HAS_GAMMA 1
#endif
#if __has_include("displayscreensize.h")
#include "displayscreensize.h"
#define HAS_SCREENSIZE 1
#endif
#if __has_include("displayfeaturesupport.h")
#include "displayfeaturesupport.h"
#define HAS_FEATURE 1
#endif
#if __has_include("colorcharacteristics.h")
#include "colorcharacteristics.h"
#define HAS_COLOR 1
#endif
#if __has_include("establishedtimings.h")
#include "establishedtimings.h"
#define HAS_ESTAB 1
#endif
#if __has_include("standardtimings.h")
#include "standardtimings.h"
#define HAS_STD 1
#endif
#if __has_include("displaydescriptor.h")
#include "displaydescriptor.h"
#define HAS_DESC 1
#endif
#if __has_include("ceaextensionblock.h")
#include "ceaextensionblock.h"
#define HAS_CEA 1
#endif

// The page object: owns every section editor of the 256-byte image, hands a
// decoded image out section by section, builds a new image from the editors'
// defaults, passes the revision on and accepts, creates or erases the CEA-861
// extension. It works on the two images owned by the main window.
class Edid : public QObject
{
    Q_OBJECT

public:
    Edid();
    ~Edid() override;

    void setDataBytes(u8 *reference, u8 *working);
    void displayEDIDInfo(_EDID_MANDATORY_INFO *info);
    StringInfo getExtBlockStringInfo() const;
    bool isCEADefined() const;
    // Mode 1 creates an empty CEA-861 extension; any other mode removes it.
    void setCEAExtensionData(int mode);
    void adaptToEDIDVersion(bool update);
    void resetFields();
    void createNewEDIDData();

    // The corrections that displayEDIDInfo announced to the user (revision
    // forced to 4, CEA data erased), applied again to the working image once
    // the window has made it a copy of the loaded image.
    void applyLoadCorrections();

    u8 *referenceBytes;
    u8 *workingBytes;
#ifdef HAS_VENDOR
    VendorProductID vendorProductID;
#endif
    VersionRevision versionRevision;
#ifdef HAS_VIDEOINPUT
    DisplayVideonInput videoInput;
#endif
#ifdef HAS_GAMMA
    DisplayTransfertCharacteristics transfertCharacteristics;
#endif
#ifdef HAS_SCREENSIZE
    DisplayScreenSize screenSize;
#endif
#ifdef HAS_FEATURE
    DisplayFeatureSupport featureSupport;
#endif
#ifdef HAS_COLOR
    ColorCharacteristics colorCharacteristics;
#endif
#ifdef HAS_ESTAB
    EstablishedTimings establishedTimings;
#endif
#ifdef HAS_STD
    StandardTimings standardTimings;
#endif
#ifdef HAS_DESC
    DisplayDescriptor descriptors[4];
#endif
    Word extensionBlockCount;
#ifdef HAS_CEA
    CEAExtensionBlock ceaExtension;
#endif
    bool ceaDefined;

public slots:
    void updateEDIDData();

private:
    bool revisionForced;
    bool ceaErased;
};

#endif // EDIDPAGE_H
