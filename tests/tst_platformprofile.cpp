#include "fixtures/TestMain.h"

#include "platform/PlatformProfile.h"

class TestPlatformProfile : public QObject
{
    Q_OBJECT

    // XDG_DATA_HOME, XDG_STATE_HOME → tool folder, log file; the first row
    // also names its certificate sources.
    using Folders = std::tuple<const char *, QString, QString, QString, QString>;
    static inline const Folders folderCases[] = {
        {"XDG set, CA sources", "/x/data", "/x/state", "/x/data/Reelix/bin",
         "/x/state/Reelix/Reelix.log"},
        {"XDG unset", "", "", "/h/.local/share/Reelix/bin", "/h/.local/state/Reelix/Reelix.log"},
        {"relative XDG ignored", "rel", "rel", "/h/.local/share/Reelix/bin",
         "/h/.local/state/Reelix/Reelix.log"},
    };

private slots:
    void linuxFolders_data() { addCases(folderCases); }

    void linuxFolders()
    {
        const auto &[name, dataHome, stateHome, tools, log] = caseOf(folderCases);
        QProcessEnvironment env;
        if (!dataHome.isEmpty())
            env.insert("XDG_DATA_HOME", dataHome);
        if (!stateHome.isEmpty())
            env.insert("XDG_STATE_HOME", stateHome);
        if (tag().contains("CA"))
            env.insert("REELIX_CA_SOURCES", "/a.pem::/b.pem");
        const auto p = PlatformProfile::linuxProfile("/h", env);
        QCOMPARE(p.toolDirectory, tools);
        QCOMPARE(p.logFile, log);
        if (tag().contains("CA"))
            QCOMPARE(p.caSourceFiles, (QStringList{"/a.pem", "/b.pem"}));
    }

    void currentProfileUsesThePrivateHome()
    {
        const auto &p = PlatformProfile::current();
        QVERIFY(p.toolDirectory.startsWith(TestHome::path()));
        QVERIFY(p.logFile.startsWith(TestHome::path()));
        QVERIFY(p.defaultDownloadFolder.startsWith(TestHome::path()));
    }
};

REELIX_TEST_MAIN(TestPlatformProfile)
#include "tst_platformprofile.moc"
