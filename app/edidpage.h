#ifndef EDIDPAGE_H
#define EDIDPAGE_H

#include <QObject>

#include "edidcea.h"
#include "edidtypes.h"
#include "stringinfo.h"
#include "versionrevision.h"

#include "vendorproductid.h"
#include "displayvideoninput.h"
#include "displaytransfertcharacteristics.h"
#include "displayscreensize.h"
#include "displayfeaturesupport.h"
#include "colorcharacteristics.h"
#include "establishedtimings.h"
#include "standardtimings.h"
#include "displaydescriptor.h"
#include "ceaextensionblock.h"

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
    // What the extension's last assembly left out for lack of room (nothing
    // while the extension is off or not built yet).
    QStringList extensionLeftOut() const;
    // Mode 1 creates an empty CEA-861 extension; any other mode removes it.
    void setCEAExtensionData(int mode);
    void adaptToEDIDVersion(bool update);
    void resetFields();
    void createNewEDIDData();

    // The corrections that displayEDIDInfo announced to the user (revision
    // forced to 4, CEA data erased), applied again to the working image once
    // the window has made it a copy of the loaded image.
    void applyLoadCorrections();
    // Builds the extension page of the image shown. A loaded extension is
    // handed to its page only when the page (or the viewer describing it) is
    // first looked at: building its block editors is the costly part of a load.
    void showCEAExtension();

    u8 *referenceBytes;
    u8 *workingBytes;
    VendorProductID vendorProductID;
    VersionRevision versionRevision;
    DisplayVideonInput videoInput;
    DisplayTransfertCharacteristics transfertCharacteristics;
    DisplayScreenSize screenSize;
    DisplayFeatureSupport featureSupport;
    ColorCharacteristics colorCharacteristics;
    EstablishedTimings establishedTimings;
    StandardTimings standardTimings;
    DisplayDescriptor descriptors[4];
    Word extensionBlockCount;
    CEAExtensionBlock ceaExtension;
    bool ceaDefined;

public slots:
    void updateEDIDData();

private:
    bool revisionForced;
    bool ceaErased;
    _EDID_CEA_EXTENSION_INFO pendingCEA;
    bool ceaPending;
};

#endif // EDIDPAGE_H
