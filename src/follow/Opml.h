#pragma once

#include "Follow.h"

#include "platform/Failure.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// OPML, the list of feeds that podcast apps and feed readers import and
// export: each outline with an xmlUrl is a feed, wherever it is nested.
namespace Opml {

struct Feed
{
    QString address; // xmlUrl
    QString title;   // title, else text; may be empty
};

// The feeds of an OPML document: web addresses only (http, https), each
// once. A document that is not XML, or not OPML, is a failure.
Result<QList<Feed>> read(const QByteArray &data);
// An OPML 2.0 document listing `follows` as feeds.
QByteArray write(const QList<Follow> &follows, const QDateTime &created);

} // namespace Opml
