#include "ceabuilder.h"

#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"

CEABuilder::CEABuilder()
{
}

// Each block kind's editor is created here; a kind without a case is loaded
// and kept byte for byte by the raw editor.
CEABlock *CEABuilder::make(int t)
{
    switch (t) {
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        return nullptr;
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
