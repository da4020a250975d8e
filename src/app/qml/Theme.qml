pragma Singleton
import QtQuick
import Reelix

// The app's palette, type sizes and radii, named once so that the views
// agree on them. Each colour has a dark and a light value, chosen by the
// desktop's colour scheme; a change while the app runs repaints the views.
// tests/tst_theme.cpp checks the contrast of the pairs drawn together.
QtObject {
    readonly property bool dark: ColorScheme.dark

    // Brand and accent
    readonly property color accent: Qt.rgba(0.18, 0.42, 0.93, 1)
    readonly property color accentMid: Qt.rgba(0.15, 0.37, 0.85, 1)
    readonly property color accentDeep: Qt.rgba(0.14, 0.35, 0.8, 1)
    // The accent as text (links, a download's status): lighter over the dark scheme.
    readonly property color accentText: dark ? Qt.rgba(0.42, 0.62, 1.0, 1)
                                             : Qt.rgba(0.1, 0.36, 0.85, 1)
    readonly property color accentSelection: dark ? Qt.rgba(0.24, 0.51, 1.0, 0.6)
                                                  : Qt.rgba(0.18, 0.42, 0.93, 0.3)
    readonly property color violet: Qt.rgba(0.48, 0.27, 0.98, 1)
    readonly property color purple: dark ? Qt.rgba(0.72, 0.38, 1.0, 1) : Qt.rgba(0.47, 0.2, 0.78, 1)
    readonly property color info: dark ? Qt.rgba(0.4, 0.7, 1.0, 1) : Qt.rgba(0.05, 0.38, 0.72, 1)

    // Status
    readonly property color success: dark ? Qt.rgba(0.3, 0.85, 0.55, 1)
                                          : Qt.rgba(0.05, 0.45, 0.22, 1)
    readonly property color warning: dark ? Qt.rgba(1.0, 0.72, 0.25, 1) : Qt.rgba(0.6, 0.36, 0.0, 1)
    readonly property color warningWash: dark ? Qt.rgba(1.0, 0.72, 0.25, 0.15)
                                              : Qt.rgba(1.0, 0.72, 0.25, 0.2)
    readonly property color warningLine: dark ? Qt.rgba(1.0, 0.72, 0.25, 0.25)
                                              : Qt.rgba(0.8, 0.5, 0.0, 0.45)
    readonly property color warningBase: dark ? Qt.rgba(0.18, 0.15, 0.08, 1)
                                              : Qt.rgba(1.0, 0.97, 0.9, 1)
    readonly property color orange: dark ? Qt.rgba(1.0, 0.6, 0.1, 1) : Qt.rgba(0.68, 0.33, 0.0, 1)
    readonly property color amber: dark ? Qt.rgba(1.0, 0.65, 0.1, 1) : Qt.rgba(0.62, 0.36, 0.0, 1)
    readonly property color convertTop: Qt.rgba(1.0, 0.75, 0.2, 1)
    readonly property color convertBottom: Qt.rgba(1.0, 0.55, 0.1, 1)
    readonly property color danger: dark ? Qt.rgba(1.0, 0.38, 0.38, 1)
                                         : Qt.rgba(0.78, 0.12, 0.12, 1)
    readonly property color dangerText: dark ? Qt.rgba(1.0, 0.4, 0.4, 1)
                                             : Qt.rgba(0.75, 0.1, 0.1, 1)
    readonly property color stop: dark ? Qt.rgba(1.0, 0.35, 0.35, 1) : Qt.rgba(0.78, 0.12, 0.12, 1)
    readonly property color stopWash: dark ? Qt.rgba(1.0, 0.25, 0.25, 0.15)
                                           : Qt.rgba(0.9, 0.15, 0.15, 0.12)
    readonly property color stopConverting: dark ? Qt.rgba(1.0, 0.55, 0.15, 1)
                                                 : Qt.rgba(0.66, 0.3, 0.0, 1)
    readonly property color stopConvertingWash: dark ? Qt.rgba(1.0, 0.5, 0.1, 0.18)
                                                     : Qt.rgba(1.0, 0.5, 0.1, 0.16)

    // Window backgrounds
    readonly property color background: dark ? Qt.rgba(0.11, 0.12, 0.15, 1)
                                             : Qt.rgba(0.96, 0.965, 0.975, 1)
    readonly property color backgroundDeep: dark ? Qt.rgba(0.08, 0.09, 0.11, 1)
                                                 : Qt.rgba(0.93, 0.94, 0.955, 1)
    readonly property color logBackground: dark ? Qt.rgba(0.09, 0.1, 0.12, 1)
                                                : Qt.rgba(0.98, 0.98, 0.985, 1)
    readonly property color menuBar: dark ? Qt.rgba(0.13, 0.14, 0.17, 1)
                                          : Qt.rgba(0.93, 0.935, 0.945, 1)
    readonly property color menuBase: dark ? Qt.rgba(0.16, 0.17, 0.2, 1) : Qt.rgba(1, 1, 1, 1)
    readonly property color menuLine: dark ? Qt.rgba(0.2, 0.21, 0.25, 1)
                                           : Qt.rgba(0.8, 0.81, 0.84, 1)
    readonly property color tipBackground: dark ? Qt.rgba(0.19, 0.2, 0.24, 1) : Qt.rgba(1, 1, 1, 1)

    // Keyboard focus
    readonly property color focusRing: dark ? Qt.rgba(0.45, 0.65, 1.0, 1)
                                            : Qt.rgba(0.1, 0.36, 0.85, 1)
    readonly property int focusRingWidth: 2
    readonly property int focusRingGap: 2

    // Surfaces, the deepest first
    readonly property color logBox: dark ? Qt.rgba(0.1, 0.1, 0.1, 1) : Qt.rgba(0.97, 0.97, 0.975, 1)
    readonly property color card: dark ? Qt.rgba(0.12, 0.12, 0.12, 1) : Qt.rgba(1, 1, 1, 1)
    readonly property color well: dark ? Qt.rgba(0.13, 0.13, 0.13, 1)
                                       : Qt.rgba(0.93, 0.935, 0.945, 1)
    readonly property color field: dark ? Qt.rgba(0.14, 0.14, 0.14, 1) : Qt.rgba(1, 1, 1, 1)
    readonly property color control: dark ? Qt.rgba(0.15, 0.15, 0.15, 1)
                                          : Qt.rgba(0.985, 0.985, 0.99, 1)
    readonly property color surface: dark ? Qt.rgba(0.16, 0.16, 0.16, 1) : Qt.rgba(1, 1, 1, 1)
    readonly property color track: dark ? Qt.rgba(0.18, 0.18, 0.18, 1)
                                        : Qt.rgba(0.86, 0.87, 0.89, 1)
    readonly property color surfaceHover: dark ? Qt.rgba(0.2, 0.2, 0.2, 1)
                                               : Qt.rgba(0.93, 0.935, 0.945, 1)
    readonly property color outline: dark ? Qt.rgba(0.22, 0.22, 0.22, 1)
                                          : Qt.rgba(0.78, 0.79, 0.82, 1)
    readonly property color switchOn: dark ? Qt.rgba(0.16, 0.56, 0.33, 1)
                                           : Qt.rgba(0.1, 0.5, 0.27, 1)
    readonly property color switchOff: dark ? Qt.rgba(0.3, 0.3, 0.3, 1)
                                            : Qt.rgba(0.55, 0.56, 0.58, 1)

    // The quality menu's background, slightly blue
    readonly property color popup: dark ? Qt.rgba(0.16, 0.16, 0.18, 1) : Qt.rgba(1, 1, 1, 1)

    // Text and icon shades, the strongest first
    readonly property color textBright: dark ? "white" : Qt.rgba(0.07, 0.08, 0.1, 1)
    readonly property color textPrimary: dark ? Qt.rgba(0.97, 0.97, 0.97, 1)
                                              : Qt.rgba(0.1, 0.11, 0.13, 1)
    readonly property color textHeading: dark ? Qt.rgba(0.95, 0.95, 0.95, 1)
                                              : Qt.rgba(0.12, 0.13, 0.15, 1)
    readonly property color textEmphasis: dark ? Qt.rgba(0.92, 0.92, 0.92, 1)
                                               : Qt.rgba(0.15, 0.16, 0.18, 1)
    readonly property color textSecondary: dark ? Qt.rgba(0.85, 0.85, 0.85, 1)
                                                : Qt.rgba(0.22, 0.23, 0.25, 1)
    readonly property color textTertiary: dark ? Qt.rgba(0.75, 0.75, 0.75, 1)
                                               : Qt.rgba(0.27, 0.28, 0.3, 1)
    readonly property color textStatus: dark ? Qt.rgba(0.72, 0.72, 0.72, 1)
                                             : Qt.rgba(0.29, 0.3, 0.32, 1)
    readonly property color textDim: dark ? Qt.rgba(0.68, 0.68, 0.68, 1)
                                          : Qt.rgba(0.32, 0.33, 0.35, 1)
    readonly property color textFaint: dark ? Qt.rgba(0.66, 0.66, 0.66, 1)
                                            : Qt.rgba(0.34, 0.35, 0.37, 1)
    readonly property color textMuted: dark ? Qt.rgba(0.64, 0.64, 0.64, 1)
                                            : Qt.rgba(0.36, 0.37, 0.39, 1)
    readonly property color iconMuted: dark ? Qt.rgba(0.6, 0.6, 0.6, 1)
                                            : Qt.rgba(0.38, 0.39, 0.41, 1)
    readonly property color textHint: dark ? Qt.rgba(0.62, 0.62, 0.62, 1)
                                           : Qt.rgba(0.37, 0.38, 0.4, 1)
    readonly property color spinnerFaint: dark ? Qt.rgba(0.5, 0.5, 0.5, 1)
                                               : Qt.rgba(0.5, 0.51, 0.53, 1)
    readonly property color textEmptyLog: dark ? Qt.rgba(0.6, 0.6, 0.6, 1)
                                               : Qt.rgba(0.38, 0.39, 0.41, 1)
    readonly property color iconEmptyLog: dark ? Qt.rgba(0.25, 0.25, 0.25, 1)
                                               : Qt.rgba(0.75, 0.76, 0.78, 1)
    readonly property color textOnWarm: "black"
    // Text and symbols on the accent, a switch's knob: white in both schemes.
    readonly property color textOnAccent: "white"
    // How strongly a round icon button's symbol shows until it is hovered.
    readonly property real iconRestOpacity: 0.8

    // Over the setup view's deep background, by strength: white in the dark
    // scheme, black in the light one.
    readonly property color onDarkHigh: dark ? Qt.rgba(1, 1, 1, 0.72) : Qt.rgba(0, 0, 0, 0.78)
    readonly property color onDarkMedium: dark ? Qt.rgba(1, 1, 1, 0.65) : Qt.rgba(0, 0, 0, 0.74)
    readonly property color onDarkSoft: dark ? Qt.rgba(1, 1, 1, 0.6) : Qt.rgba(0, 0, 0, 0.7)
    readonly property color onDarkLow: dark ? Qt.rgba(1, 1, 1, 0.5) : Qt.rgba(0, 0, 0, 0.66)
    readonly property color onDarkFaint: dark ? Qt.rgba(1, 1, 1, 0.45) : Qt.rgba(0, 0, 0, 0.62)
    readonly property color hairline: dark ? Qt.rgba(1, 1, 1, 0.05) : Qt.rgba(0, 0, 0, 0.08)

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
    // A path shown on its own reads left to right as one piece, also in a
    // right-to-left window (U+2066 … U+2069 isolate it).
    function leftToRight(text: string): string {
        // Made from their codes: the compiled QML must not carry them unpaired.
        return String.fromCharCode(0x2066) + text + String.fromCharCode(0x2069)
    }
    // The values a right-to-left language isolates in its texts (U+2068 …
    // U+2069: a path, an address) wrap as a whole, not at each "/", so a
    // line break cannot put their pieces at opposite ends of two lines.
    function wholeValues(text: string): string {
        return text.replace(/\u2068[^\u2069]*\u2069/g, value => value.replace(/ /g, "\u00a0")
                            .replace(/([\/\\\-_.,:;])/g, "$1\u2060"))
    }

    // The parts of a line of facts ("12:34 · 1080p · ~240 MB"), joined by a
    // dot; an empty part is left out. In a right-to-left language the line
    // reads from the right, each part kept whole in its own direction
    // ("1080p", "~240 MB").
    function line(all: list<string>, separator: string): string {
        const parts = all.filter(part => part.length > 0)
        if (Qt.locale().textDirection !== Qt.RightToLeft)
            return parts.join(separator)
        return "\u200f" + parts.map(p => "\u2068" + p + "\u2069").join(separator)
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
