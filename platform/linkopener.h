#pragma once

#include "scopedoverride.h"

#include <QString>
#include <functional>

// Opens a mail or web link with the user's default handler. Failures are silent: the caller
// gets false and shows nothing. Tests replace the opener to see which links were asked for.
using UrlOpener = std::function<bool(const QString& url)>;

bool OpenUrl(const QString& url);

// "mailto:" + address + "?subject=" + subject + "%20&body=" + body, with the subject and body
// inserted as they are (spaces unencoded); the mail program receives the subject with a
// trailing blank.
QString MailLinkUrl(const QString& address, const QString& subject, const QString& body);
bool OpenMailLink(const QString& address, const QString& subject, const QString& body);

// Puts `opener` in place of the desktop's handler for its lifetime; the previous one returns
// after.
class ScopedUrlOpener : ScopedOverride<UrlOpener> {
public:
    explicit ScopedUrlOpener(UrlOpener opener);
};
