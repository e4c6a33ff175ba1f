#ifndef UPDATECHECK_H
#define UPDATECHECK_H

#include <QByteArray>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The maker's update document and the decision taken on it.
namespace UpdateCheck {

extern const char *const productId;      // "1001"
extern const char *const programVersion; // "02.00.13"
extern const char *const settingsKey;    // "LastVersionDisplay"
extern const char *const boxTitle;       // "Quorbel DUZO Vozevu"

// Largest document read; a larger answer is dropped unread.
constexpr qint64 maxDocumentSize = 64 * 1024;

struct Document {
    QString id;
    QString name;
    QString version;
    QString url;
};

// Address of the update document. The server can be replaced by setting
// VOZEVU_UPDATE_SERVER (scheme, host and port, e.g. http://127.0.0.1:8080).
QUrl documentUrl();

// Issues the GET; an answer growing past maxDocumentSize is aborted.
QNetworkReply *request(QNetworkAccessManager *manager);

// Reads Id, Name, Version and Url; version defaults to the program's own.
Document read(const QByteArray &body);

// The answer's document; false on a network error or a body larger than
// maxDocumentSize.
bool readReply(QNetworkReply *reply, Document *doc);

enum class Answer { Nothing, UpToDate, Announce };

// What to show for a document whose id matched. `manual` is true once the
// first answer has been handled; `lastShown` is the stored settings value.
// `store` tells whether the document's version is to be stored.
Answer decide(const QString &version, const QString &lastShown, bool manual, bool *store);

// Rich texts of the two boxes (version and address are escaped; only
// http and https addresses become a link).
QString upToDateText();
QString announcementText(const QString &version, const QString &url);

} // namespace UpdateCheck

#endif // UPDATECHECK_H
