#include "SizeText.h"

#include <cmath>

QString sizeText(qint64 bytes, const QLocale &locale)
{
    double value = double(std::max<qint64>(bytes, 0));
    int steps = 0;
    while (value >= 1000 && steps < 6) {
        value /= 1000;
        ++steps;
    }
    // Whole bytes have no decimals; "340.2 MB" says no more than "340 MB".
    const int precision = steps == 0 || std::round(value * 10) >= 1000 ? 0 : 1;
    return locale.formattedDataSize(bytes, precision, QLocale::DataSizeSIFormat);
}
