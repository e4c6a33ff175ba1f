#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QtTest>

#include <array>

#include "floatinghexaviewer.h"
#include "testimage.h"

namespace {

void send(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestFloatingHexaViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form();
    void displayArrayIsLightGrey();
    void updateMarksChangedBytes();
    void leftDragMovesWindow();
    void dragFromTheTable();
    void otherInputDoesNotMove();
    void raisedFlag();
    void escapeKeepsWindowOpen();

private:
    QTableWidgetItem *cell(int byte) { return table()->item(byte / 16, byte % 16); }
    QTableWidget *table() { return window->findChild<QTableWidget *>("displayByteArray"); }

    FloatingHexaViewer *window = nullptr;
};

void TestFloatingHexaViewer::init()
{
    window = new FloatingHexaViewer(nullptr);
    window->resize(460, 400);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->move(200, 150);
}

void TestFloatingHexaViewer::cleanup()
{
    delete window;
    window = nullptr;
}

void TestFloatingHexaViewer::form()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("HexaDecimal View"));
    QVERIFY(window->isWindow());
    QTableWidget *t = table();
    QCOMPARE(t->rowCount(), 16);
    QCOMPARE(t->columnCount(), 16);
    QCOMPARE(t->horizontalHeaderItem(10)->text(), QStringLiteral("0A"));
    QCOMPARE(t->verticalHeaderItem(10)->text(), QStringLiteral("A0"));
    QVERIFY(!t->isEnabled());
    QVERIFY(!t->horizontalHeader()->isEnabled());
    QVERIFY(t->horizontalHeader()->isVisible());
    QCOMPARE(t->selectionMode(), QAbstractItemView::NoSelection);
    for (int i = 0; i < 256; ++i) {
        QVERIFY(cell(i)->text().isEmpty());
        QVERIFY(cell(i)->toolTip().isEmpty());
    }
}

void TestFloatingHexaViewer::displayArrayIsLightGrey()
{
    Image image{};
    for (int i = 0; i < 256; ++i)
        image[i] = u8(i);
    window->displayArray(image.data());
    for (int i = 0; i < 256; ++i) {
        QCOMPARE(cell(i)->text(), QStringLiteral("%1").arg(i, 2, 16, QChar('0')).toUpper());
        QCOMPARE(cell(i)->foreground().color(), QColor(192, 192, 192));
    }
}

void TestFloatingHexaViewer::updateMarksChangedBytes()
{
    Image reference{};
    Image working{};
    window->displayArray(reference.data());
    working[3] = 1;     // outside the range: not drawn
    working[21] = 0xAB; // inside
    working[127] = 0x55;
    working[255] = 0x10; // outside
    window->updateByteArray(reference.data(), working.data(), 20, 25);

    QCOMPARE(cell(3)->text(), QStringLiteral("00"));
    QCOMPARE(cell(21)->text(), QStringLiteral("AB"));
    QCOMPARE(cell(21)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cell(22)->foreground().color(), QColor(Qt::lightGray));
    QCOMPARE(cell(127)->text(), QStringLiteral("55"));
    QCOMPARE(cell(127)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cell(255)->text(), QStringLiteral("00"));

    window->updateByteArray(reference.data(), working.data(), 128, 255);
    QCOMPARE(cell(255)->text(), QStringLiteral("10"));
    QCOMPARE(cell(255)->foreground().color(), QColor(255, 0, 0));

    working = reference;
    window->updateByteArray(reference.data(), working.data(), 0, 255);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(cell(i)->foreground().color(), QColor(Qt::lightGray));
}

void TestFloatingHexaViewer::leftDragMovesWindow()
{
    const QPoint start = window->pos();
    send(window, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    send(window, QEvent::MouseMove, QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window->pos(), start + QPoint(30, 15));
    send(window, QEvent::MouseButtonRelease, QPoint(40, 25), Qt::LeftButton, Qt::NoButton);

    // After the release a move with no button held does nothing.
    const QPoint after = window->pos();
    send(window, QEvent::MouseMove, QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window->pos(), after);
}

void TestFloatingHexaViewer::dragFromTheTable()
{
    // The table takes no input: a press on it reaches the window.
    QWidget *viewport = table()->viewport();
    const QPoint start = window->pos();
    send(viewport, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    const QPoint grabbed = viewport->mapTo(window, QPoint(5, 5));
    send(window, QEvent::MouseMove, grabbed + QPoint(-20, 12), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window->pos(), start + QPoint(-20, 12));
    send(window, QEvent::MouseButtonRelease, grabbed, Qt::LeftButton, Qt::NoButton);
}

void TestFloatingHexaViewer::otherInputDoesNotMove()
{
    const QPoint start = window->pos();

    // A move without a press, and a release without a press.
    send(window, QEvent::MouseMove, QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
    send(window, QEvent::MouseButtonRelease, QPoint(50, 50), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window->pos(), start);

    // Dragging with the right button.
    send(window, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton, Qt::RightButton);
    send(window, QEvent::MouseMove, QPoint(60, 60), Qt::NoButton, Qt::RightButton);
    send(window, QEvent::MouseButtonRelease, QPoint(60, 60), Qt::RightButton, Qt::NoButton);
    QCOMPARE(window->pos(), start);

    // A press then a move without the left button held.
    send(window, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    send(window, QEvent::MouseMove, QPoint(60, 60), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window->pos(), start);
    send(window, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton, Qt::NoButton);
}

void TestFloatingHexaViewer::raisedFlag()
{
    QVERIFY(!window->isRaised());
    window->setRaised(true);
    QVERIFY(window->isRaised());
    QVERIFY(window->isVisible());   // the flag alone changes nothing on screen
    window->setRaised(false);
    QVERIFY(!window->isRaised());
}

// Only the main window's action closes it, so that the action stays in step.
void TestFloatingHexaViewer::escapeKeepsWindowOpen()
{
    window->setRaised(true);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(window->isRaised());
}

QTEST_MAIN(TestFloatingHexaViewer)
#include "tst_floatinghexaviewer.moc"
