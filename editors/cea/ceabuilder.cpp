#include "ceabuilder.h"

#include "ceacapabilitymapdescriptor.h"
#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"
#include "ceavideoformatpreference.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_YCBCR420_CAPABILITY_MAP:
        return new CEACapabilityMapDescriptor(nullptr);
    case CEA_VIDEO_FORMAT_PREFERENCE:
        return new CEAVideoFormatPreference(nullptr);
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        return nullptr;
    }
}

bool CEABuilder::hasEditor(int t)
{
    switch (t) {
    case CEA_DETAILED_TIMING:
        return true;
    default:
        return false;
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
