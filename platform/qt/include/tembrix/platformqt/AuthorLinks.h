#pragma once

// The author's site and a mail to the author, as the shell opens them.

#include <QString>
#include <QUrl>

#include "tembrix/platform/Author.h"

namespace tembrix {

inline QString authorSite() {
    return QString::fromLatin1(kAuthorSite.data(), qsizetype(kAuthorSite.size()));
}

inline QString authorMail() {
    return QString::fromLatin1(kAuthorMail.data(), qsizetype(kAuthorMail.size()));
}

/// A mailto link to the author with the subject "About " + `about`; mailto
/// links carry their fields percent-encoded (RFC 6068).
inline QString authorMailLink(const QString& about) {
    return QStringLiteral("mailto:") +
           QString::fromLatin1(QUrl::toPercentEncoding(authorMail(), "@")) +
           QStringLiteral("?subject=") +
           QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("About ") + about));
}

} // namespace tembrix
