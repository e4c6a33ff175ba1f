#include "versionrevision.h"

#include <QMessageBox>

#include "edidwriter.h"
#include "hexaviewer.h"

VersionRevision::VersionRevision()
    : referenceBytes(nullptr), workingBytes(nullptr), version(1), revision(4),
      labels({"Version", "Revision"})
{
}

void VersionRevision::initFields(_EDID_VERSION_REVISION record, u8 *reference, u8 *working)
{
    referenceBytes = reference;
    workingBytes = working;
    version = 1;
    revision = record.revision;
    if (revision != 3 && revision != 4) {
        displayConfirmBox("The Version defined in the EDID Structure is not Supported.\n"
                          "The Version will be set to 1.4.");
        revision = 4;
        updateVersionRevision(reference, working);
    }
    HexaViewer::getInstance()->setVersionRevisionStringInfo(labels, getStringValues());
}

bool VersionRevision::displayConfirmBox(std::string text)
{
    // A notice with a single Yes button: there is nothing to refuse.
    QMessageBox box(QMessageBox::Question, "Switch version", QString::fromStdString(text),
                    QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
}

void VersionRevision::updateVersionRevision(u8 *reference, u8 *working)
{
    _EDID_VERSION_REVISION record{};
    record.version = version;
    record.revision = revision;
    EDIDUpdateVersionRevision(record, working);
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->updateByteArray(reference, working, 18, 19);
    viewer->setVersionRevisionStringInfo(labels, getStringValues());
}

QStringList VersionRevision::getStringValues() const
{
    return revision == 3 ? QStringList({"1", "3"}) : QStringList({"1", "4"});
}

Word VersionRevision::getRevision() const
{
    return revision;
}

void VersionRevision::setRevision(const Word &revision)
{
    this->revision = revision;
}
