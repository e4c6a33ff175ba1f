#include "ceabuilder.h"

#include "ceacolorimetryblock.h"
#include "ceadetailedtimingdescriptor.h"
#include "ceainfoframe.h"
#include "cearawblock.h"
#include "ceavideocapability.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_VIDEO_CAPABILITY:
        return new CEAVideoCapability(nullptr);
    case CEA_COLORIMETRY:
        return new CEAColorimetryBlock(nullptr);
    case CEA_INFO_FRAME:
        return new CEAInfoFrame(nullptr);
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        return nullptr;
    }
}

QString CEABuilder::rawReason(int t, const QByteArray &payload)
{
    switch (t) {
    default:
        Q_UNUSED(payload);
        return QString();
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
