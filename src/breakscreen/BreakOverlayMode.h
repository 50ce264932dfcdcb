#pragma once

#include <QtGlobal>

#include <optional>

// Whether an overlay shows a real break, or the customizer's preview of the break screen
// for a given number of seconds.
class BreakOverlayMode
{
public:
    static BreakOverlayMode live() { return BreakOverlayMode(std::nullopt); }
    static BreakOverlayMode preview(qint64 durationSeconds)
    {
        return BreakOverlayMode(durationSeconds);
    }

    bool isPreview() const { return m_previewSeconds.has_value(); }
    // The preview's length as asked; zero for a live break.
    qint64 previewDurationSeconds() const { return m_previewSeconds.value_or(0); }

    bool operator==(const BreakOverlayMode &other) const = default;

private:
    explicit BreakOverlayMode(std::optional<qint64> previewSeconds)
        : m_previewSeconds(previewSeconds)
    {
    }

    std::optional<qint64> m_previewSeconds;
};
