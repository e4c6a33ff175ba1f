#ifndef CEAPAGE_H
#define CEAPAGE_H

// The tests of the CEA extension page and its block editors: the page driven
// as the application's page object drives it, and list texts.

#include <QListWidget>
#include <QScopedPointer>

#include "ceaextensionblock.h"
#include "testsupport.h"
#include "videoformatnames.h"

inline QString vicName(int vic)
{
    return QString::fromLatin1(videoFormatNames[vic - 1]);
}

inline QStringList listRows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// An image decoded and loaded into the page, each assembly copied into the
// working image.
struct CEAPage {
    EdidImages images;
    CEAExtensionBlock page{nullptr};
    QScopedPointer<_EDID_CEA_EXTENSION_INFO> info{new _EDID_CEA_EXTENSION_INFO()};

    CEAPage()
    {
        QObject::connect(&page, &CEAExtensionBlock::valueChanged, [this]() {
            const QByteArray data = page.getEDIDData();
            for (int i = 0; i < 128; ++i)
                images.working[128 + i] = i < data.size() ? static_cast<unsigned char>(data[i]) : 0;
        });
    }

    // Result of EDIDGetExtensionInfo; the page is loaded when it decoded.
    int load(const QByteArray &image)
    {
        images.set(image);
        const int result = EDIDGetExtensionInfo(images.reference, info.data());
        if (result == 0 || result == 2)
            page.initFields(info.data(), images.reference, images.working);
        return result;
    }

    // The first editor of class T and its row in the block list (-1: none).
    template <typename T> T *editor(int *row = nullptr)
    {
        const QList<CEABlock *> blocks = page.getBlocks();
        for (int i = 0; i < blocks.size(); ++i) {
            if (T *found = qobject_cast<T *>(blocks.at(i))) {
                if (row != nullptr)
                    *row = i;
                return found;
            }
        }
        if (row != nullptr)
            *row = -1;
        return nullptr;
    }

    // Every editor of class T, in list order.
    template <typename T> QList<T *> editors()
    {
        QList<T *> found;
        for (CEABlock *block : page.getBlocks())
            if (T *editor = qobject_cast<T *>(block))
                found << editor;
        return found;
    }

    // The editor of row `row` as class T (null when it is another class).
    template <typename T> T *editorAt(int row) { return qobject_cast<T *>(page.editorAt(row)); }

    QListWidget *list() { return child<QListWidget>(&page, QStringLiteral("listWidget")); }
    QStringList rows() { return listRows(list()); }
    void select(int row) { list()->setCurrentRow(row); }
};

#endif // CEAPAGE_H
