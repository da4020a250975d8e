#pragma once

#include <QObject>

// A stop asked for by the user: the transfers and version runs under way
// when it is thrown end at once. Each new operation starts with it off.
class StopSwitch : public QObject
{
    Q_OBJECT
public:
    bool isOn() const { return m_on; }
    void throwOn()
    {
        m_on = true;
        emit thrown();
    }
    void reset() { m_on = false; }

signals:
    void thrown();

private:
    bool m_on = false;
};
