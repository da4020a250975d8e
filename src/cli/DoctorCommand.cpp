#include "DoctorCommand.h"

#include "Terminal.h"

#include "doctor/Doctor.h"
#include "doctor/DoctorReport.h"

#include <QDateTime>

#include <algorithm>
#include <cstdio>

namespace DoctorCommand {

QCoro::Task<int> run(CliOptions options)
{
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    const CheckResults results = co_await Doctor::run(DoctorSettings::forThisSystem());
    const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - start;
    QString out;
    if (options.json)
        out = QString::fromUtf8(DoctorReport::json(results, elapsed));
    else if (options.report)
        out = DoctorReport::text(results, elapsed);
    else {
        // Tools and pages wrote part of these lines: no terminal control may pass.
        for (const QString &line : DoctorReport::summary(results).split(u'\n'))
            out += Terminal::printable(line) + QLatin1Char('\n');
        out.chop(1);
    }
    std::fputs(out.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    const bool problem = std::any_of(results.cbegin(), results.cend(), [](const CheckResult &r) {
        return r.level == CheckResult::Level::Problem;
    });
    co_return problem ? 1 : 0;
}

} // namespace DoctorCommand
