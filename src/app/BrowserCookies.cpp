#include "BrowserCookies.h"

BrowserCookies::BrowserCookies(QObject *parent) : QObject(parent)
{
    refresh();
}

QVariantList BrowserCookies::choices() const
{
    QVariantList list;
    for (const Choice &c : m_choices)
        list << QVariantMap{{QStringLiteral("label"), c.label},
                            {QStringLiteral("profile"), c.profile}};
    return list;
}

QVariantList BrowserCookies::browsers() const
{
    QVariantList list;
    for (const int index : m_browsers)
        list << QVariantMap{{QStringLiteral("label"), m_choices.at(index).label},
                            {QStringLiteral("choice"), index}};
    return list;
}

void BrowserCookies::refresh()
{
    //% "None"
    m_choices = {Choice{qtTrId("cookies.none"), CookieSource::none(), false}};
    m_browsers.clear();
    for (const FoundBrowser &browser : BrowserFinder::forThisSystem().find()) {
        m_browsers << int(m_choices.size());
        m_choices << Choice{browser.displayName, browser.source, false};
        for (const FoundBrowser::Profile &p : browser.profiles)
            m_choices << Choice{p.name, p.source, true};
    }
    m_setting = CookieSource::fromSettings();
    if (!m_setting.isNone())
        m_onlyWhenAsked = m_setting.onlyWhenAsked;
    updateCurrent();
    emit changed();
}

void BrowserCookies::updateCurrent()
{
    m_current = -1;
    for (int i = 0; i < m_choices.size(); ++i) {
        CookieSource choice = m_choices.at(i).source;
        choice.onlyWhenAsked = m_setting.onlyWhenAsked;
        if (choice == m_setting)
            m_current = i;
    }
    // A browser saved earlier and not found now stays shown as chosen.
    if (m_current < 0 && m_setting.kind == CookieSource::Kind::Browser) {
        m_current = int(m_choices.size());
        m_choices << Choice{m_setting.displayName(), m_setting, false};
    }
}

void BrowserCookies::apply(CookieSource source)
{
    source.onlyWhenAsked = !source.isNone() && m_onlyWhenAsked;
    source.save();
    m_setting = source;
    updateCurrent();
    emit changed();
}

void BrowserCookies::choose(int index)
{
    if (index >= 0 && index < m_choices.size())
        apply(m_choices.at(index).source);
}

void BrowserCookies::chooseFile(const QUrl &file)
{
    if (file.isLocalFile())
        apply(CookieSource::fromFile(file.toLocalFile()));
}

void BrowserCookies::setOnlyWhenAsked(bool value)
{
    m_onlyWhenAsked = value;
    apply(m_setting);
}
