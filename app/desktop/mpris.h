// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's media controls (MPRIS): Varnel on the session bus as org.mpris.MediaPlayer2.varnel, so
// that headset buttons, media keys handled by the desktop and its player applets drive it as Space and
// the arrows do, and show the aya playing. Without a session bus nothing is registered and Varnel runs
// as before.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <string>

class QWidget;
class RecitationSession;
class PackRegistry;

class Mpris : public QObject
{
    Q_OBJECT
  public:
    static constexpr const char* kService = "org.mpris.MediaPlayer2.varnel";
    static constexpr const char* kPath = "/org/mpris/MediaPlayer2";

    Mpris(QWidget* window, RecitationSession* session, const PackRegistry& packs, QObject* parent = nullptr);

    // Registers the object and the service name on bus; false (and nothing registered) when the bus is
    // not connected or the name is taken.
    bool Register(QDBusConnection bus);

    // What the Player interface tells: "Playing" or "Stopped"; the aya's metadata.
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    // The speed as the rate, and the range the learner may set it in.
    double Rate() const;
    static constexpr double kMinimumRate = 0.5;
    static constexpr double kMaximumRate = 1.5;
    // A controller asks for a rate: 0 pauses (as MPRIS asks of a player), any other is brought within
    // the range and asked of the window by RateRequested().
    void RequestRate(double rate);

    QWidget* Window() const { return window_; }
    RecitationSession* Session() const { return session_; }

  signals:
    void RateRequested(double rate);

  private:
    // Tells the bus which of the Player's properties changed.
    void Changed(const QVariantMap& properties);

    QWidget* window_;
    RecitationSession* session_;
    const PackRegistry& packs_;
    std::string key_; // the aya shown
    int length_ = 0;  // its recitation's length, in ms
    QDBusConnection bus_{QString()};
    bool registered_ = false;
};

// org.mpris.MediaPlayer2: the application.
class MprisRoot : public QDBusAbstractAdaptor
{
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
    explicit MprisRoot(Mpris* owner) : QDBusAbstractAdaptor(owner), owner_(owner) {}
    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return "Varnel"; }
    QString DesktopEntry() const { return "org.lumora.Varnel"; }
    QStringList SupportedUriSchemes() const { return {}; }
    QStringList SupportedMimeTypes() const { return {}; }

  public slots:
    void Raise();
    void Quit();

  private:
    Mpris* owner_;
};

// org.mpris.MediaPlayer2.Player: the transport, as Play Aya, Stop Playing, Previous Aya and Next Aya.
class MprisPlayer : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(double Volume READ Volume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ Can)
    Q_PROPERTY(bool CanGoPrevious READ Can)
    Q_PROPERTY(bool CanPlay READ Can)
    Q_PROPERTY(bool CanPause READ Can)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ Can)
  public:
    explicit MprisPlayer(Mpris* owner) : QDBusAbstractAdaptor(owner), owner_(owner) {}
    QString PlaybackStatus() const { return owner_->PlaybackStatus(); }
    QVariantMap Metadata() const { return owner_->Metadata(); }
    double Rate() const { return owner_->Rate(); }
    void SetRate(double rate) { owner_->RequestRate(rate); }
    double MinimumRate() const { return Mpris::kMinimumRate; }
    double MaximumRate() const { return Mpris::kMaximumRate; }
    double Volume() const { return 1.0; }
    qlonglong Position() const { return 0; }
    bool Can() const { return true; }
    bool CanSeek() const { return false; }

  public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath&, qlonglong) {}
    void OpenUri(const QString&) {}

  signals:
    void Seeked(qlonglong position);

  private:
    Mpris* owner_;
};
