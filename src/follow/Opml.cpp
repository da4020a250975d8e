#include "Opml.h"

#include "platform/PlainText.h"

#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Opml {

namespace {

bool isWebAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// Text as XML 1.0 allows it: no control characters besides tab and line ends.
QString xmlText(const QString &text)
{
    QString clean = PlainText::withoutHidden(text);
    clean.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    return clean;
}

Failure notOpml(const QString &detail)
{
    //% "The file is not an OPML list of feeds."
    return Failure{Failure::Kind::FileSystem, qtTrId("follow.error.not_opml"), detail};
}

} // namespace

Result<QList<Feed>> read(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    QList<Feed> feeds;
    QSet<QString> known;
    bool opml = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("opml"))
            opml = true;
        if (xml.name() != QLatin1String("outline"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString address = a.value(QLatin1String("xmlUrl")).toString().trimmed();
        if (!isWebAddress(address) || known.contains(address))
            continue;
        known.insert(address);
        QString title = a.value(QLatin1String("title")).toString();
        if (title.isEmpty())
            title = a.value(QLatin1String("text")).toString();
        feeds << Feed{address, PlainText::withoutHidden(title.simplified())};
    }
    if (xml.hasError())
        return notOpml(xml.errorString());
    if (!opml)
        return notOpml(QStringLiteral("no <opml> element"));
    return feeds;
}

QByteArray write(const QList<Follow> &follows, const QDateTime &created)
{
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("opml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("head"));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Reelix follows"));
    xml.writeTextElement(QStringLiteral("dateCreated"), created.toString(Qt::RFC2822Date));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("body"));
    for (const Follow &f : follows) {
        const QString title = f.title.isEmpty() ? f.address : f.title;
        // QXmlStreamWriter escapes the text; a title from a page may hold anything.
        xml.writeEmptyElement(QStringLiteral("outline"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("rss"));
        xml.writeAttribute(QStringLiteral("text"), xmlText(title));
        xml.writeAttribute(QStringLiteral("title"), xmlText(title));
        xml.writeAttribute(QStringLiteral("xmlUrl"), xmlText(f.address));
    }
    xml.writeEndDocument();
    return data;
}

} // namespace Opml
