#include "Appearance.h"

#include <QFont>
#include <QGuiApplication>
#include <QQuickStyle>

namespace Appearance {

void apply()
{
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QFont font(QStringLiteral("Inter"));
    font.setPointSize(10);
    QGuiApplication::setFont(font);
}

} // namespace Appearance
