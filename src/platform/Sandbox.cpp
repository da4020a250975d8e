#include "Sandbox.h"

#include "UserDefaults.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif

namespace Sandbox {

namespace {

#ifdef __linux__
// The kernel's interface, written out: the distribution's headers may be
// older than the kernel the app runs on.
#ifndef SYS_landlock_create_ruleset
constexpr long SYS_landlock_create_ruleset = 444;
constexpr long SYS_landlock_add_rule = 445;
constexpr long SYS_landlock_restrict_self = 446;
#endif
constexpr unsigned createRulesetVersion = 1U << 0;
constexpr int rulePathBeneath = 1;

struct RulesetAttributes
{
    std::uint64_t handledFs = 0;
    std::uint64_t handledNet = 0; // ABI 4 and later
    std::uint64_t scoped = 0;     // ABI 6 and later
};

struct __attribute__((packed)) PathBeneath
{
    std::uint64_t allowed = 0;
    std::int32_t parentFd = -1;
};

enum Fs : std::uint64_t
{
    Execute = 1ULL << 0,
    WriteFile = 1ULL << 1,
    ReadFile = 1ULL << 2,
    ReadDir = 1ULL << 3,
    Refer = 1ULL << 13,    // ABI 2
    Truncate = 1ULL << 14, // ABI 3
    IoctlDev = 1ULL << 15, // ABI 5
};
constexpr std::uint64_t netBindTcp = 1ULL << 0;
constexpr std::uint64_t netConnectTcp = 1ULL << 1;
constexpr std::uint64_t scopeAbstractUnix = 1ULL << 0;
constexpr std::uint64_t scopeSignal = 1ULL << 1;

// Every file-system right the kernel of `version` knows.
std::uint64_t handledFs(int version)
{
    std::uint64_t rights = (1ULL << 13) - 1;
    if (version >= 2)
        rights |= Refer;
    if (version >= 3)
        rights |= Truncate;
    if (version >= 5)
        rights |= IoctlDev;
    return rights;
}

// Rights a rule on a single file (not a folder) may carry.
constexpr std::uint64_t fileRights = Execute | WriteFile | ReadFile | Truncate | IoctlDev;

void addRule(int ruleset, const QString &path, std::uint64_t rights)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info = {};
    if (::fstat(fd, &info) == 0) {
        PathBeneath rule;
        rule.allowed = S_ISDIR(info.st_mode) ? rights : rights & fileRights;
        rule.parentFd = fd;
        ::syscall(SYS_landlock_add_rule, ruleset, rulePathBeneath, &rule, 0);
    }
    ::close(fd);
}

// A path and, when a link leads elsewhere, where it leads: the kernel checks
// the file a name resolves to.
void addRules(int ruleset, const QStringList &paths, std::uint64_t rights)
{
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        addRule(ruleset, path, rights);
        const QString target = QFileInfo(path).canonicalFilePath();
        if (!target.isEmpty() && target != path)
            addRule(ruleset, target, rights);
    }
}
#endif

} // namespace

int abi()
{
#ifdef __linux__
    static const int version = [] {
        const long found = ::syscall(SYS_landlock_create_ruleset, nullptr, 0, createRulesetVersion);
        return found > 0 ? int(found) : 0;
    }();
    return version;
#else
    return 0;
#endif
}

QString settingKey()
{
    return QStringLiteral("toolSandboxOff");
}

bool enabled()
{
    if (qEnvironmentVariable("REELIX_SANDBOX")
            .compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0)
        return false;
    return !UserDefaults::boolValue(settingKey());
}

bool limitsNetwork()
{
    return abi() >= 4;
}

QString summary()
{
    if (!enabled())
        return QStringLiteral("Tool sandbox off: turned off in the settings or by REELIX_SANDBOX");
    const int version = abi();
    if (version == 0)
        return QStringLiteral("Tool sandbox unavailable: this kernel has no Landlock, "
                              "tools run with all of the user's rights");
    const QString head = QStringLiteral("Tool sandbox on (Landlock ABI %1): ").arg(version);
    if (!limitsNetwork())
        return head + QStringLiteral("files limited; this kernel cannot limit the network");
    return head + QStringLiteral("files and network limited");
}

Rules baseRules()
{
    Rules rules;
    rules.readable = {QStringLiteral("/usr"),
                      QStringLiteral("/bin"),
                      QStringLiteral("/sbin"),
                      QStringLiteral("/lib"),
                      QStringLiteral("/lib64"),
                      QStringLiteral("/lib32"),
                      QStringLiteral("/etc"),
                      QStringLiteral("/proc"),
                      QStringLiteral("/sys"),
                      QStringLiteral("/dev"),
                      QStringLiteral("/etc/resolv.conf")};
    rules.writable = {QStringLiteral("/dev/null")};
    return rules;
}

Ruleset::Ruleset(const Rules &rules)
{
#ifdef __linux__
    const int version = abi();
    if (version == 0 || !enabled())
        return;
    RulesetAttributes attributes;
    attributes.handledFs = handledFs(version);
    std::size_t size = sizeof(std::uint64_t);
    if (version >= 4) {
        if (!rules.network)
            attributes.handledNet = netBindTcp | netConnectTcp;
        size += sizeof(std::uint64_t);
    }
    if (version >= 6) {
        // No signal to processes outside the sandbox, no abstract socket
        // (a display or a session bus) outside it.
        attributes.scoped = scopeAbstractUnix | scopeSignal;
        size += sizeof(std::uint64_t);
    }
    const long fd = ::syscall(SYS_landlock_create_ruleset, &attributes, size, 0);
    if (fd < 0)
        return;
    m_fd = int(fd);
    const std::uint64_t all = attributes.handledFs;
    addRules(m_fd, rules.readable, Execute | ReadFile | ReadDir | (all & IoctlDev));
    addRules(m_fd, rules.writable, all);
#else
    Q_UNUSED(rules);
#endif
}

Ruleset::~Ruleset()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool restrictInChild(int rulesetDescriptor) noexcept
{
#ifdef __linux__
    if (rulesetDescriptor < 0)
        return true;
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    return ::syscall(SYS_landlock_restrict_self, rulesetDescriptor, 0) == 0;
#else
    Q_UNUSED(rulesetDescriptor);
    return true;
#endif
}

} // namespace Sandbox
