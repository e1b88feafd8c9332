// The names under which the player's media controls are found on the session bus.
#pragma once

#include <QString>

inline const QString kMprisServiceName = QStringLiteral("org.mpris.MediaPlayer2.tesalo");
inline const QString kMprisObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
inline const QString kMprisPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
