#pragma once

#include "menubar/SoundOutput.h"

#include <QList>
#include <QSet>
#include <QStringList>

// An audio output that plays nothing and records, by file name, what was loaded and
// played. A test can make a file fail to decode, at once or later on.
class RecordingSoundOutput : public SoundOutput
{
public:
    struct Play
    {
        QString fileName;
        double volume = 0;
        bool operator==(const Play &) const = default;
    };

    bool hasDevice() const override { return m_hasDevice; }
    std::unique_ptr<SoundEffect> load(const QString &path,
                                      std::function<void()> onFailure) override;

    void setHasDevice(bool hasDevice) { m_hasDevice = hasDevice; }
    // Loads of this file fail before load returns.
    void failLoadsAtOnce(const QString &fileName) { m_failAtOnce.insert(fileName); }
    // The loaded effects of this file fail now, as when decoding ends in an error.
    void failLoaded(const QString &fileName);

    const QStringList &loads() const { return m_loads; }
    const QList<Play> &plays() const { return m_plays; }
    int livingEffects() const { return int(m_living.size()); }

private:
    class Effect;

    bool m_hasDevice = true;
    QSet<QString> m_failAtOnce;
    QStringList m_loads;
    QList<Play> m_plays;
    QList<Effect *> m_living;
};
