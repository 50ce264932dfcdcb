#include "menubar/QtSoundEffect.h"

#include <QUrl>

namespace {

QUrl sourceUrl(const QString &path)
{
    // Resource paths start with a colon; the sound effect only takes them as qrc URLs.
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

} // namespace

QtSoundEffect::QtSoundEffect(const QString &path, std::function<void()> onFailure,
                             QObject *parent)
    : QObject(parent)
    , m_onFailure(std::move(onFailure))
{
    connect(&m_effect, &QSoundEffect::statusChanged, this, &QtSoundEffect::checkStatus);
    m_effect.setSource(sourceUrl(path));
    // Some sources fail inside setSource, before the signal could be heard.
    checkStatus();
}

void QtSoundEffect::play(double volume)
{
    if (m_failed)
        return;
    m_effect.setVolume(float(volume));
    // While the file is still being decoded, play() is remembered and starts once it is ready.
    m_effect.play();
}

void QtSoundEffect::checkStatus()
{
    if (m_failed || m_effect.status() != QSoundEffect::Error)
        return;
    m_failed = true;
    if (m_onFailure)
        m_onFailure();
}
