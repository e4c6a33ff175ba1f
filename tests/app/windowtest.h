#ifndef WINDOWTEST_H
#define WINDOWTEST_H

// What the tests that run a whole main window share: files read and written
// whole, the image bytes a window holds, and an environment with a private
// settings store, no update server, and a guard that no test writes into
// the sample images.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "edidtypes.h"

// Any file, the samples included, as it is on disk (empty if unreadable).
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The 256 bytes of an image a window holds.
inline QByteArray bytes(const u8 *image)
{
    return QByteArray(reinterpret_cast<const char *>(image), 256);
}

class WindowTestEnvironment
{
public:
    // Call from initTestCase(): the start-up update request goes nowhere,
    // settings go to a private folder, and the samples are remembered.
    bool setUp()
    {
        qputenv("VOZEVU_UPDATE_SERVER", "http://127.0.0.1:9");
        if (!settingsDir.isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
        const QDir data(QStringLiteral(VOZEVU_TEST_DATA));
        for (const QString &name : data.entryList(QDir::Files))
            samples.insert(name, readAll(data.filePath(name)));
        return !samples.isEmpty();
    }

    // Call from cleanupTestCase(): the sample files that a test changed,
    // added or removed (empty when none).
    QStringList changedSamples() const
    {
        const QDir data(QStringLiteral(VOZEVU_TEST_DATA));
        QStringList changed;
        const QStringList now = data.entryList(QDir::Files);
        for (const QString &name : now)
            if (!samples.contains(name) || readAll(data.filePath(name)) != samples.value(name))
                changed << name;
        for (auto it = samples.cbegin(); it != samples.cend(); ++it)
            if (!now.contains(it.key()))
                changed << it.key();
        return changed;
    }

    bool hasSample(const QString &fileName) const { return samples.contains(fileName); }

private:
    QTemporaryDir settingsDir;
    QMap<QString, QByteArray> samples;
};

#endif // WINDOWTEST_H
