#include "Dependency.h"

Dependency::Dependency(const QString &name, const QString &description, const QString &icon,
                       const QString &fileName, QObject *parent)
    : QObject(parent), m_name(name), m_description(description), m_icon(icon), m_fileName(fileName)
{}

void Dependency::setStatus(const DepStatus &status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged();
}

void Dependency::setRecord(const ToolRecord::State &record)
{
    if (m_record.verification == record.verification && m_record.hasPrevious == record.hasPrevious)
        return;
    m_record = record;
    emit recordChanged();
}

void Dependency::setSystemTool(const SystemTool &found)
{
    if (m_systemTool == found)
        return;
    m_systemTool = found;
    emit systemToolChanged();
}
