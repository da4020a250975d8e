#include "PrivateHome.h"

#include <QDir>
#include <QFile>

PrivateHome::PrivateHome(const QString &prefix)
    : m_dir(QDir::tempPath() + QLatin1Char('/') + prefix + QStringLiteral("-XXXXXX"))
{
    const QByteArray home = QFile::encodeName(m_dir.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_STATE_HOME", home + "/.local/state");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(m_dir.path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(m_dir.path() + QStringLiteral("/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TMPDIR", home + "/tmp");
    QDir().mkpath(m_dir.path() + QStringLiteral("/tmp"));
    qunsetenv("REELIX_CA_SOURCES");
}
