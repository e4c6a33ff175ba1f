#ifndef PANELFIXTURE_H
#define PANELFIXTURE_H

// Helpers shared by the base-panel tests: sample images, the two images a
// panel edits, committing a field as a user does, and closing warning boxes.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "edidtypes.h"
#include "ediddecode.h"
#include "hexaviewer.h"

// The reference and working images owned by the window in the program.
struct Images
{
    Byte reference[256];
    Byte working[256];

    Images() { std::memset(reference, 0, 256); std::memset(working, 0, 256); }

    // Loads a sample into both images and decodes it; false if it does not decode.
    // `patches` are (byte index, value) pairs applied before the checksum is made right.
    bool load(const QString &name, _EDID_MANDATORY_INFO *info,
              std::initializer_list<std::pair<int, Byte>> patches = {})
    {
        QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll().left(256);
        std::memset(reference, 0, 256);
        std::memcpy(reference, bytes.constData(), size_t(bytes.size()));
        if (patches.size() != 0) {
            for (const auto &patch : patches)
                reference[patch.first] = patch.second;
            unsigned sum = 0;
            for (int i = 0; i < 127; ++i)
                sum += reference[i];
            reference[127] = Byte((256 - sum % 256) % 256);
        }
        std::memcpy(working, reference, 256);
        return EDIDGetMandatoryInfo(working, info);
    }

    bool baseChecksumOk() const
    {
        unsigned sum = 0;
        for (int i = 0; i < 128; ++i)
            sum += working[i];
        return sum % 256 == 0;
    }

    // Indexes of the base-block bytes that differ from the reference (checksum aside).
    QList<int> changedBytes() const
    {
        QList<int> changed;
        for (int i = 0; i < 127; ++i)
            if (reference[i] != working[i])
                changed << i;
        return changed;
    }
};

// Accepts every modal message box that opens while it lives, noting its title and text.
class BoxCatcher
{
public:
    BoxCatcher()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            titles << box->windowTitle();
            texts << box->text();
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
        timer.start();
    }

    QStringList titles;
    QStringList texts;

private:
    QTimer timer;
};

template <class Panel>
QLineEdit *lineEdit(Panel &panel, const char *name)
{
    auto *field = panel.template findChild<QLineEdit *>(QLatin1String(name));
    Q_ASSERT(field);
    return field;
}

// Replaces the field's text by typing, then finishes it with Return.
inline void typeAndCommit(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Finishes the field without typing.
inline void commitUnchanged(QLineEdit *field)
{
    QTest::keyClick(field, Qt::Key_Return);
}

// What the viewer's description pane shows: its title and its two columns.
struct ViewerPane
{
    QString title;
    QStringList labels;
    QStringList values;

    static ViewerPane now()
    {
        HexaViewer *viewer = HexaViewer::getInstance();
        ViewerPane pane;
        pane.title = viewer->findChild<QLineEdit *>(QStringLiteral("blockName"))->text();
        pane.labels = column(viewer, "descList");
        pane.values = column(viewer, "valueList");
        return pane;
    }

private:
    static QStringList column(HexaViewer *viewer, const char *name)
    {
        auto *view = viewer->findChild<QListView *>(QLatin1String(name));
        auto *model = view ? qobject_cast<QStringListModel *>(view->model()) : nullptr;
        return model ? model->stringList() : QStringList();
    }
};

#endif // PANELFIXTURE_H
