#ifndef CVTWIZARD_H
#define CVTWIZARD_H

#include <QDialog>

namespace Ui {
class CvtWizard;
}

// A timing computed by the CVT calculator, handed to the detailed timing
// editor. Back porches are blanking - front porch - sync width.
struct FormatDefinition
{
    float rate = 0.0f;       // vertical refresh, Hz
    bool interlaced = false;
    int hActive = 0;
    int vActive = 0;
    int hBlank = 0;
    int vBlank = 0;
    int hFrontPorch = 0;
    int vFrontPorch = 0;
    int hSync = 0;
    int vSync = 0;
    int hTotal = 0;
    int vTotal = 0;
    int hBorder = 0;
    int vBorder = 0;
    // Pixel clock in units of 10 kHz, as the CVT formulas give it.
    quint64 pixelClock = 0;
    // Horizontal sync polarity positive / vertical sync polarity positive.
    bool hSyncPositive = false;
    bool vSyncPositive = true;
};

Q_DECLARE_METATYPE(FormatDefinition)

// Modal dialog computing a detailed timing from an active size and a
// refresh rate with the VESA CVT 1.2 formulas (normal blanking, reduced
// blanking version 1 or 2).
class CvtWizard : public QDialog
{
    Q_OBJECT

public:
    explicit CvtWizard(QWidget *parent = nullptr);
    CvtWizard(int h, int v, float rate, QWidget *parent = nullptr);
    ~CvtWizard() override;

    // The computation itself: false with a message in `error` when the
    // inputs cannot give a timing.
    static bool computeCVT(qint64 h, qint64 v, double rate, bool reducedBlanking,
                           bool version2, FormatDefinition &format, QString &error);

signals:
    void formatCalculated(FormatDefinition format);

public slots:
    void updateUI();

private slots:
    void on_checkButton_clicked();

private:
    Ui::CvtWizard *ui;
};

#endif // CVTWIZARD_H
