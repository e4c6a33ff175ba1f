#ifndef CEAPAGEFIXTURE_H
#define CEAPAGEFIXTURE_H

// The extension page driven as the application's page object drives it: an
// image decoded and loaded, each assembly copied into the working image.

#include <QListWidget>
#include <QScopedPointer>

#include "ceaextensionblock.h"
#include "testsupport.h"

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

    void select(int row) { child<QListWidget>(&page, QStringLiteral("listWidget"))->setCurrentRow(row); }
};

#endif // CEAPAGEFIXTURE_H
