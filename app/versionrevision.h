#ifndef VERSIONREVISION_H
#define VERSIONREVISION_H

#include <QStringList>
#include <string>

#include "edidtypes.h"

// EDID structure version and revision (bytes 18-19). The editor handles
// version 1 at revision 3 or 4.
class VersionRevision
{
public:
    VersionRevision();

    // Shows a decoded image's version. A revision other than 3 or 4 is told to
    // the user and replaced by 4 in the working image.
    void initFields(_EDID_VERSION_REVISION record, u8 *reference, u8 *working);
    bool displayConfirmBox(std::string text);
    // Writes version 1 and the current revision into bytes 18-19.
    void updateVersionRevision(u8 *reference, u8 *working);
    QStringList getStringValues() const;

    Word getRevision() const;
    void setRevision(const Word &revision);

private:
    u8 *referenceBytes;
    u8 *workingBytes;
    Word version;
    Word revision;
    QStringList labels;
};

#endif // VERSIONREVISION_H
