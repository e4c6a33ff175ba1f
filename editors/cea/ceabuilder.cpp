#include "ceabuilder.h"

#include "ceaaudiodescriptor.h"
#include "ceacapabilitymapdescriptor.h"
#include "ceacolorimetryblock.h"
#include "ceadetailedtimingdescriptor.h"
#include "ceainfoframe.h"
#include "cearawblock.h"
#include "ceaspeakerallocationblock.h"
#include "ceavendordescriptor.h"
#include "ceavideocapability.h"
#include "ceavideodescriptor.h"
#include "ceavideoformatpreference.h"

namespace {

using Maker = CEABlock *(*)();

template <class Editor>
CEABlock *editor()
{
    return new Editor(nullptr);
}

// An editor class that serves several kinds takes the kind first.
template <class Editor, CEABlockType kind>
CEABlock *editorOfKind()
{
    return new Editor(kind, nullptr);
}

// The editor of each block kind, one row per CEABlockType; a kind without
// one is loaded and kept byte for byte by the raw editor.
const Maker makers[CEA_BLOCK_TYPE_COUNT] = {
    nullptr,                                                         // Unknown
    editorOfKind<CEAVideoDescriptor, CEA_VIDEO>,                     // Video
    editor<CEAAudioDescriptor>,                                      // Audio
    editor<CEASpeakerAllocationBlock>,                               // Speaker allocation
    editorOfKind<CEAVendorSpecificDescriptor, CEA_VENDOR_SPECIFIC>,  // Vendor specific
    editor<CEAVideoCapability>,                                      // Video capability
    editor<CEAColorimetryBlock>,                                     // Colorimetry
    editorOfKind<CEAVendorSpecificDescriptor, CEA_VENDOR_SPECIFIC_VIDEO>, // Vendor specific video
    editorOfKind<CEAVendorSpecificDescriptor, CEA_VENDOR_SPECIFIC_AUDIO>, // Vendor specific audio
    editor<CEAInfoFrame>,                                            // Info frame
    editorOfKind<CEAVideoDescriptor, CEA_YCBCR420_VIDEO>,            // YCbCr 4:2:0 video
    editor<CEACapabilityMapDescriptor>,                              // YCbCr 4:2:0 capability map
    editor<CEAVideoFormatPreference>,                                // Video format preference
    editor<CEADetailedTimingDescriptor>,                             // Detailed timing
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
    case CEA_AUDIO:
        // A trailing part of a descriptor has no place in the descriptor list.
        if (payload.size() % CEABlock::subBlockSize[CEA_AUDIO] != 0)
            return QStringLiteral("length %1 is not a multiple of 3").arg(payload.size());
        return QString();
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
