#ifndef CEABUILDER_H
#define CEABUILDER_H

#include "ceablock.h"

// Creates the editor of a block kind. The caller owns the editor.
class CEABuilder
{
public:
    CEABuilder();

    // A new editor of kind t, without parent; null for Unknown, for a value
    // outside the table and for a kind that has no editor of its own.
    static CEABlock *make(CEABlockType t) { return make(static_cast<int>(t)); }
    static CEABlock *make(int t);

    // The editor that keeps a block no other editor handles, byte for byte;
    // its initFields takes the whole block (full length, payload right after
    // the header byte).
    static CEABlock *makeRaw();
};

#endif // CEABUILDER_H
