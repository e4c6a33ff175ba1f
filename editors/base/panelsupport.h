#ifndef PANELSUPPORT_H
#define PANELSUPPORT_H

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>

#include "edidtypes.h"
#include "stringinfo.h"

class HexaViewer;
class QComboBox;
class QLineEdit;
class QWidget;

// The steps every base-block panel repeats around its fields and its section:
// it keeps the two images, remembers the text each field last committed (so
// that finishing a field without typing is no edit), refuses a bad value in a
// modal warning box and puts the fall-back in its place, and writes the section
// into the working image before refreshing the viewer bytes and description.
class PanelSupport
{
public:
    // One of the viewer's section-description setters.
    using Describe = void (HexaViewer::*)(StringInfo);

    explicit PanelSupport(QWidget *panel);

    void setImages(Byte *reference, Byte *working);
    Byte *reference() const { return referenceImage; }
    Byte *working() const { return workingImage; }

    // Shows `text` in the field (its signals blocked) and takes it as committed.
    void show(QLineEdit *field, const QString &text);
    // Takes the field's present text as committed.
    void commit(QLineEdit *field);
    // True while the field still holds the text it last committed.
    bool unchanged(const QLineEdit *field) const;

    // A refused value: with the field's signals blocked, a warning box (parent
    // the panel, one OK button) shows the message, then the field shows the
    // fall-back text, which counts as committed.
    void refuse(QLineEdit *field, const QString &title, const QString &message,
                const QString &fallbackText);

    // The check of the display-parameter fields: an empty text, or a value
    // outside minimum..maximum (a double that is not a number included), is
    // refused under the title "Format error" and answered by the minimum, which
    // the field then shows; an accepted value is returned as it is.
    QVariant checkRange(QLineEdit *field, const QVariant &value, const QVariant &minimum,
                        const QVariant &maximum, const QString &message);
    // Shows a value: a double with exactly two decimals, an integer in decimal.
    void showValue(QLineEdit *field, const QVariant &value);

    // Writes the section with `write` into the working image (when the panel has
    // one), repaints viewer bytes first..last and hands `rows` to `describe`.
    void writeSection(const std::function<void(Byte *)> &write, int first, int last,
                      Describe describe, const StringInfo &rows) const;

    // Hundredths of a typed decimal (gamma, aspect ratio), halves away from zero.
    static int hundredths(double value);
    // A stored hundredths value shown with exactly two decimals (220 -> "2.20").
    static QString twoDecimals(double value);
    // A field's text read as a number; text that is not a number reads 0.
    static double readDouble(const QLineEdit *field);
    static int readInt(const QLineEdit *field);

    // A code shown in a combo box whose items 0 to count - 1 stand for codes 0
    // to count - 1: a reserved code (count or above) is shown by an item of its
    // own, "Reserved (N)", after them, so that it is never shown as another.
    static void showCode(QComboBox *combo, int count, uint32_t code);
    // The code that item `index` of such a combo box stands for.
    static uint32_t codeAt(const QComboBox *combo, int count, int index);

    static QString yesNo(bool checked) { return checked ? QStringLiteral("YES") : QStringLiteral("no"); }

private:
    QWidget *panel;
    Byte *referenceImage = nullptr;
    Byte *workingImage = nullptr;
    QHash<const QLineEdit *, QString> committed;
};

#endif // PANELSUPPORT_H
