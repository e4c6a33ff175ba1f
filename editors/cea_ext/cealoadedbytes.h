#ifndef CEALOADEDBYTES_H
#define CEALOADEDBYTES_H

#include <QByteArray>

// The bytes of a loaded block beside the editor's own coding of them at load
// time. While the editor's coding is still that one (nothing was changed, or
// every change was undone) the block is handed back exactly as it was read:
// a block too short for its layout, or one the editor reads only in part,
// survives a round trip untouched.
class CEALoadedBytes
{
public:
    void hold(const QByteArray &loaded, const QByteArray &encodedAtLoad)
    {
        bytes = loaded;
        encoded = encodedAtLoad;
        held = true;
    }

    void clear()
    {
        bytes.clear();
        encoded.clear();
        held = false;
    }

    // The bytes to write for the editor's current coding.
    QByteArray pick(const QByteArray &current) const
    {
        return (held && current == encoded) ? bytes : current;
    }

private:
    QByteArray bytes;
    QByteArray encoded;
    bool held = false;
};

#endif // CEALOADEDBYTES_H
