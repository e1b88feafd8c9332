// The media player interface org.mpris.MediaPlayer2 of the desktop's media controls: the
// player's names and what it supports, and Raise and Quit, which act as a later start and the
// Close button do.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

#include "player/shell/window/main_window_controls.h"

class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

public:
    // object: the object on the bus; controls: the window's.
    MprisRoot(QObject* object, const MainWindowControls& controls);

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const;
    QString DesktopEntry() const;
    QStringList SupportedUriSchemes() const;
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise();
    // Not while a dialog or menu is in front of the window, which waits for its answer.
    void Quit();

private:
    MainWindowControls controls_;
};
