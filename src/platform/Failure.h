#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <utility>

// Why something did not work: a named kind that code can act on, a message
// for people (one sentence: what happened and what to do) and the tool's own
// text as its detail (may be empty). Every operation that can fail reports
// this one type.
class Failure
{
    Q_GADGET
    Q_PROPERTY(Kind kind MEMBER kind)
    Q_PROPERTY(QString message MEMBER message)
    Q_PROPERTY(QString detail MEMBER detail)

public:
    enum class Kind
    {
        Launch,            // a child process could not be started
        Network,           // the transfer failed (connection, time-out, TLS)
        HttpStatus,        // the server answered with an error status
        FileSystem,        // a file or folder could not be written, moved or read
        MissingDownload,   // a transfer ended without a file
        MissingInArchive,  // an archive did not hold the expected tool
        Tool,              // a tool ran and reported an error
        Unverified,        // a download does not match what its distributor publishes
        NeedsSignIn,       // the site wants a signed-in visitor
        CookiesUnreadable, // the chosen browser's or file's cookies could not be read
        OutdatedTool,      // our own copy of a tool is too old for what it met: update it
    };
    Q_ENUM(Kind)

    Kind kind = Kind::Tool;
    QString message;
    QString detail{};

    friend bool operator==(const Failure &, const Failure &) = default;
};

// Nothing on success, else why not.
using Outcome = std::optional<Failure>;

// A value, or why there is none.
template <typename T> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T &operator*() const { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const Failure &failure() const { return *m_failure; }

private:
    std::optional<T> m_value;
    std::optional<Failure> m_failure;
};
