// The media player interface org.mpris.MediaPlayer2.Player of the desktop's media controls:
// the playing song and where it stands, read from the player's state when asked, and the
// requests, each posted to the window as the command its button or key would send.
#pragma once

#include <cstdint>

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "player/model/media_requests.h"
#include "player/shell/window/main_window_controls.h"

class MediaWatch;

class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

public:
    // object: the object on the bus; controls: the window's; watch: told after every request.
    MprisPlayer(QObject* object, const MainWindowControls& controls, MediaWatch* watch);

    QString PlaybackStatus() const;
    double Rate() const { return 1.0; }
    QVariantMap Metadata() const;
    // The player's volume is set in its own volume panel: the desktop sees it as full.
    double Volume() const { return 1.0; }
    qlonglong Position() const;
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanPause() const;
    bool CanSeek() const;
    bool CanControl() const { return true; }

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    // A local file:// URL: the file is opened as one handed to the player; others do nothing.
    void OpenUri(const QString& Uri);

signals:
    // Sent by the watch (media_watch.h); declared here for the interface's description.
    void Seeked(qlonglong Position);

private:
    // The value of a property that follows the player's state, now.
    QVariant Current(const QString& name) const;
    void Request(MediaRequest request);
    // Posts the command and has the watch look once it has been carried out.
    void Post(int command, std::intptr_t lParam = 0);

    MainWindowControls controls_;
    MediaWatch* watch_;
};
