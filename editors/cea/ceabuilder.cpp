#include "ceabuilder.h"

#include "ceacapabilitymapdescriptor.h"
#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"
#include "ceavendorspecificdescriptor.h"
#include "ceavideoformatpreference.h"

namespace {

using Maker = CEABlock *(*)();

template <CEABlockType kind>
CEABlock *vendorSpecific()
{
    return new CEAVendorSpecificDescriptor(kind, nullptr);
}

// The editor of each block kind, one row per CEABlockType; a kind without
// one is loaded and kept byte for byte by the raw editor.
const Maker makers[CEA_BLOCK_TYPE_COUNT] = {
    nullptr,                                                     // Unknown
    nullptr,                                                     // Video
    nullptr,                                                     // Audio
    nullptr,                                                     // Speaker allocation
    vendorSpecific<CEA_VENDOR_SPECIFIC>,                         // Vendor specific
    nullptr,                                                     // Video capability
    nullptr,                                                     // Colorimetry
    vendorSpecific<CEA_VENDOR_SPECIFIC_VIDEO>,                   // Vendor specific video
    vendorSpecific<CEA_VENDOR_SPECIFIC_AUDIO>,                   // Vendor specific audio
    nullptr,                                                     // Info frame
    nullptr,                                                     // YCbCr 4:2:0 video
    [] { return static_cast<CEABlock *>(new CEACapabilityMapDescriptor(nullptr)); },
    [] { return static_cast<CEABlock *>(new CEAVideoFormatPreference(nullptr)); },
    [] { return static_cast<CEABlock *>(new CEADetailedTimingDescriptor(nullptr)); },
};

QString longerThan(const QByteArray &payload, int most)
{
    if (payload.size() > most)
        return QStringLiteral("length %1 is more than %2 bytes").arg(payload.size()).arg(most);
    return QString();
}

} // namespace

CEABuilder::CEABuilder()
{
}

CEABlock *CEABuilder::make(int t)
{
    return hasEditor(t) ? makers[t]() : nullptr;
}

bool CEABuilder::hasEditor(int t)
{
    return t > CEA_UNKNOWN && t < CEA_BLOCK_TYPE_COUNT && makers[t] != nullptr;
}

QString CEABuilder::rawReason(int t, const QByteArray &payload)
{
    switch (t) {
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO:
        return longerThan(payload, CEAVendorSpecificDescriptor::capacity(static_cast<CEABlockType>(t)));
    default:
        return QString();
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
