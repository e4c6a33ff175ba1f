#include "ceabuilder.h"

#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"
#include "ceavideodescriptor.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_VIDEO:
    case CEA_YCBCR420_VIDEO:
        return new CEAVideoDescriptor(static_cast<CEABlockType>(t), nullptr);
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
