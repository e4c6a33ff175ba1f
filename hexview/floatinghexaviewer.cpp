#include "floatinghexaviewer.h"
#include "ui_floatinghexaviewer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidgetItem>

namespace {

constexpr int kBytes = 256;
constexpr int kColumns = 16;
constexpr int kChecksumByte = 127;

QString hexText(u8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

FloatingHexaViewer::FloatingHexaViewer(QWidget *parent)
    : QDialog(parent), ui(new Ui::FloatingHexaViewer), dragOrigin(0, 0), dragging(false),
      raised(false)
{
    ui->setupUi(this);
    setWindowTitle(tr("HexaDecimal View"));

    // Read-only mirror: the table takes no input, so presses reach the dialog
    // and the window can be dragged from anywhere.
    ui->displayByteArray->setEnabled(false);
    ui->displayByteArray->horizontalHeader()->setEnabled(false);
    ui->displayByteArray->verticalHeader()->setEnabled(false);

    for (int i = 0; i < kBytes; ++i) {
        auto *cell = new QTableWidgetItem();
        cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ui->displayByteArray->setItem(i / kColumns, i % kColumns, cell);
    }
    ui->displayByteArray->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->displayByteArray->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

FloatingHexaViewer::~FloatingHexaViewer()
{
    delete ui;
}

void FloatingHexaViewer::displayArray(u8 *image)
{
    if (!image)
        return;
    for (int i = 0; i < kBytes; ++i) {
        QTableWidgetItem *cell = ui->displayByteArray->item(i / kColumns, i % kColumns);
        cell->setText(hexText(image[i]));
        cell->setForeground(QColor(Qt::lightGray));
    }
}

void FloatingHexaViewer::updateByteArray(u8 *reference, u8 *working, int first, int last)
{
    if (!reference || !working)
        return;
    first = qMax(first, 0);
    last = qMin(last, kBytes - 1);
    for (int i = first; i <= last; ++i)
        updateCell(reference, working, i);
    updateCell(reference, working, kChecksumByte);
}

void FloatingHexaViewer::updateCell(const u8 *reference, const u8 *working, int index)
{
    QTableWidgetItem *cell = ui->displayByteArray->item(index / kColumns, index % kColumns);
    cell->setText(hexText(working[index]));
    cell->setForeground(working[index] != reference[index] ? QColor(255, 0, 0)
                                                           : QColor(Qt::lightGray));
}

bool FloatingHexaViewer::isRaised()
{
    return raised;
}

void FloatingHexaViewer::setRaised(bool raised)
{
    this->raised = raised;
}

void FloatingHexaViewer::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        dragOrigin = event->pos();
    }
}

void FloatingHexaViewer::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void FloatingHexaViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FloatingHexaViewer::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && dragging)
        move(pos() + event->pos() - dragOrigin);
}
