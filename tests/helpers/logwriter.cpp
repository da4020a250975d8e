// Logs COUNT lines tagged TAG and exits at once: the lines must be on disk
// when the process has ended.
#include "log/Logger.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    const QString tag = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("writer");
    for (int i = 0; i < count; ++i)
        Logger::shared().log(tag + QLatin1Char(' ') + QString::number(i));
    return 0;
}
