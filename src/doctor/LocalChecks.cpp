#include "Doctor.h"
#include "DoctorRun.h"

#include "certs/CertificateStore.h"
#include "platform/PlatformProfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <QtConcurrent/QtConcurrentRun>

#include <QCoro/QCoroFuture>

namespace Doctor {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

CheckResult certificateVerdict(const QString &path)
{
    QFile file(path);
    const bool sourceExists =
        std::any_of(PlatformProfile::current().caSourceFiles.cbegin(),
                    PlatformProfile::current().caSourceFiles.cend(),
                    [](const QString &source) { return QFileInfo::exists(source); });
    if (!file.open(QIODevice::ReadOnly)) {
        if (!sourceExists && !PlatformProfile::current().isMacOS()) {
            //% "The system trusts no certificates: secure sites cannot be checked."
            return {QStringLiteral("certificates"),
                    Level::Problem,
                    qtTrId("doctor.certs.no_source"),
                    //% "Install the system's certificates (the ca-certificates package)."
                    qtTrId("doctor.certs.install"),
                    Action::None,
                    {}};
        }
        //% "The certificate bundle is not made yet; the next download makes it."
        return {QStringLiteral("certificates"),
                Level::Ok,
                qtTrId("doctor.certs.not_yet"),
                {},
                Action::None,
                {{QStringLiteral("present"), false}}};
    }
    const int count = CertificateStore::countCertificates(QString::fromUtf8(file.readAll()));
    const int ageDays = int(QFileInfo(path).lastModified().daysTo(QDateTime::currentDateTime()));
    const QJsonObject facts{{QStringLiteral("present"), true},
                            {QStringLiteral("path"), DoctorRun::tildePath(path)},
                            {QStringLiteral("certificates"), count},
                            {QStringLiteral("ageDays"), ageDays}};
    if (count < CertificateStore::minimumCertificateCount) {
        //% "The certificate bundle holds only %n certificate(s): secure sites may fail."
        return {QStringLiteral("certificates"), Level::Problem, qtTrId("doctor.certs.few", count),
                qtTrId("doctor.certs.install"), Action::None,   facts};
    }
    //% "The certificate bundle holds %L1 certificates, made %n day(s) ago."
    return {QStringLiteral("certificates"),
            Level::Ok,
            qtTrId("doctor.certs.ok", ageDays).arg(count),
            {},
            Action::None,
            facts};
}

CheckResult folderVerdict(const QString &folder, qint64 lowSpace)
{
    QJsonObject facts{{QStringLiteral("path"), DoctorRun::tildePath(folder)}};
    const QFileInfo info(folder);
    if (!info.isDir()) {
        //% "The download folder %1 does not exist."
        return {QStringLiteral("folder"), Level::Problem,
                qtTrId("doctor.folder.missing").arg(DoctorRun::tildePath(folder)),
                //% "Choose another download folder."
                qtTrId("doctor.folder.choose"), Action::ChooseFolder, facts};
    }
    // Writing a file is the only sure test: permissions lie for read-only mounts.
    QTemporaryFile probe(folder + QStringLiteral("/.reelix-check-XXXXXX"));
    const bool writable = probe.open();
    facts.insert(QStringLiteral("writable"), writable);
    if (!writable) {
        //% "Reelix cannot write in the download folder %1."
        return {QStringLiteral("folder"),
                Level::Problem,
                qtTrId("doctor.folder.read_only").arg(DoctorRun::tildePath(folder)),
                qtTrId("doctor.folder.choose"),
                Action::ChooseFolder,
                facts};
    }
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    facts.insert(QStringLiteral("freeBytes"), free);
    const QString shown = QLocale().formattedDataSize(free, 1, QLocale::DataSizeSIFormat);
    if (free < lowSpace) {
        //% "Only %1 free in the download folder: downloads may not fit."
        return {QStringLiteral("folder"), Level::Warning, qtTrId("doctor.folder.low").arg(shown),
                //% "Free some space, or choose a folder on another disk."
                qtTrId("doctor.folder.free"), Action::ChooseFolder, facts};
    }
    //% "The download folder is writable and has %1 free."
    return {QStringLiteral("folder"),
            Level::Ok,
            qtTrId("doctor.folder.ok").arg(shown),
            {},
            Action::None,
            facts};
}

} // namespace

QCoro::Task<CheckResult> certificates([[maybe_unused]] DoctorSettings settings)
{
    // Named first: GCC 12 destroys a co_await operand's temporaries twice.
    auto reading =
        QtConcurrent::run([] { return certificateVerdict(CertificateStore::bundleFile()); });
    co_return co_await reading;
}

QCoro::Task<CheckResult> folder(DoctorSettings settings)
{
    // A folder on a network share may take long to answer: off the GUI thread.
    // Named first: GCC 12 destroys a co_await operand's temporaries twice.
    const QString path = settings.folder;
    const qint64 low = settings.lowSpaceBytes;
    auto reading = QtConcurrent::run([path, low] { return folderVerdict(path, low); });
    co_return co_await reading;
}

} // namespace Doctor
