#pragma once

#include "platform/Failure.h"
#include "platform/LockClaim.h"

#include <QString>
#include <QStringList>

#include <memory>

// The hidden folder one run of an item writes into, inside the folder its
// result goes to (".reelix-work-<item id>"). A name the tools find taken is
// never the user's file, partial files never lie beside the user's, and what
// a run leaves goes with the folder. The folder is locked while its run
// goes, so that another Reelix tidying the same folder leaves it alone.
class WorkFolder
{
public:
    WorkFolder(const QString &parent, const QString &itemId);
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    // The folder exists and is this run's.
    bool isReady() const { return m_lock != nullptr; }
    QString path() const { return m_path; }
    QString parent() const { return m_parent; }
    // Whether `file` is a file directly in this folder: a path a tool reports
    // anywhere else is not this run's file.
    bool holds(const QString &file) const;
    // Moves a finished file into the parent folder under its own name, or
    // the first free "Name (2).ext" …; the path it got, or why it could not.
    Result<QString> place(const QString &file) const;
    // Removes what a run left in the folder at `path` (its lock stays), so
    // that the next run resumes nothing of it.
    static void clearContents(const QString &path);
    // Removes the folder and all in it; the destructor does it too.
    void remove();
    // Leaves the folder and what is in it for the item's next run, which
    // resumes its partial file (a stopped download).
    void leave() { m_lock.reset(); }
    // Removes the folder a run of item `itemId` left in `parent`, unless a
    // run holds it.
    static void discard(const QString &parent, const QString &itemId);
    // Keeps the folder and what is in it under a name the start-up tidying
    // leaves alone (".reelix-kept-<item id>"), for a finished file that could
    // not be moved out; the path `file` now has.
    QString keep(const QString &file);

    // Moves a finished file out of the working folder it is in into the
    // folder that holds that working folder, as place() does, when a run
    // ends before it could; nothing for a file anywhere else.
    static void rescue(const QString &file);

    // The working folder of item `itemId` in `parent`.
    static QString pathIn(const QString &parent, const QString &itemId);
    // The one test of Reelix's working folder names.
    static bool isWorkFolderName(const QString &name);
    // Removes from `folder` the working folders that are not in `owned` (item
    // ids) and that no running Reelix holds (a crash left them), and the
    // temporaries earlier versions wrote beside the downloads. Nothing else.
    static void removeLeftovers(const QString &folder, const QStringList &owned);
    // Item ids whose working folders a saved list resumes: this process's
    // tidying leaves them alone even before their items are listed.
    static void claim(const QStringList &itemIds);

private:
    QString m_parent;
    QString m_path;
    std::unique_ptr<LockClaim> m_lock;
};
