#include "ItemRun.h"

#include "DownloadItem.h"
#include "PrintedInfo.h"
#include "WorkFolder.h"

#include "platform/ProcessWait.h"

ItemRun *ItemRun::begin(DownloadItem &item)
{
    if (item.m_run)
        return nullptr;
    item.m_run.reset(new ItemRun(item));
    emit item.runningChanged();
    emit item.changed();
    return item.m_run.get();
}

void ItemRun::end()
{
    DownloadItem &item = m_item;
    item.m_run.reset(); // this object goes here
    emit item.runningChanged();
    emit item.changed();
}

ItemRun::~ItemRun()
{
    // No orphan tool keeps running (or starts later) once nobody can see or stop it.
    if (m_process)
        stopChild(*m_process);
}

void ItemRun::cancel()
{
    m_cancelled = true;
    if (m_process)
        stopChild(*m_process);
}

void ItemRun::interrupt()
{
    m_interrupted = true;
    if (m_process)
        stopChild(*m_process);
}

void ItemRun::hold(QProcess &process)
{
    m_process = &process;
    if (m_cancelled)
        stopChild(process);
}

void ItemRun::release(const QProcess &process)
{
    if (m_process == &process)
        m_process = nullptr;
}

QString ItemRun::workFolderPath() const
{
    return m_workFolder ? m_workFolder->path() : QString();
}

std::shared_ptr<WorkFolder> ItemRun::openWorkFolder(const QString &parent)
{
    m_workFolder = std::make_shared<WorkFolder>(parent, m_item.idText());
    return m_workFolder;
}
