#include "PseudoTranslator.h"

#include <cmath>

namespace {

// A look-alike with an accent for each ASCII letter, a–z then A–Z.
const QString kAccented = QStringLiteral("àƀçđëƒĝĥïĵķļɱñöþǫŕšŧüṽŵẋýžÀßÇĐËƑĜĤÏĴĶĻṀÑÖÞǪŔŠŦÜṼŴẊÝŽ");

// The length of what is kept as it is at text[i]: a placeholder, a tag or an
// entity; 0 for an ordinary character.
qsizetype keptLength(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    const qsizetype rest = text.size() - i;
    if (c == u'%' && rest > 1) {
        qsizetype j = i + 1;
        if (text.at(j) == u'L' && rest > 2)
            ++j;
        if (text.at(j) == u'n')
            return j + 1 - i;
        const qsizetype digits = j;
        while (j < text.size() && text.at(j).isDigit())
            ++j;
        return j > digits ? j - i : 0;
    }
    if (c == u'<') {
        const qsizetype end = text.indexOf(u'>', i);
        return end > i ? end + 1 - i : 0;
    }
    if (c == u'&') {
        const qsizetype end = text.indexOf(u';', i);
        const bool entity = end > i + 1 && end - i < 10 &&
                            std::all_of(text.begin() + i + 1, text.begin() + end,
                                        [](QChar e) { return e.isLetterOrNumber() || e == u'#'; });
        return entity ? end + 1 - i : 1;
    }
    return 0;
}

} // namespace

PseudoTranslator::PseudoTranslator(std::unique_ptr<QTranslator> english)
    : m_english(std::move(english))
{}

QString PseudoTranslator::translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const
{
    const QString english = m_english->translate(context, sourceText, disambiguation, n);
    // An id with no English text shows the id itself, undecorated.
    return english.isEmpty() ? english : decorate(english);
}

bool PseudoTranslator::isEmpty() const
{
    return m_english->isEmpty();
}

QString PseudoTranslator::decorate(const QString &text)
{
    QString out;
    out.reserve(text.size() * 2 + 4);
    out += u'[';
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype kept = keptLength(text, i)) {
            out += text.mid(i, kept);
            i += kept;
            continue;
        }
        const char16_t c = text.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            out += kAccented.at(c - u'a');
        else if (c >= u'A' && c <= u'Z')
            out += kAccented.at(26 + c - u'A');
        else
            out += text.at(i);
        ++i;
    }
    // 40 % longer in all: the brackets and the space count towards it.
    const auto extra = qsizetype(std::ceil(text.size() * 0.4)) - 3;
    out += u' ' + QString(std::max<qsizetype>(extra, 1), u'~') + u']';
    return out;
}
