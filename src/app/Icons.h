#pragma once

#include <QString>

// The one table from the symbol names the views use ("arrow.down.circle") to
// glyphs of the Material Design Icons font (Debian's
// fonts-materialdesignicons-webfont).
namespace Icons {
inline constexpr const char *fontFamily = "Material Design Icons";
QString glyph(const QString &symbol);
} // namespace Icons
