#ifndef FLOATINGHEXAVIEWER_H
#define FLOATINGHEXAVIEWER_H

#include <QDialog>
#include <QPoint>

#include "edidtypes.h"

class QKeyEvent;
class QMouseEvent;

namespace Ui {
class FloatingHexaViewer;
}

// Frameless, always-on-top copy of the 16 x 16 byte table. It has no input of
// its own: it mirrors what HexaViewer shows and can be dragged with the left
// mouse button from any point of the window.
class FloatingHexaViewer : public QDialog
{
    Q_OBJECT

public:
    explicit FloatingHexaViewer(QWidget *parent = nullptr);
    ~FloatingHexaViewer() override;

    // Shows the 256 bytes of image, unmarked (light grey).
    void displayArray(u8 *image);
    // Rewrites bytes first..last (inclusive) and always byte 127 from working,
    // red where they differ from reference, light grey otherwise.
    void updateByteArray(u8 *reference, u8 *working, int first, int last);

    bool isRaised();
    void setRaised(bool raised);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Escape does not hide the window: it is opened and closed only through
    // the main window's "Hexa Viewer" action, which must stay in step.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateCell(const u8 *reference, const u8 *working, int index);

    Ui::FloatingHexaViewer *ui;
    QPoint dragOrigin;
    bool dragging;
    bool raised;
};

#endif // FLOATINGHEXAVIEWER_H
