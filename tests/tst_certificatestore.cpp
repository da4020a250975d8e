#include "fixtures/TestMain.h"

#include "certs/CertificateStore.h"
#include "log/Logger.h"
#include "platform/PlatformProfile.h"
#include "platform/UserDefaults.h"

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <thread>

class TestCertificateStore : public QObject
{
    Q_OBJECT

    static constexpr qint64 day = 86400;
    // Bundles of various ages and sizes: reused or rebuilt from the sources.
    using Freshness = std::tuple<const char *, const char *, qint64, bool, bool>;
    static inline const Freshness freshnessCases[] = {
        {"6 d 23 h reused", "x", 7 * day - 3600, false, false},
        {"exactly 7 d rebuilt", "x", 7 * day, false, true},
        {"empty and new rebuilt", "", 60, false, true},
        {"future date reused", "x", -day, false, false},
        {"forced refresh rebuilt", "x", 60, true, true},
    };

    // Up to two sources of blocks [from, from + count): how many distinct blocks
    // they hold, and whether that is enough for a bundle.
    using Count = std::tuple<const char *, int, int, int, int, bool, int, bool>;
    static inline const Count countCases[] = {
        // 19 distinct blocks even though 25 are printed.
        {"19 rejected, none kept", 0, 19, 0, 6, false, 19, false},
        {"19 rejected, old kept", 0, 19, 0, 6, true, 19, false},
        {"20 written", 0, 20, 0, 0, false, 20, true},
        {"duplicates across sources once", 0, 15, 10, 15, false, 25, true},
        {"missing sources count as none", 0, 0, 0, 0, false, 0, false},
    };

    QString m_dir;
    PlatformProfile m_linux;

    void useSources(const QStringList &texts)
    {
        PlatformProfile p = m_linux;
        p.caSourceFiles.clear();
        for (int i = 0; i < texts.size(); ++i) {
            p.caSourceFiles << m_dir + QString("/source%1.pem").arg(i);
            writeText(p.caSourceFiles.last(), texts[i]);
        }
        PlatformProfile::setCurrent(p);
    }

    static void setAge(const QString &path, qint64 seconds)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                 QFileDevice::FileModificationTime));
    }

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        m_dir = TestHome::path() + "/sources";
        QDir().mkpath(m_dir);
        m_linux = PlatformProfile::linuxProfile(TestHome::path(),
                                                QProcessEnvironment::systemEnvironment());
    }

    void init()
    {
        PlatformProfile::setCurrent(m_linux);
        QFile::remove(CertificateStore::bundleFile());
        Logger::shared().clear();
    }

    void freshness_data() { addCases(freshnessCases); }

    void freshness()
    {
        const auto &[name, content, age, force, rebuilt] = caseOf(freshnessCases);
        const QString fresh = pemBlocks(0, 25);
        useSources({fresh});
        const QString bundle = CertificateStore::bundleFile();
        writeText(bundle, QString(content));
        setAge(bundle, age);
        const auto path = await(CertificateStore::bundlePath(force));
        QCOMPARE(path, std::optional<QString>(bundle));
        QCOMPARE(readText(bundle), rebuilt ? fresh : QString(content));
    }

    void minimumCount_data() { addCases(countCases); }

    void minimumCount()
    {
        const auto &[name, from, count, moreFrom, moreCount, oldBundle, distinct, written] =
            caseOf(countCases);
        QStringList sources;
        if (count)
            sources << pemBlocks(from, count);
        if (moreCount)
            sources << pemBlocks(moreFrom, moreCount);
        useSources(sources);
        const QString bundle = CertificateStore::bundleFile();
        if (oldBundle) {
            writeText(bundle, QString("old"));
            setAge(bundle, 30 * 86400);
        }
        const auto path = await(CertificateStore::bundlePath(false));
        const QStringList lines = logLines();
        if (!written) {
            const QString warning = QString("  CertificateStore: export insuffisant (%1 "
                                            "certificats) — bundle système ignoré")
                                        .arg(distinct);
            QCOMPARE(lines.filter("[WARN ] ").filter(warning).size(), 1);
            QCOMPARE(path.has_value(), oldBundle);
            if (oldBundle)
                QCOMPARE(readText(bundle), QString("old"));
            return;
        }
        QCOMPARE(path, std::optional<QString>(bundle));
        QCOMPARE(readText(bundle), pemBlocks(0, distinct));
        QCOMPARE(lines.filter("[INFO ] ").size(), 1);
    }

    // The macOS export through a stand-in `security` that prints per keychain
    // when asked as the real one is.
    void macOSKeychains()
    {
        writeText(m_dir + "/system-roots.pem", pemBlocks(0, 15, "\ngarbage\n"));
        writeText(m_dir + "/system.pem",
                  "junk " + pemBlocks(10, 12) + "-----BEGIN CERTIFICATE-----\nMIIBcut");
        const QString script = writeScript(m_dir + "/security", QString(R"(case "$*" in
  "find-certificate -a -p "*Roots*) cat '%1/system-roots.pem';;
  "find-certificate -a -p "*System*) cat '%1/system.pem';;
esac)")
                                                                    .arg(m_dir));
        const QString roots = m_dir + "/Roots.keychain";
        const QString system = m_dir + "/System.keychain";
        writeText(roots, QString());
        writeText(system, QString());

        PlatformProfile mac = PlatformProfile::macOSProfile(TestHome::path(), {});
        mac.securityTool = script;
        mac.keychains = {roots, system, m_dir + "/login.keychain-db"};
        PlatformProfile::setCurrent(mac);

        QCOMPARE(CertificateStore::availableKeychains(), (QStringList{roots, system}));
        const QString exported = await(CertificateStore::exportSystemCertificates());
        QCOMPARE(exported, pemBlocks(0, 22));
        QCOMPARE(QDir(QDir::tempPath()).entryList({"reelix_certs_*"}), QStringList());

        const auto path = await(CertificateStore::bundlePath(true));
        QVERIFY(path);
        QCOMPARE(readText(*path), pemBlocks(0, 22));

        // No keychain at all, or no security tool: an empty export.
        for (const auto &[keychain, tool] :
             {std::pair(m_dir + "/none.keychain", script), {roots, m_dir + "/no-security"}}) {
            mac.keychains = {keychain};
            mac.securityTool = tool;
            PlatformProfile::setCurrent(mac);
            QCOMPARE(await(CertificateStore::exportSystemCertificates()), QString());
        }
    }

    // Several rebuilds at once while another thread keeps reading the bundle:
    // it is never missing once it existed and never torn.
    void concurrentRebuildsNeverTear()
    {
        useSources({pemBlocks(0, 400)});
        const QString bundle = CertificateStore::bundleFile();
        QVERIFY(await(CertificateStore::bundlePath(true)));
        const QString complete = readText(bundle);

        std::atomic<bool> stop{false};
        std::atomic<int> reads{0};
        std::atomic<int> bad{0};
        std::thread reader([&] {
            while (!stop) {
                QFile file(bundle);
                if (!file.open(QIODevice::ReadOnly) ||
                    QString::fromUtf8(file.readAll()) != complete)
                    ++bad;
                ++reads;
            }
        });
        for (int round = 0; round < 5; ++round) {
            std::vector<QCoro::Task<std::optional<QString>>> tasks;
            for (int i = 0; i < 6; ++i)
                tasks.push_back(CertificateStore::bundlePath(true));
            for (auto &task : tasks)
                QCOMPARE(await(std::move(task)), std::optional<QString>(bundle));
        }
        stop = true;
        reader.join();
        QVERIFY(reads > 10);
        QCOMPARE(bad.load(), 0);
        QCOMPARE(QDir(CertificateStore::certificatesDirectory()).entryList(QDir::Files),
                 QStringList{"ca-bundle.pem"});
    }

    // A write that fails (file size limit, which holds even for root): the
    // error is logged and the existing bundle is still handed out unchanged.
    void writeFailureKeepsTheOldBundle()
    {
        useSources({pemBlocks(0, 200)});
        const QString bundle = CertificateStore::bundleFile();
        writeText(bundle, QString("old"));
        Logger::shared().waitUntilWritten();
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const auto path = await(CertificateStore::bundlePath(true));
        Logger::shared().waitUntilWritten();
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(path, std::optional<QString>(bundle));
        QCOMPARE(readText(bundle), QString("old"));
        QCOMPARE(logLines()
                     .filter("[ERROR] ")
                     .filter("  CertificateStore: écriture impossible — ")
                     .size(),
                 1);
        QCOMPARE(QDir(CertificateStore::certificatesDirectory()).entryList(QDir::Files),
                 QStringList{"ca-bundle.pem"});
    }
};

REELIX_TEST_MAIN(TestCertificateStore)
#include "tst_certificatestore.moc"
