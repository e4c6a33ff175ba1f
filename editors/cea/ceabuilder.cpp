#include "ceabuilder.h"

#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"
#include "ceavendorspecificdescriptor.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO:
        return new CEAVendorSpecificDescriptor(static_cast<CEABlockType>(t), nullptr);
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        return nullptr;
    }
}

QString CEABuilder::rawReason(int t, const QByteArray &payload)
{
    switch (t) {
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO: {
        const int most = CEAVendorSpecificDescriptor::capacity(static_cast<CEABlockType>(t));
        if (payload.size() > most)
            return QStringLiteral("length %1 is more than %2 bytes").arg(payload.size()).arg(most);
        return QString();
    }
    default:
        Q_UNUSED(payload);
        return QString();
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
