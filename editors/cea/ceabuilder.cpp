#include "ceabuilder.h"

#include "ceadetailedtimingdescriptor.h"
#include "cearawblock.h"

CEABuilder::CEABuilder()
{
}

CEABlock *CEABuilder::make(CEABlockType t)
{
    switch (t) {
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(nullptr);
    default:
        // Kinds whose editor is not available are kept by the raw editor.
        return nullptr;
    }
}

CEABlock *CEABuilder::makeRaw()
{
    return new CEARawBlock(nullptr);
}
