#include "support/RecordingSoundOutput.h"

#include "menubar/SoundEffect.h"

#include <QFileInfo>

#include <utility>

class RecordingSoundOutput::Effect : public SoundEffect
{
public:
    Effect(RecordingSoundOutput &output, const QString &path, std::function<void()> onFailure)
        : m_output(output)
        , m_fileName(QFileInfo(path).fileName())
        , m_onFailure(std::move(onFailure))
    {
        m_output.m_living.append(this);
    }
    ~Effect() override { m_output.m_living.removeOne(this); }

    void play(double volume) override
    {
        // A real sound that failed to decode makes no noise either.
        if (!m_failed)
            m_output.m_plays.append({m_fileName, volume});
    }
    bool hasFailed() const override { return m_failed; }

    const QString &fileName() const { return m_fileName; }
    void fail()
    {
        if (!std::exchange(m_failed, true) && m_onFailure)
            m_onFailure();
    }

private:
    RecordingSoundOutput &m_output;
    QString m_fileName;
    std::function<void()> m_onFailure;
    bool m_failed = false;
};

std::unique_ptr<SoundEffect> RecordingSoundOutput::load(const QString &path,
                                                        std::function<void()> onFailure)
{
    auto effect = std::make_unique<Effect>(*this, path, std::move(onFailure));
    m_loads.append(effect->fileName());
    if (m_failAtOnce.contains(effect->fileName()))
        effect->fail();
    return effect;
}

void RecordingSoundOutput::failLoaded(const QString &fileName)
{
    const QList<Effect *> living = m_living;
    for (Effect *effect : living) {
        if (effect->fileName() == fileName)
            effect->fail();
    }
}
