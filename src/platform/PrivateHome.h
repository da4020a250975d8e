#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away home folder for the tests, benchmarks and the screenshot
// tool: HOME, the XDG folders and TMPDIR point inside it, so nothing they do
// touches the real user's settings, log, tools or downloads. Set up before
// Qt or the logger reads any of them.
class PrivateHome
{
public:
    explicit PrivateHome(const QString &prefix = QStringLiteral("reelix-home"));
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
