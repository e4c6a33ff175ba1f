#ifndef EDID_H
#define EDID_H

// The EDID data core: records, decoders, writers and helpers over a 256-byte image.
#include "edidtypes.h"
#include "edidutils.h"
#include "ediddecode.h"
#include "edidwriter.h"
#include "edidcea.h"

#endif // EDID_H
