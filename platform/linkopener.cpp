#include "linkopener.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

bool openWithDesktop(const QString& url) {
    const QUrl parsed(url, QUrl::TolerantMode);
    return parsed.isValid() && QDesktopServices::openUrl(parsed);
}

UrlOpener& opener() {
    static UrlOpener current = openWithDesktop;
    return current;
}

} // namespace

bool OpenUrl(const QString& url) {
    return opener()(url);
}

QString MailLinkUrl(const QString& address, const QString& subject, const QString& body) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject +
           QStringLiteral("%20") + QStringLiteral("&body=") + body;
}

bool OpenMailLink(const QString& address, const QString& subject, const QString& body) {
    return OpenUrl(MailLinkUrl(address, subject, body));
}

ScopedUrlOpener::ScopedUrlOpener(UrlOpener replacement)
    : ScopedOverride(opener(), std::move(replacement)) {}
