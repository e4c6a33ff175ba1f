#include "ceabuilder.h"

#include "ceaaudiodescriptor.h"
#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"
#include "ceaspeakerallocationblock.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_AUDIO:
        return new CEAAudioDescriptor(nullptr);
    case CEA_SPEAKER_ALLOCATION:
        return new CEASpeakerAllocationBlock(nullptr);
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        return nullptr;
    }
}

bool CEABuilder::hasEditor(int t)
{
    switch (t) {
    case CEA_AUDIO:
    case CEA_SPEAKER_ALLOCATION:
    case CEA_DETAILED_TIMING:
        return true;
    default:
        return false;
    }
}

QString CEABuilder::rawReason(int t, const QByteArray &payload)
{
    switch (t) {
    case CEA_AUDIO:
        // A trailing part of a descriptor has no place in the descriptor list.
        if (payload.size() % CEABlock::subBlockSize[CEA_AUDIO] != 0)
            return QStringLiteral("length %1 is not a multiple of 3").arg(payload.size());
        return QString();
    default:
        return QString();
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
