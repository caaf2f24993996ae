// SPDX-License-Identifier: GPL-3.0-or-later
#include "mpris.h"

#include "kelres.h"
#include "naming.h"
#include "pack_registry.h"
#include "recitation_session.h"
#include "sura.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QWidget>
#include <algorithm>

namespace
{

constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";

// The recitation a pack file belongs to, in words: its add-on folder's name, or the packs' own.
QString RecitationOf(const std::string& path)
{
    const std::string addon = PackRegistry::RecitationOfPath(path);
    return addon.empty() ? QCoreApplication::translate("Mpris", "The default recitation")
                         : QString::fromStdString(addon);
}

} // namespace

Mpris::Mpris(QWidget* window, RecitationSession* session, const PackRegistry& packs, QObject* parent)
    : QObject(parent), window_(window), session_(session), packs_(packs)
{
    new MprisRoot(this);
    new MprisPlayer(this);
    connect(session_, &RecitationSession::PlayingChanged, this, [this] {
        Changed({{"PlaybackStatus", PlaybackStatus()}});
    });
    connect(session_, &RecitationSession::AyaShown, this, [this](AyaRef aya) {
        key_ = aya.Key();
        length_ = session_->RecitationLength(aya);
        Changed({{"Metadata", Metadata()}});
    });
    connect(session_, &RecitationSession::SpeedChanged, this, [this] { Changed({{"Rate", Rate()}}); });
}

bool Mpris::Register(QDBusConnection bus)
{
    if (!bus.isConnected() || !bus.registerObject(kPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!bus.registerService(kService)) {
        bus.unregisterObject(kPath);
        return false;
    }
    bus_ = bus;
    registered_ = true;
    return true;
}

QString Mpris::PlaybackStatus() const { return session_->Playing() ? "Playing" : "Stopped"; }

double Mpris::Rate() const { return session_->Speed(); }

void Mpris::RequestRate(double rate)
{
    if (rate == 0) {
        session_->Stop();
        return;
    }
    emit RateRequested(std::clamp(rate, kMinimumRate, kMaximumRate));
}

QVariantMap Mpris::Metadata() const
{
    int sura = 0, aya = 0;
    if (!SplitAyaKey(key_, &sura, &aya))
        return {{"mpris:trackid",
                 QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack"))}};
    const auto& titles = SuraTable().ShortTitles();
    const auto title = titles.find(PadSura(IntToString(sura)));
    // The recitation heard: the pack the aya's recording comes from (an add-on of some ayas leaves the
    // rest to the pack behind it).
    const KelRes* serving = packs_.PackHolding(SoundName(key_));
    // "112. Al-Ikhlas" names the sura; the title reads "112:1 · Al-Ikhlas".
    const QString name = title == titles.end() ? QString::number(sura)
                                               : QString::fromLatin1(title->second.c_str()).section(". ", 1);
    return {
        {"mpris:trackid",
         QVariant::fromValue(QDBusObjectPath(QString("/org/lumora/Varnel/aya/%1_%2").arg(sura).arg(aya)))},
        {"xesam:title", QString("%1:%2 \u00b7 %3").arg(sura).arg(aya).arg(name)},
        {"xesam:album", name},
        {"xesam:trackNumber", aya},
        {"xesam:artist", QStringList{RecitationOf(serving ? serving->Path() : std::string())}},
        {"mpris:length", qlonglong(length_) * 1000},
    };
}

void Mpris::Changed(const QVariantMap& properties)
{
    if (!registered_)
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
    signal << QString(kPlayerInterface) << properties << QStringList();
    bus_.send(signal);
}

void MprisRoot::Raise()
{
    QWidget* window = owner_->Window();
    window->show();
    window->raise();
    window->activateWindow();
}

void MprisRoot::Quit() { QCoreApplication::quit(); }

void MprisPlayer::Play()
{
    if (!owner_->Session()->Playing())
        owner_->Session()->Play();
}

void MprisPlayer::Pause() { owner_->Session()->Stop(); }
void MprisPlayer::PlayPause() { owner_->Session()->TogglePlay(); }
void MprisPlayer::Stop() { owner_->Session()->Stop(); }
void MprisPlayer::Next() { owner_->Session()->Next(); }
void MprisPlayer::Previous() { owner_->Session()->Previous(); }
