#ifndef FIELDCHECK_H
#define FIELDCHECK_H

#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QString>

// The rejection step shared by the timing editors: a modal warning with one
// OK button, then the field shows its fallback text. The field's signals stay
// blocked meanwhile, so neither the box taking the focus nor the new text
// re-enters the field's editingFinished slot.
inline void rejectFieldEntry(QWidget *parent, QLineEdit *field, const QString &title,
                             const QString &message, const QString &fallback)
{
    const QSignalBlocker blocker(field);
    QMessageBox::warning(parent, title, message, QMessageBox::Ok);
    field->setText(fallback);
}

#endif // FIELDCHECK_H
