#pragma once

#include <QString>

// Text from a page or a tool, made safe to print or to name a file with.
namespace PlainText {

// Control characters (C0, DEL, C1) and the invisible marks that reorder the
// text around them (bidirectional embeddings, overrides and isolates): a
// title holding U+202E shows "mp4.exe" as "exe.4pm", and one holding an
// escape sequence moves a terminal's cursor.
bool isHidden(QChar c);
QString withoutHidden(QString text);

} // namespace PlainText
