#ifndef EXTEDITORTEST_H
#define EXTEDITORTEST_H

// Helpers of the extended-tag block editor tests.

#include <QByteArray>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <vector>

#include "ceablock.h"
#include "testsupport.h"

// A data block payload as the extension page hands it to an editor, in a
// heap block of exactly its size, so that a read past it is caught by the
// address sanitizer.
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

// What every block editor shares: object name (its class's), codes, list
// name, title, help text, and the help button reporting its state.
inline void verifyIdentity(CEABlock *editor, int extTag, const QString &name, const QString &title,
                           const QString &help)
{
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->objectName(), QString::fromLatin1(editor->metaObject()->className()));
    QCOMPARE(editor->parent(), nullptr);
    QCOMPARE(editor->getType(), 7);
    QCOMPARE(editor->getSubType(), extTag);
    QCOMPARE(editor->getDisplayName(), name);
    QCOMPARE(child<QLabel>(editor, "titleLabel")->text(), title);
    QCOMPARE(editor->getHelpMessage(), help);

    QVERIFY(!editor->displayHelpMessage());
    QSignalSpy shown(editor, &CEABlock::displayHelp);
    child<QToolButton>(editor, "helpButton")->click();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toBool(), true);
    QVERIFY(editor->displayHelpMessage());
}

#endif // EXTEDITORTEST_H
