#pragma once

#include "menubar/SoundEffect.h"

#include <QObject>
#include <QSoundEffect>

#include <functional>

// A sound decoded once into memory and played through the desktop's sound server.
class QtSoundEffect : public QObject, public SoundEffect
{
    Q_OBJECT

public:
    QtSoundEffect(const QString &path, std::function<void()> onFailure,
                  QObject *parent = nullptr);

    void play(double volume) override;
    bool hasFailed() const override { return m_failed; }

private:
    void checkStatus();

    QSoundEffect m_effect;
    std::function<void()> m_onFailure;
    bool m_failed = false;
};
