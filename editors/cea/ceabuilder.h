#ifndef CEABUILDER_H
#define CEABUILDER_H

#include <QByteArray>
#include <QString>

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
    // Whether make(t) gives an editor.
    static bool hasEditor(int t);

    // Why the editor of kind t cannot hand a loaded block back byte for byte
    // (the payload as its initFields gets it: after the extended tag byte for
    // the extended-tag kinds); empty when it can. Such a block is kept by
    // the raw editor, and its list row gives the reason.
    static QString rawReason(int t, const QByteArray &payload);

    // The editor that keeps a block no other editor handles, byte for byte;
    // its initFields takes the whole block (full length, payload right after
    // the header byte).
    static CEABlock *makeRaw();
};

#endif // CEABUILDER_H
