#include "descriptorentry.h"

#include <QLineEdit>

#include "fieldcheck.h"
#include "hexaviewer.h"

namespace DescriptorEntry {

void refuse(QWidget *parent, QLineEdit *field, const QString &title, const QString &text,
            const QString &fallback)
{
    rejectFieldEntry(parent, field, title, text, fallback);
}

bool readInt(const QLineEdit *field, int *value)
{
    bool ok = false;
    const int v = field->text().trimmed().toInt(&ok, 10);
    if (ok)
        *value = v;
    return ok;
}

bool readReal(const QLineEdit *field, double *value)
{
    bool ok = false;
    const double v = field->text().trimmed().toDouble(&ok);
    if (ok)
        *value = v;
    return ok;
}

int checkInt(QWidget *parent, QLineEdit *field, int min, int max, int step, const QString &title,
             const QString &text, int fallback)
{
    int value = 0;
    if (readInt(field, &value) && value >= min && value <= max && (step <= 1 || value % step == 0))
        return value;
    refuse(parent, field, title, text, QString::number(fallback));
    return fallback;
}

void refresh(unsigned char *reference, unsigned char *working, int index, const StringInfo &rows)
{
    HexaViewer *viewer = HexaViewer::getInstance();
    // Bytes 72-125 cover Blocks 2 to 4; Block 1 starts at 54.
    viewer->updateByteArray(reference, working, qMin(72, slotOffset(index)), 125);
    viewer->setMonitorDescStringInfo(rows, index);
}

void describe(int index, const StringInfo &rows)
{
    HexaViewer::getInstance()->setMonitorDescStringInfo(rows, index);
}

} // namespace DescriptorEntry
