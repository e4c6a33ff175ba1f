#ifndef BLOCKPAYLOAD_H
#define BLOCKPAYLOAD_H

// A data block payload as the extension page hands it to an editor, in a
// heap block of exactly its size, so that a read past it is caught by the
// address sanitizer.

#include <QByteArray>
#include <QSignalSpy>

#include <vector>

#include "ceablock.h"
#include "testimage.h"

class BlockPayload
{
public:
    // `bytes`: what initFields gets (after the extended tag byte, except
    // for the video capability block).
    explicit BlockPayload(const QByteArray &bytes)
        : data(bytes.begin(), bytes.end())
    {
    }

    _EDID_CEA_DATA_BLOCK_INFO info()
    {
        _EDID_CEA_DATA_BLOCK_INFO entry{};
        entry.tag = 7;
        entry.length = static_cast<int>(data.size());
        entry.payload = data.empty() ? nullptr : data.data();
        return entry;
    }

private:
    std::vector<unsigned char> data;
};

// Loads `payload` into `editor` with fresh images; true when loading
// reported no change.
inline bool loadQuietly(CEABlock &editor, EdidImages &images, const QByteArray &payload)
{
    BlockPayload block(payload);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.initFields(block.info(), images.reference, images.working);
    return changes.isEmpty();
}

#endif // BLOCKPAYLOAD_H
