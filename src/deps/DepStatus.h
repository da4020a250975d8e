#pragma once

#include <QObject>
#include <QString>

// The cases of a tool's state, as the views compare them.
namespace DepState {
Q_NAMESPACE

enum class Kind
{
    Unknown,
    Checking,
    Installed,
    Downloading,
    Failed,
    UpdateAvailable,
    UpToDate,
    Updating,
    Unchecked // installed and working; its published version could not be found
};
Q_ENUM_NS(Kind)

} // namespace DepState

// The state of one tool, with the values that belong to its case. Two values
// are equal when they are the same case with equal values.
class DepStatus
{
    Q_GADGET
    Q_PROPERTY(DepState::Kind kind READ kind)
    Q_PROPERTY(double fraction READ fraction)
    Q_PROPERTY(QString message READ message)
    Q_PROPERTY(QString installed READ installed)
    Q_PROPERTY(QString latest READ latest)
    Q_PROPERTY(QString version READ version)

public:
    using Kind = DepState::Kind;

    DepStatus() = default;
    static DepStatus unknown() { return DepStatus(Kind::Unknown); }
    static DepStatus checking() { return DepStatus(Kind::Checking); }
    static DepStatus installedStatus() { return DepStatus(Kind::Installed); }
    static DepStatus downloading(double fraction);
    static DepStatus failed(const QString &message);
    static DepStatus updateAvailable(const QString &installed, const QString &latest);
    static DepStatus upToDate(const QString &version);
    static DepStatus updating(double fraction);
    static DepStatus unchecked(const QString &version, const QString &reason);

    Kind kind() const { return m_kind; }
    double fraction() const { return m_fraction; }
    // failed: what went wrong; unchecked: why the published version is unknown.
    QString message() const { return m_kind == Kind::Unchecked ? m_text2 : m_text1; }
    QString installed() const { return m_kind == Kind::UpdateAvailable ? m_text1 : QString(); }
    QString latest() const { return m_kind == Kind::UpdateAvailable ? m_text2 : QString(); }
    QString version() const
    {
        return m_kind == Kind::UpToDate || m_kind == Kind::Unchecked ? m_text1 : QString();
    }

    // "unknown", "checking", "updateAvailable", … as scripts name the cases.
    QString caseName() const;

    friend bool operator==(const DepStatus &a, const DepStatus &b);
    friend bool operator!=(const DepStatus &a, const DepStatus &b) { return !(a == b); }

private:
    explicit DepStatus(Kind kind, double fraction = 0, const QString &text1 = {},
                       const QString &text2 = {});

    Kind m_kind = Kind::Unknown;
    double m_fraction = 0;
    QString m_text1; // failed: message; updateAvailable: installed; upToDate, unchecked: version
    QString m_text2; // updateAvailable: latest; unchecked: reason
};
Q_DECLARE_METATYPE(DepStatus)
