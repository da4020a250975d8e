#include "PlainText.h"

namespace PlainText {

bool isHidden(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || (u >= 0x202a && u <= 0x202e) ||
           (u >= 0x2066 && u <= 0x2069) || u == 0x061c || u == 0x2028 || u == 0x2029;
}

QString withoutHidden(QString text)
{
    text.removeIf(isHidden);
    return text;
}

} // namespace PlainText
