#include "panelsupport.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <cmath>

#include "hexaviewer.h"

PanelSupport::PanelSupport(QWidget *panel)
    : panel(panel)
{
}

void PanelSupport::setImages(Byte *reference, Byte *working)
{
    referenceImage = reference;
    workingImage = working;
}

void PanelSupport::show(QLineEdit *field, const QString &text)
{
    const QSignalBlocker blocker(field);
    field->setText(text);
    commit(field);
}

void PanelSupport::commit(QLineEdit *field)
{
    // The field's maximum length may have cut the text: keep what it shows.
    committed.insert(field, field->text());
}

bool PanelSupport::unchanged(const QLineEdit *field) const
{
    const auto it = committed.constFind(field);
    return it != committed.constEnd() && *it == field->text();
}

void PanelSupport::refuse(QLineEdit *field, const QString &title, const QString &message,
                          const QString &fallbackText)
{
    // Blocked from before the box, so that the field losing its focus to the box
    // and being rewritten does not run its slot a second time.
    const QSignalBlocker blocker(field);
    QMessageBox::warning(panel, title, message, QMessageBox::Ok);
    field->setText(fallbackText);
    commit(field);
}

QVariant PanelSupport::checkRange(QLineEdit *field, const QVariant &value, const QVariant &minimum,
                                  const QVariant &maximum, const QString &message)
{
    bool refused = field->text().isEmpty();
    if (!refused) {
        if (value.type() == QVariant::Double) {
            const double number = value.toDouble();
            refused = !(minimum.toDouble() <= number && number <= maximum.toDouble());
        } else {
            const qlonglong number = value.toLongLong();
            refused = number < minimum.toLongLong() || number > maximum.toLongLong();
        }
    }
    if (!refused) {
        commit(field);
        return value;
    }
    refuse(field, QStringLiteral("Format error"), message,
           minimum.type() == QVariant::Double ? twoDecimals(minimum.toDouble()) : minimum.toString());
    return minimum;
}

void PanelSupport::showValue(QLineEdit *field, const QVariant &value)
{
    show(field, value.type() == QVariant::Double ? twoDecimals(value.toDouble()) : value.toString());
}

void PanelSupport::writeSection(const std::function<void(Byte *)> &write, int first, int last,
                                Describe describe, const StringInfo &rows) const
{
    HexaViewer *viewer = HexaViewer::getInstance();
    if (workingImage) {
        write(workingImage);
        if (referenceImage)
            viewer->updateByteArray(referenceImage, workingImage, first, last);
    }
    (viewer->*describe)(rows);
}

int PanelSupport::hundredths(double value)
{
    return static_cast<int>(std::lround(value * 100.0));
}

QString PanelSupport::twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

double PanelSupport::readDouble(const QLineEdit *field)
{
    bool ok = false;
    const double value = field->text().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int PanelSupport::readInt(const QLineEdit *field)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : 0;
}

void PanelSupport::showCode(QComboBox *combo, int count, uint32_t code)
{
    const QSignalBlocker blocker(combo);
    while (combo->count() > count)
        combo->removeItem(combo->count() - 1);
    if (code >= uint32_t(count)) {
        combo->addItem(QStringLiteral("Reserved (%1)").arg(code), code);
        combo->setCurrentIndex(count);
    } else {
        combo->setCurrentIndex(int(code));
    }
}

uint32_t PanelSupport::codeAt(const QComboBox *combo, int count, int index)
{
    if (index < count)
        return uint32_t(qMax(index, 0));
    return combo->itemData(index).toUInt();
}
