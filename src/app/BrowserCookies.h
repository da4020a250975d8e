#pragma once

#include "cookies/BrowserFinder.h"

#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The cookie setting as the views show it: "None", each browser found on
// this machine (and each of its profiles when it has several), or a
// cookies.txt file. Choosing one saves the setting that the runs read.
class BrowserCookies : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Each choice: {label, profile (an indented profile entry)}; the first is "None".
    Q_PROPERTY(QVariantList choices READ choices NOTIFY changed)
    // The chosen entry of `choices`; -1 when the setting is a file.
    Q_PROPERTY(int current READ current NOTIFY changed)
    Q_PROPERTY(QString file READ file NOTIFY changed)
    // The browsers a failed row offers, the default (Firefox first) first:
    // {label, choice (an index into `choices`)}.
    Q_PROPERTY(QVariantList browsers READ browsers NOTIFY changed)
    Q_PROPERTY(bool inUse READ inUse NOTIFY changed)
    // Whether the runs take the cookies only after a site asked for a
    // signed-in visitor, rather than every time.
    Q_PROPERTY(bool onlyWhenAsked READ onlyWhenAsked WRITE setOnlyWhenAsked NOTIFY changed)

public:
    explicit BrowserCookies(QObject *parent = nullptr);

    QVariantList choices() const;
    int current() const { return m_current; }
    QString file() const { return m_setting.file; }
    QVariantList browsers() const;
    bool inUse() const { return !m_setting.isNone(); }
    bool onlyWhenAsked() const { return m_onlyWhenAsked; }
    void setOnlyWhenAsked(bool value);

    // Looks for the browsers again and reads the setting again.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void choose(int index);
    Q_INVOKABLE void chooseFile(const QUrl &file);

signals:
    void changed();

private:
    void apply(CookieSource source);
    void updateCurrent();

    struct Choice
    {
        QString label;
        CookieSource source;
        bool profile = false;
    };
    QList<Choice> m_choices;
    QList<int> m_browsers; // the whole-browser entries of m_choices
    CookieSource m_setting;
    int m_current = 0;
    bool m_onlyWhenAsked = false; // kept while "None" is chosen
};
