#pragma once

#include <QLocale>
#include <QString>

// A byte count as every view shows it: decimal units in the user's language
// ("154.9 kB", "812 MB"; French "154,9 ko", "812 Mo"), one decimal below a
// hundred of a unit and none above.
QString sizeText(qint64 bytes, const QLocale &locale = QLocale());
