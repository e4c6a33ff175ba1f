#ifndef CHOICE_H
#define CHOICE_H

#include <QLineEdit>

// A control set again to the value it already shows is no edit: a checked
// radio button clicked, a combo box entry picked again, a field finished
// without typing. Handlers take the user's action through these and write
// nothing when they return false, so that bits the shown value does not hold
// (a don't-care bit, a reserved code, a value outside the field's range) stay
// as loaded.

// Takes `chosen` into `value`; false when it is the value already held.
template <typename T, typename U>
inline bool takeChoice(T &value, const U &chosen)
{
    const T next = static_cast<T>(chosen);
    if (value == next)
        return false;
    value = next;
    return true;
}

// Whether the user typed into the field since its text was last set; the
// field then counts as committed.
inline bool takeTyping(QLineEdit *field)
{
    if (!field->isModified())
        return false;
    field->setModified(false);
    return true;
}

#endif // CHOICE_H
