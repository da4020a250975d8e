#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Limits what a child may touch, with Landlock (Linux): a page or a file that
// takes over yt-dlp or ffmpeg cannot read the user's keys, change the shell's
// start files or delete what it was not given. The rules are built in the
// parent; the child takes them on between fork and exec, so a tool and
// everything it starts itself (yt-dlp's ffmpeg and Node.js) keep them.
namespace Sandbox {

// What one kind of child may do. Paths that do not exist are left out.
struct Rules
{
    QStringList readable; // read and execute, beneath a folder or one file
    QStringList writable; // read, write, create and remove, beneath a folder or one file
    bool network = true;  // false: no TCP connection or listener (where the kernel can)
};

// The Landlock version the kernel offers: 0 when it has none.
int abi();
// Off by the user's setting or by REELIX_SANDBOX=off in the environment.
bool enabled();
// The setting's key (a boolean, true turns the sandbox off).
QString settingKey();
// One line for the log and the health check: on, with what, or why not.
QString summary();
// Whether this kernel can forbid a child's network.
bool limitsNetwork();

// What a child of any kind needs: the system's programs, libraries,
// certificates and devices. The start adds the folder the program is in.
Rules baseRules();

// A ruleset ready for a child, kept open in the parent until the child has
// started. Empty when the sandbox is off or the kernel has none.
class Ruleset
{
public:
    Ruleset() = default;
    explicit Ruleset(const Rules &rules);
    ~Ruleset();
    Ruleset(const Ruleset &) = delete;
    Ruleset &operator=(const Ruleset &) = delete;

    // -1 when there is nothing to apply.
    int descriptor() const { return m_fd; }

private:
    int m_fd = -1;
};

// Called in the child before exec; async-signal-safe. Does nothing for -1.
// False when the kernel refused (the child then runs as it is).
bool restrictInChild(int rulesetDescriptor) noexcept;

} // namespace Sandbox
