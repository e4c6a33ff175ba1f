#include "updatecheck.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

namespace UpdateCheck {

const char *const productId = "1001";
const char *const programVersion = "02.00.13";
const char *const settingsKey = "LastVersionDisplay";
const char *const boxTitle = "Quorbel DUZO Vozevu";

namespace {
const char defaultServer[] = "http://www.quorbel.com";
const char documentPath[] = "/~ftp-xml/product_update_1001.xml";

// Reads the character data of the current start element, then skips it.
void readText(QXmlStreamReader &xml, QString *into)
{
    xml.readNext();
    if (xml.isCharacters())
        *into = xml.text().toString();
    xml.skipCurrentElement();
}

// HTML escape that is also safe inside a single-quoted attribute.
QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}
} // namespace

QUrl documentUrl()
{
    QString server = qEnvironmentVariable("VOZEVU_UPDATE_SERVER");
    if (server.isEmpty())
        server = QLatin1String(defaultServer);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return QUrl(server + QLatin1String(documentPath));
}

QNetworkReply *request(QNetworkAccessManager *manager)
{
    QNetworkReply *reply = manager->get(QNetworkRequest(documentUrl()));
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply](qint64 received, qint64 total) {
                         if (received > maxDocumentSize || total > maxDocumentSize)
                             reply->abort();
                     });
    return reply;
}

Document read(const QByteArray &body)
{
    Document doc;
    doc.version = QLatin1String(programVersion);
    QXmlStreamReader xml(body);
    xml.readNext();
    while (!xml.atEnd() && xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Id"))
            readText(xml, &doc.id);
        if (xml.name() == QLatin1String("Name"))
            readText(xml, &doc.name);
        if (xml.name() == QLatin1String("Version"))
            readText(xml, &doc.version);
        if (xml.isStartElement() && xml.name() == QLatin1String("Url"))
            readText(xml, &doc.url);
    }
    return doc;
}

bool readReply(QNetworkReply *reply, Document *doc)
{
    if (reply->error() != QNetworkReply::NoError)
        return false;
    const QByteArray body = reply->read(maxDocumentSize + 1);
    if (body.size() > maxDocumentSize)
        return false;
    *doc = read(body);
    return true;
}

Answer decide(const QString &version, const QString &lastShown, bool manual, bool *store)
{
    const bool newer =
        QString::compare(version, QLatin1String(programVersion), Qt::CaseInsensitive) > 0;
    *store = newer;
    if (!newer)
        return manual ? Answer::UpToDate : Answer::Nothing;
    if (manual || QString::compare(version, lastShown, Qt::CaseInsensitive) > 0)
        return Answer::Announce;
    return Answer::Nothing;
}

QString upToDateText()
{
    return QStringLiteral("  Your software is up to date.   ");
}

QString announcementText(const QString &version, const QString &url)
{
    QString text = QStringLiteral("QB DUZO Vozevu v") + escaped(version)
                   + QStringLiteral(" is available on Quorbel website.");
    const QUrl link(url, QUrl::StrictMode);
    const QString scheme = link.scheme().toLower();
    if (link.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        text += QStringLiteral(" Please click <a href='") + escaped(url)
                + QStringLiteral("'>here</a> for more information.");
    return text;
}

} // namespace UpdateCheck
