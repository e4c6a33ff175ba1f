#ifndef CEAFIXEDPAYLOAD_H
#define CEAFIXEDPAYLOAD_H

#include <QByteArray>

#include "cealoadedbytes.h"

// The payload of an extended-tag block of fixed layout: the extended tag,
// then a record of `size` bytes. A loaded block shorter than that reads 0
// for what it lacks and is handed back as it was until a value changes; the
// bytes of a longer one past the record are kept.
class CEAFixedPayload
{
public:
    CEAFixedPayload(int extTag, int size)
        : extTag(static_cast<char>(extTag)), record(size, '\0')
    {
    }

    // `block`: the bytes after the header byte, extended tag first.
    void load(const QByteArray &block)
    {
        const int size = record.size();
        record = block.mid(1, size).leftJustified(size, '\0');
        tail = block.mid(1 + size);
        loaded.hold(block, encode());
    }

    void reset()
    {
        record.fill('\0');
        tail.clear();
        loaded.clear();
    }

    quint8 byte(int i) const { return static_cast<quint8>(record.at(i)); }
    void setByte(int i, quint8 value) { record[i] = static_cast<char>(value); }

    // The block's bytes after the header byte.
    QByteArray data() const { return loaded.pick(encode()); }

private:
    QByteArray encode() const { return QByteArray(1, extTag) + record + tail; }

    char extTag;
    QByteArray record;
    QByteArray tail;
    CEALoadedBytes loaded;
};

#endif // CEAFIXEDPAYLOAD_H
