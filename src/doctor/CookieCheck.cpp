#include "Doctor.h"
#include "DoctorRun.h"

#include "cookies/BrowserFinder.h"
#include "cookies/CookieSource.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <QtConcurrent/QtConcurrentRun>

#include <QCoro/QCoroFuture>

namespace Doctor {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

// What the cookie database says about the YouTube sign-in; never a value.
struct StoreReading
{
    bool opened = false;
    bool locked = false;
    int signInCookies = 0;
    qint64 signedInMs = 0; // when the newest sign-in cookie was set
    bool expired = false;
};

// Firefox keeps microseconds since 1970, the Chromium family since 1601.
const char *kFirefoxQuery =
    "SELECT COUNT(*), MAX(creationTime) / 1000, MAX(expiry) FROM moz_cookies WHERE name IN "
    "('LOGIN_INFO', 'SID', '__Secure-3PSID') AND host LIKE '%youtube.com'";
const char *kChromiumQuery =
    "SELECT COUNT(*), MAX(creation_utc) / 1000 - 11644473600000, "
    "MAX(expires_utc) / 1000000 - 11644473600 FROM cookies WHERE name IN "
    "('LOGIN_INFO', 'SID', '__Secure-3PSID') AND host_key LIKE '%youtube.com'";

StoreReading readStore(const QString &path, bool firefox)
{
    StoreReading reading;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // A running browser holds its store locked: a short wait is enough to tell.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=300"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QString::fromLatin1(firefox ? kFirefoxQuery : kChromiumQuery)) &&
                query.next()) {
                reading.opened = true;
                reading.signInCookies = query.value(0).toInt();
                reading.signedInMs = query.value(1).toLongLong();
                qint64 expiry = query.value(2).toLongLong();
                if (expiry > 100'000'000'000) // newer Firefox keeps milliseconds
                    expiry /= 1000;
                reading.expired =
                    reading.signInCookies > 0 && expiry < QDateTime::currentSecsSinceEpoch();
            } else {
                const QString error = query.lastError().text().toLower();
                reading.locked = error.contains(QStringLiteral("locked")) ||
                                 error.contains(QStringLiteral("busy"));
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return reading;
}

CheckResult chooseBrowser(Level level, const QString &summary, const QJsonObject &facts)
{
    //% "Choose the browser you are signed in with."
    return {QStringLiteral("cookies"), level, summary, qtTrId("doctor.cookies.choose"),
            Action::ChooseBrowser,     facts};
}

CheckResult readingVerdict(const CookieSource &source, const StoreReading &reading,
                           QJsonObject facts)
{
    const QString browser = source.displayName();
    facts.insert(QStringLiteral("readable"), reading.opened);
    facts.insert(QStringLiteral("locked"), reading.locked);
    if (reading.locked) {
        //% "%1's cookie store is locked, most likely because %1 is open."
        return {QStringLiteral("cookies"), Level::Warning,
                qtTrId("doctor.cookies.locked").arg(browser),
                //% "If signed-in downloads fail, close the browser and try again."
                qtTrId("doctor.cookies.close"), Action::None, facts};
    }
    if (!reading.opened) {
        //% "%1's cookie store cannot be read."
        return chooseBrowser(Level::Problem, qtTrId("doctor.cookies.unreadable").arg(browser),
                             facts);
    }
    facts.insert(QStringLiteral("signInCookies"), reading.signInCookies);
    if (reading.signInCookies == 0) {
        //% "Cookies come from %1, which is not signed in to YouTube."
        return {QStringLiteral("cookies"),
                Level::Ok,
                qtTrId("doctor.cookies.no_sign_in").arg(browser),
                {},
                Action::None,
                facts};
    }
    const int days = int(
        QDateTime::fromMSecsSinceEpoch(reading.signedInMs).daysTo(QDateTime::currentDateTime()));
    facts.insert(QStringLiteral("signInAgeDays"), days);
    facts.insert(QStringLiteral("expired"), reading.expired);
    if (reading.expired) {
        //% "The YouTube sign-in in %1 has expired."
        return {QStringLiteral("cookies"), Level::Warning,
                qtTrId("doctor.cookies.expired").arg(browser),
                //% "Sign in to YouTube again in the browser."
                qtTrId("doctor.cookies.sign_in"), Action::None, facts};
    }
    //% "Cookies come from %1; its YouTube sign-in is %n day(s) old."
    return {QStringLiteral("cookies"),
            Level::Ok,
            qtTrId("doctor.cookies.ok", days).arg(browser),
            {},
            Action::None,
            facts};
}

CheckResult cookieVerdict(const CookieSource &source, const QString &setting)
{
    QJsonObject facts{{QStringLiteral("setting"), setting}};
    if (source.kind == CookieSource::Kind::None) {
        //% "No cookies are used: sites that ask you to sign in will refuse."
        return {QStringLiteral("cookies"), Level::Ok, qtTrId("doctor.cookies.none"), {},
                Action::ChooseBrowser,     facts};
    }
    if (source.kind == CookieSource::Kind::File) {
        facts.insert(QStringLiteral("file"), DoctorRun::tildePath(source.file));
        if (QFileInfo(source.file).isReadable()) {
            //% "Cookies come from the file %1."
            return {QStringLiteral("cookies"),
                    Level::Ok,
                    qtTrId("doctor.cookies.file").arg(QFileInfo(source.file).fileName()),
                    {},
                    Action::None,
                    facts};
        }
        //% "The cookie file %1 cannot be read."
        return chooseBrowser(
            Level::Problem, qtTrId("doctor.cookies.no_file").arg(DoctorRun::tildePath(source.file)),
            facts);
    }
    facts.insert(QStringLiteral("browser"), source.browser);
    facts.insert(QStringLiteral("profile"), DoctorRun::tildePath(source.profile));
    const QString store = BrowserFinder::forThisSystem().cookieDatabase(source);
    if (store.isEmpty()) {
        //% "%1 was not found on this computer."
        return chooseBrowser(Level::Problem,
                             qtTrId("doctor.cookies.no_browser").arg(source.displayName()), facts);
    }
    facts.insert(QStringLiteral("store"), DoctorRun::tildePath(store));
    const bool firefox = store.endsWith(QStringLiteral("cookies.sqlite"));
    // Only names and dates are read: the values stay in the browser's store.
    return readingVerdict(source, readStore(store, firefox), facts);
}

} // namespace

QCoro::Task<CheckResult> cookies([[maybe_unused]] DoctorSettings settings)
{
    const CookieSource source = CookieSource::fromSettings();
    const QString setting = source.isNone() ? QStringLiteral("never") : QStringLiteral("always");
    // Named first: GCC 12 destroys a co_await operand's temporaries twice.
    auto reading = QtConcurrent::run([source, setting] { return cookieVerdict(source, setting); });
    co_return co_await reading;
}

} // namespace Doctor
