#include "about.h"
#include "ui_about.h"

#include <QDesktopServices>
#include <QFile>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString anchor(const QString &target, const QString &text, const QString &colour)
{
    return QStringLiteral("<a href=\"%1\"><span style=\"text-decoration: underline; color:%2;\">%3</span></a>")
        .arg(target, colour, text);
}

struct LicencePage {
    const char *link;
    const char *page;
};

const LicencePage licencePages[] = {
    {"#browse_EULA", "QB_EULA.html"},
    {"#browse_LGPL", "lgpl.html"},
};

} // namespace

About::About(QString name, QString version, QPixmap logo, QString linkColour,
             QString licenceFolder, QWidget *parent)
    : QDialog(parent), ui(new Ui::About), licenceFolder(std::move(licenceFolder)),
      logo(std::move(logo))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    ui->label_QT5->setText(anchor(QStringLiteral("https://www.qt.io/"),
                                  QStringLiteral("Qt5 Library"), linkColour));
    ui->label_QT5Code->setText(anchor(QStringLiteral("https://download.qt.io/archive/qt/5.15/"),
                                      QStringLiteral("download.qt.io"), linkColour));
    ui->label_QB_techsupport->setText(anchor(QStringLiteral("mailto:support@quorbel.com"),
                                             QStringLiteral("Quorbel"), linkColour));
    ui->label_LGPL->setText(anchor(QStringLiteral("#browse_LGPL"),
                                   QStringLiteral("(LPGL v3)"), linkColour));
    ui->label_EULA->setText(anchor(QStringLiteral("#browse_EULA"),
                                   QStringLiteral("View End-User License Agreement"), linkColour));

    connect(ui->label_EULA, &QLabel::linkActivated, this, &About::onLinkActivated);
    connect(ui->label_LGPL, &QLabel::linkActivated, this, &About::onLinkActivated);

    ui->label_Name->setText(name);
    ui->label_Version->setText(version);
}

About::~About()
{
    delete ui;
}

QString About::licenceCopyFolder()
{
    static QTemporaryDir folder;
    return folder.isValid() ? folder.path() : QString();
}

void About::onLinkActivated(const QString &link)
{
    for (const LicencePage &entry : licencePages) {
        if (link != QLatin1String(entry.link))
            continue;
        const QString folder = licenceCopyFolder();
        if (folder.isEmpty())
            return;
        const QString page = QLatin1String(entry.page);
        const QString target = folder + QLatin1Char('/') + page;
        // An earlier copy from the resources is read-only.
        if (QFile::exists(target)) {
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
            QFile::remove(target);
        }
        if (QFile::copy(licenceFolder + page, target))
            QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        return;
    }
}

void About::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!logo.isNull())
        ui->label->setPixmap(logo.scaled(ui->label->width(), ui->label->height(),
                                         Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
