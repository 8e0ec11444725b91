#include "app/displayplatform.h"

#include <QByteArray>
#include <QString>

void chooseDisplayPlatform()
{
    const bool waylandSession = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    const bool xwaylandOffered = qEnvironmentVariableIsSet("DISPLAY");
    if (waylandSession && xwaylandOffered && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    }
}
