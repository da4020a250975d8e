#include "fixtures/TestMain.h"

#include "ColorScheme.h"
#include "PrepareEngine.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>
#include <memory>
#include <optional>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

const QString portalPath = "/org/freedesktop/portal/desktop";
const QString portalInterface = "org.freedesktop.portal.Settings";
const QString portalService = "org.freedesktop.portal.Desktop";

// A settings portal before version 2: Read only, its value a variant in a variant.
class OldPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 0;
    int asked = 0;

public slots:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        ++asked;
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value(group, key))));
    }

protected:
    QVariant value(const QString &group, const QString &key) const
    {
        if (group == "org.freedesktop.appearance" && key == "color-scheme")
            return scheme;
        return QString("unknown");
    }
};

class Portal : public OldPortal
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public slots:
    QDBusVariant ReadOne(const QString &group, const QString &key)
    {
        ++asked;
        return QDBusVariant(value(group, key));
    }
};

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor over(const QColor &top, const QColor &under)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(float(top.redF() * a + under.redF() * (1 - a)),
                            float(top.greenF() * a + under.greenF() * (1 - a)),
                            float(top.blueF() * a + under.blueF() * (1 - a)));
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double text = 4.5;
constexpr double graphic = 3.0;

// A colour drawn over another. A translucent background lies over `under`;
// `resting` draws the foreground at a round icon button's resting opacity.
struct Pair
{
    const char *name;
    const char *fg, *bg, *under;
    double minimum;
    bool resting = false;
};

const Pair pairs[] = {
    // Download rows: titles, status, details, file sizes on the row's surface
    {"row title", "textPrimary", "surface", nullptr, text},
    {"row title hovered", "textPrimary", "surfaceHover", nullptr, text},
    {"row status", "textDim", "surface", nullptr, text},
    {"row detail", "textMuted", "surfaceHover", nullptr, text},
    {"row size", "textHint", "surfaceHover", nullptr, text},
    {"row waiting status", "textFaint", "surface", nullptr, text},
    {"row done status", "success", "surface", nullptr, text},
    {"row fetching status", "info", "surface", nullptr, text},
    {"row downloading status", "accentText", "surfaceHover", nullptr, text},
    {"row converting status", "orange", "surface", nullptr, text},
    {"row needs conversion", "amber", "surface", nullptr, text},
    {"row error status", "danger", "surface", nullptr, text},
    {"row error message", "dangerText", "surface", nullptr, text},
    {"row audio icon", "purple", "surface", nullptr, graphic},
    {"row video icon", "accent", "surface", nullptr, graphic},
    // A finished row's folder and remove buttons, at rest
    {"row folder button", "iconMuted", "surface", nullptr, graphic, true},
    {"row remove button", "textMuted", "surfaceHover", nullptr, graphic, true},
    {"row retry button", "info", "surface", nullptr, graphic, true},
    {"list close button", "textTertiary", "surface", nullptr, graphic, true},
    {"history remove button", "danger", "card", nullptr, graphic, true},
    // White on the accent: Add, download, Paste, Download all, menu highlight
    {"on accent", "textOnAccent", "accent", nullptr, text},
    {"on accent hovered", "textOnAccent", "accentMid", nullptr, text},
    {"sign-in pill", "textOnAccent", "accentDeep", nullptr, text},
    {"convert button", "textOnWarm", "convertBottom", nullptr, text},
    {"update button", "textOnWarm", "convertTop", nullptr, text},
    {"stop button", "stop", "stopWash", "surface", graphic},
    {"stop while converting", "stopConverting", "stopConvertingWash", "surface", graphic},
    // Header bar: the unselected format, the menu and history buttons
    {"format picker", "textTertiary", "control", nullptr, text},
    {"header buttons", "textEmphasis", "background", nullptr, text},
    // Menus, tooltips, the quality menu
    {"menu entry", "textBright", "menuBase", nullptr, text},
    {"menu shortcut", "textFaint", "menuBase", nullptr, text},
    {"menu disabled", "textMuted", "menuBase", nullptr, text},
    {"tooltip", "textEmphasis", "tipBackground", nullptr, text},
    {"quality entry", "textBright", "popup", nullptr, text},
    // History and preferences
    {"history title", "textPrimary", "card", nullptr, text},
    {"history search hint", "textHint", "field", nullptr, text},
    {"history details", "textFaint", "card", nullptr, text},
    {"history missing file", "dangerText", "card", nullptr, text},
    {"preference label", "textEmphasis", "background", nullptr, text},
    {"preference note", "textMuted", "background", nullptr, text},
    {"switch knob on", "textOnAccent", "switchOn", nullptr, graphic},
    {"switch knob off", "textOnAccent", "switchOff", nullptr, graphic},
    {"empty list text", "textMuted", "well", nullptr, text},
    {"empty log text", "textEmptyLog", "logBackground", nullptr, text},
    // Setup: texts over the deep background, the tool cards
    {"setup status", "textStatus", "backgroundDeep", nullptr, text},
    {"setup subtitle", "onDarkHigh", "backgroundDeep", nullptr, text},
    {"setup version", "onDarkFaint", "backgroundDeep", nullptr, text},
    {"setup note", "onDarkLow", "backgroundDeep", nullptr, text},
    {"tool card detail", "onDarkSoft", "card", nullptr, text},
    {"secondary button, clipboard offer", "onDarkMedium", "surface", nullptr, text},
    {"tool card ready", "success", "card", nullptr, graphic},
    {"tool card failed", "danger", "card", nullptr, graphic},
    {"tool card warning", "warning", "card", nullptr, text},
    {"tool card install link", "accentText", "card", nullptr, text},
    {"store notice", "textEmphasis", "warningBase", nullptr, text},
    {"update banner title", "textHeading", "warningBase", nullptr, text},
    {"update banner summary", "textFaint", "warningBase", nullptr, text},
    // The keyboard focus ring around controls on every background
    {"focus on background", "focusRing", "background", nullptr, graphic},
    {"focus on row", "focusRing", "surface", nullptr, graphic},
    {"focus on card", "focusRing", "card", nullptr, graphic},
};

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

    QProcess m_daemon;
    std::optional<QDBusConnection> m_bus;

    bool publish(OldPortal *service)
    {
        return m_bus->registerObject(portalPath, service, QDBusConnection::ExportAllSlots) &&
               m_bus->registerService(portalService);
    }

    void unpublish()
    {
        m_bus->unregisterService(portalService);
        m_bus->unregisterObject(portalPath);
    }

    // The desktop's setting changes.
    bool announce(uint scheme)
    {
        return m_bus->send(QDBusMessage::createSignal(portalPath, portalInterface, "SettingChanged")
                           << QString("org.freedesktop.appearance") << QString("color-scheme")
                           << QVariant::fromValue(QDBusVariant(scheme)));
    }

    // The Theme singleton of a new engine; `scheme` null: the portal decides.
    static std::unique_ptr<QQmlEngine> themeEngine(const char *scheme, QObject **theme)
    {
        if (scheme)
            qputenv("REELIX_COLOR_SCHEME", scheme);
        auto engine = std::make_unique<QQmlEngine>();
        prepareEngine(*engine);
        QQmlComponent component(engine.get());
        component.setData("import QtQml\nimport Reelix\nQtObject { property QtObject t: Theme }",
                          QUrl());
        QObject *holder = component.create();
        if (!holder)
            qFatal("%s", qPrintable(component.errorString()));
        holder->setParent(engine.get());
        *theme = holder->property("t").value<QObject *>();
        qunsetenv("REELIX_COLOR_SCHEME");
        return engine;
    }

private slots:
    void initTestCase()
    {
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = QDBusConnection::connectToBus(address, "service");
        QVERIFY(m_bus->isConnected());
        QVERIFY(QDBusConnection::connectToBus(address, "app").isConnected());
        // The app's own ColorScheme uses the session bus: this one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    }

    void cleanupTestCase() { m_daemon.kill(), m_daemon.waitForFinished(); }

    // Every pair drawn together is readable in both schemes.
    void contrastIsReadable_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<int>("index");
        for (const char *scheme : {"dark", "light"})
            for (int i = 0; i < int(std::size(pairs)); ++i)
                QTest::addRow("%s: %s", scheme, pairs[i].name) << QString(scheme) << i;
    }

    void contrastIsReadable()
    {
        QFETCH(QString, scheme);
        QFETCH(int, index);
        const Pair &pair = pairs[index];
        QObject *theme = nullptr;
        const auto engine = themeEngine(qPrintable(scheme), &theme);
        QVERIFY(theme);
        QCOMPARE(theme->property("dark").toBool(), scheme == "dark");
        const auto role = [&](const char *name) {
            const QVariant value = theme->property(name);
            if (!value.isValid())
                qFatal("Theme has no role %s", name);
            return value.value<QColor>();
        };
        QColor bg = role(pair.bg);
        if (pair.under)
            bg = over(bg, role(pair.under));
        QColor fg = role(pair.fg);
        if (pair.resting)
            fg.setAlphaF(float(fg.alphaF() * theme->property("iconRestOpacity").toReal()));
        const double ratio = contrast(over(fg, bg), bg);
        if (ratio < pair.minimum)
            QFAIL(qPrintable(QString("%1 on %2: %3:1, under %4:1")
                                 .arg(pair.fg, pair.bg)
                                 .arg(ratio, 0, 'f', 2)
                                 .arg(pair.minimum)));
    }

    // The portal's answer decides the scheme; an old portal is asked with
    // Read; without a portal or a preference the window stays dark. A change
    // of the desktop's setting while the app runs is followed.
    void schemeFollowsPortal_data()
    {
        QTest::addColumn<QString>("portal"); // "new", "old" or "none"
        QTest::addColumn<uint>("answer");
        QTest::addColumn<bool>("dark");
        QTest::newRow("prefers light") << "new" << 2u << false;
        QTest::newRow("prefers dark") << "new" << 1u << true;
        QTest::newRow("no preference") << "new" << 0u << true;
        QTest::newRow("old portal, light") << "old" << 2u << false;
        QTest::newRow("old portal, dark") << "old" << 1u << true;
        QTest::newRow("no portal") << "none" << 0u << true;
    }

    void schemeFollowsPortal()
    {
        QFETCH(QString, portal);
        QFETCH(uint, answer);
        QFETCH(bool, dark);
        Portal current;
        OldPortal old;
        OldPortal *service = portal == "old" ? &old : &current;
        service->scheme = answer;
        if (portal != "none")
            QVERIFY(publish(service));
        const auto cleanup = qScopeGuard([&] { unpublish(); });

        ColorScheme scheme(QDBusConnection("app"));
        // Asked once, and the answer (or the failure) taken.
        QTRY_VERIFY(scheme.findChildren<QDBusPendingCallWatcher *>().isEmpty());
        QCOMPARE(service->asked, portal == "none" ? 0 : 1);
        QCOMPARE(scheme.dark(), dark);

        if (portal == "none")
            QVERIFY(publish(service));
        // The desktop changes to the other scheme. The signal is sent again
        // until the app's subscription to it has reached the bus.
        QTRY_VERIFY(scheme.dark() != dark || !announce(dark ? 2u : 1u));
    }

    // The views' colours follow a change while the app runs.
    void themeFollowsChange()
    {
        Portal service;
        service.scheme = 1;
        QVERIFY(publish(&service));
        const auto cleanup = qScopeGuard([&] { unpublish(); });
        QObject *light = nullptr, *theme = nullptr;
        const auto lightEngine = themeEngine("light", &light);
        const auto engine = themeEngine(nullptr, &theme);
        QTRY_COMPARE(service.asked, 1);
        QVERIFY(theme->property("dark").toBool());
        QTRY_VERIFY(!theme->property("dark").toBool() || !announce(2));
        for (const char *role : {"background", "surface", "textPrimary", "textMuted", "focusRing"})
            QCOMPARE(theme->property(role), light->property(role));
    }

    // REELIX_COLOR_SCHEME decides over the portal, for screenshots and tests.
    void environmentDecides()
    {
        Portal service;
        service.scheme = 1;
        QVERIFY(publish(&service));
        const auto cleanup = qScopeGuard([&] { unpublish(); });
        qputenv("REELIX_COLOR_SCHEME", "light");
        ColorScheme scheme(QDBusConnection("app"));
        qunsetenv("REELIX_COLOR_SCHEME");
        QVERIFY(!scheme.dark());
        QVERIFY(scheme.findChildren<QDBusPendingCallWatcher *>().isEmpty());
        QCOMPARE(service.asked, 0);
    }
};

REELIX_GUI_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
