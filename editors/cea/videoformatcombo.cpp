#include "videoformatcombo.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "videoformatnames.h"

VideoFormatCombo::VideoFormatCombo(QWidget *parent) : QComboBox(parent)
{
    setModel(videoFormatModel());
}

QSize VideoFormatCombo::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    const QSize text(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')),
                     qMax(metrics.height(), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

QSize VideoFormatCombo::minimumSizeHint() const
{
    return sizeHint();
}

void VideoFormatCombo::changeEvent(QEvent *e)
{
    // Until the popup list exists, a font or style change concerns the combo
    // box alone: the list takes the combo box's font and style when built.
    if ((e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        && findChild<QAbstractItemView *>() == nullptr) {
        QWidget::changeEvent(e);
        return;
    }
    QComboBox::changeEvent(e);
}
