pragma Singleton
import QtQuick

// The app's palette, type sizes and radii, named once so that the views
// agree on them. The app is dark only; there is no light variant.
QtObject {
    // Brand and accent
    readonly property color accent: Qt.rgba(0.24, 0.51, 1.0, 1)
    readonly property color accentMid: Qt.rgba(0.18, 0.42, 0.9, 1)
    readonly property color accentDeep: Qt.rgba(0.16, 0.40, 0.88, 1)
    readonly property color accentSelection: Qt.rgba(0.24, 0.51, 1.0, 0.6)
    readonly property color violet: Qt.rgba(0.48, 0.27, 0.98, 1)
    readonly property color purple: Qt.rgba(0.72, 0.38, 1.0, 1)
    readonly property color info: Qt.rgba(0.4, 0.7, 1.0, 1)

    // Status
    readonly property color success: Qt.rgba(0.3, 0.85, 0.55, 1)
    readonly property color warning: Qt.rgba(1.0, 0.72, 0.25, 1)
    readonly property color warningWash: Qt.rgba(1.0, 0.72, 0.25, 0.15)
    readonly property color warningLine: Qt.rgba(1.0, 0.72, 0.25, 0.25)
    readonly property color warningBase: Qt.rgba(0.18, 0.15, 0.08, 1)
    readonly property color orange: Qt.rgba(1.0, 0.6, 0.1, 1)
    readonly property color orangeDeep: Qt.rgba(0.88, 0.45, 0.05, 1)
    readonly property color amber: Qt.rgba(1.0, 0.65, 0.1, 1)
    readonly property color convertTop: Qt.rgba(1.0, 0.75, 0.2, 1)
    readonly property color convertBottom: Qt.rgba(1.0, 0.55, 0.1, 1)
    readonly property color danger: Qt.rgba(1.0, 0.38, 0.38, 1)
    readonly property color dangerText: Qt.rgba(1.0, 0.4, 0.4, 1)
    readonly property color stop: Qt.rgba(1.0, 0.35, 0.35, 1)
    readonly property color stopWash: Qt.rgba(1.0, 0.25, 0.25, 0.15)
    readonly property color stopConverting: Qt.rgba(1.0, 0.55, 0.15, 1)
    readonly property color stopConvertingWash: Qt.rgba(1.0, 0.5, 0.1, 0.18)

    // Window backgrounds
    readonly property color background: Qt.rgba(0.11, 0.12, 0.15, 1)
    readonly property color backgroundDeep: Qt.rgba(0.08, 0.09, 0.11, 1)
    readonly property color logBackground: Qt.rgba(0.09, 0.1, 0.12, 1)
    readonly property color menuBar: Qt.rgba(0.13, 0.14, 0.17, 1)
    readonly property color menuBase: Qt.rgba(0.16, 0.17, 0.2, 1)
    readonly property color menuLine: Qt.rgba(0.2, 0.21, 0.25, 1)
    readonly property color tipBackground: Qt.rgba(0.19, 0.2, 0.24, 1)

    // Keyboard focus
    readonly property color focusRing: Qt.rgba(0.45, 0.65, 1.0, 1)
    readonly property int focusRingWidth: 2
    readonly property int focusRingGap: 2

    // Surfaces, darkest first
    readonly property color logBox: Qt.rgba(0.1, 0.1, 0.1, 1)
    readonly property color card: Qt.rgba(0.12, 0.12, 0.12, 1)
    readonly property color well: Qt.rgba(0.13, 0.13, 0.13, 1)
    readonly property color field: Qt.rgba(0.14, 0.14, 0.14, 1)
    readonly property color control: Qt.rgba(0.15, 0.15, 0.15, 1)
    readonly property color surface: Qt.rgba(0.16, 0.16, 0.16, 1)
    readonly property color track: Qt.rgba(0.18, 0.18, 0.18, 1)
    readonly property color surfaceHover: Qt.rgba(0.2, 0.2, 0.2, 1)
    readonly property color outline: Qt.rgba(0.22, 0.22, 0.22, 1)
    readonly property color switchOff: Qt.rgba(0.3, 0.3, 0.3, 1)

    // The quality menu's background, slightly blue
    readonly property color popup: Qt.rgba(0.16, 0.16, 0.18, 1)

    // Text and icon shades, brightest first
    readonly property color textBright: "white"
    readonly property color textPrimary: Qt.rgba(0.97, 0.97, 0.97, 1)
    readonly property color textHeading: Qt.rgba(0.95, 0.95, 0.95, 1)
    readonly property color textEmphasis: Qt.rgba(0.92, 0.92, 0.92, 1)
    readonly property color textSecondary: Qt.rgba(0.85, 0.85, 0.85, 1)
    readonly property color textTertiary: Qt.rgba(0.75, 0.75, 0.75, 1)
    readonly property color textStatus: Qt.rgba(0.72, 0.72, 0.72, 1)
    readonly property color textDim: Qt.rgba(0.65, 0.65, 0.65, 1)
    readonly property color textFaint: Qt.rgba(0.6, 0.6, 0.6, 1)
    readonly property color textMuted: Qt.rgba(0.55, 0.55, 0.55, 1)
    readonly property color iconMuted: Qt.rgba(0.5, 0.5, 0.5, 1)
    readonly property color textHint: Qt.rgba(0.45, 0.45, 0.45, 1)
    readonly property color spinnerFaint: Qt.rgba(0.4, 0.4, 0.4, 1)
    readonly property color textEmptyLog: Qt.rgba(0.35, 0.35, 0.35, 1)
    readonly property color iconEmptyLog: Qt.rgba(0.25, 0.25, 0.25, 1)
    readonly property color textOnWarm: "black"

    // White over the dark backgrounds, by strength
    readonly property color onDarkHigh: Qt.rgba(1, 1, 1, 0.72)
    readonly property color onDarkMedium: Qt.rgba(1, 1, 1, 0.65)
    readonly property color onDarkSoft: Qt.rgba(1, 1, 1, 0.6)
    readonly property color onDarkLow: Qt.rgba(1, 1, 1, 0.5)
    readonly property color onDarkFaint: Qt.rgba(1, 1, 1, 0.45)
    readonly property color hairline: Qt.rgba(1, 1, 1, 0.05)

    // Type
    readonly property string fontFamily: "Inter"
    readonly property string monoFamily: "monospace"
    readonly property int fontTiny: 10
    readonly property int fontSmall: 11
    readonly property int fontNormal: 12
    readonly property int fontLarge: 13
    readonly property int fontTitle: 14
    readonly property int fontHeading: 16
    readonly property int fontBrand: 17
    readonly property int fontHero: 28

    // Corners and margins
    readonly property int radiusSmall: 7
    readonly property int radiusMedium: 8
    readonly property int radius: 10
    readonly property int radiusLarge: 12
    readonly property int pageMargin: 24
    // The address box and the rows stop growing here: a wide window centres them.
    readonly property int contentMaxWidth: 1040
    // The height of a row's buttons and menus.
    readonly property int controlHeight: 30
    readonly property int tipMaxWidth: 420
    readonly property int setupMargin: 40

    // The wash behind an icon or a header, in the colour it accompanies.
    readonly property real tintOpacity: 0.13
    function tint(base: color): color {
        return Qt.rgba(base.r, base.g, base.b, tintOpacity)
    }

    // Animation durations in milliseconds, quickest first
    readonly property int durationHover: 100      // hover colours, a card's progress
    readonly property int durationToggle: 120     // a row's colour, a switch's knob
    readonly property int durationProgress: 150   // a progress line's step
    readonly property int durationFade: 200       // fading out, the header's format badge
    readonly property int durationSwitch: 250     // changing views, the update banner
    readonly property int durationAppear: 300     // a new row fading in
    readonly property int durationMove: 350       // rows sliding into place
    readonly property int durationEntrance: 400   // the setup view's texts
    readonly property int durationCardEntrance: 450
    readonly property int durationSpin: 900       // one turn of a spinner
    // The setup view's entrance, one part after another
    readonly property int delayBadge: 50
    readonly property int delayTitle: 150
    readonly property int delayVersion: 180
    readonly property int delaySubtitle: 200
}
