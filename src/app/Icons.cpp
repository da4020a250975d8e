#include "Icons.h"

#include <QHash>

namespace Icons {

QString glyph(const QString &symbol)
{
    static const QHash<QString, char32_t> table{
        {QStringLiteral("arrow.down.circle"), 0xF048},           // arrow-down-bold-circle-outline
        {QStringLiteral("waveform"), 0xF430},                    // pulse
        {QStringLiteral("curlybraces"), 0xF169},                 // code-braces
        {QStringLiteral("arrow.down"), 0xF045},                  // arrow-down
        {QStringLiteral("film"), 0xF230},                        // filmstrip
        {QStringLiteral("music.note"), 0xF387},                  // music-note
        {QStringLiteral("folder"), 0xF24B},                      // folder
        {QStringLiteral("folder.badge.plus"), 0xF257},           // folder-plus
        {QStringLiteral("arrow.up"), 0xF05D},                    // arrow-up
        {QStringLiteral("arrow.triangle.2.circlepath"), 0xF4E6}, // sync
        {QStringLiteral("arrow.triangle.2.circlepath.circle.fill"), 0xF06A}, // autorenew
        {QStringLiteral("plus"), 0xF415},                                    // plus
        {QStringLiteral("doc.on.clipboard"), 0xF14D},                        // clipboard-outline
        {QStringLiteral("arrow.down.to.line"), 0xF1DA},                      // download
        {QStringLiteral("clock"), 0xF150},                                   // clock
        {QStringLiteral("network"), 0xF59F},                                 // web
        {QStringLiteral("checkmark.circle"), 0xF5E1},                        // check-circle-outline
        {QStringLiteral("checkmark.circle.fill"), 0xF5E0},                   // check-circle
        {QStringLiteral("xmark.circle"), 0xF15A},                            // close-circle-outline
        {QStringLiteral("exclamationmark.circle.fill"), 0xF028},             // alert-circle
        {QStringLiteral("exclamationmark.triangle.fill"), 0xF026},           // alert
        {QStringLiteral("play.rectangle.fill"), 0xF5C3},                     // youtube-play
        {QStringLiteral("stop.fill"), 0xF4DB},                               // stop
        {QStringLiteral("xmark"), 0xF156},                                   // close
        {QStringLiteral("arrow.clockwise"), 0xF450},                         // refresh
        {QStringLiteral("sparkles"), 0xF068},                                // auto-fix
        {QStringLiteral("doc.text"), 0xF219},                                // file-document
        {QStringLiteral("checkmark"), 0xF12C},                               // check
        {QStringLiteral("trash"), 0xF1C0},                                   // delete
        {QStringLiteral("chevron.down"), 0xF140},                            // chevron-down
        {QStringLiteral("person.crop.circle"), 0xF009},                      // account-circle
        {QStringLiteral("clock.arrow.circlepath"), 0xF2DA},                  // history
        {QStringLiteral("magnifyingglass"), 0xF349},                         // magnify
        {QStringLiteral("gearshape"), 0xF493},                               // settings
        {QStringLiteral("arrow.up.forward.square"), 0xF3CC},                 // open-in-new
        {QStringLiteral("chevron.right"), 0xF142},                           // chevron-right
        {QStringLiteral("chevron.left"), 0xF141},                            // chevron-left
        {QStringLiteral("list.and.film"), 0xF411},                           // playlist-play
        {QStringLiteral("pause.fill"), 0xF3E4},                              // pause
        {QStringLiteral("play.fill"), 0xF40A},                               // play
    };
    const auto it = table.constFind(symbol);
    if (it == table.constEnd())
        return QString();
    const char32_t code = *it;
    return QString::fromUcs4(&code, 1);
}

} // namespace Icons
