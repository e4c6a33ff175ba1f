#ifndef VIDEOFORMATCOMBO_H
#define VIDEOFORMATCOMBO_H

#include <QComboBox>

// A combo box of the video format names (videoFormatModel(): row r = VIC
// r + 1, last row "Other"). Editors show many of them, one per row, and
// rarely open one, so it is made cheap to show:
// - its width is minimumContentsLength characters, where QComboBox would
//   measure every name (or build its popup to size it);
// - its popup list is built when it is first opened, where QComboBox builds
//   it (and lays out every name) on the first font or style change, which
//   a style sheet brings to every widget.
class VideoFormatCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit VideoFormatCombo(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *e) override;
};

#endif // VIDEOFORMATCOMBO_H
