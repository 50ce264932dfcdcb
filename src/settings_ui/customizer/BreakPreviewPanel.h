#pragma once

#include "settings_ui/customizer/PreviewBackdrop.h"

#include <QDate>
#include <QWidget>

#include <functional>

class BreakScreenConfig;
class Clock;
class PreviewFullScreenButton;

// The customizer's live preview: the break screen drawn small from the configuration being
// edited, in a rounded panel, repainted from memory on every change of the configuration. It
// never counts down and never writes settings. Its one control, the round button in the
// top-right corner, runs the action that asks for the real full-screen preview.
class BreakPreviewPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int outerPadding = 20;
    static constexpr qreal cornerRadius = 14;
    static constexpr int buttonInset = 14;

    BreakPreviewPanel(const BreakScreenConfig &config, Clock &clock,
                      std::function<void()> onPreviewFullScreen, QWidget *parent = nullptr);

    // What the preview says for `config` on `today`: the message of the day for Random, the
    // custom text as the break draws it (or "Your message here" while it is empty) for
    // Custom, else the choice's own title.
    static QString previewMessage(const BreakScreenConfig &config, const QDate &today);
    // The same for today by the clock.
    QString previewMessage() const;

    PreviewFullScreenButton *fullScreenButton() const { return m_button; }
    // The rounded area the break screen is drawn in.
    QRectF panelRect() const;
    // How many blurred or glowing backgrounds have been made so far.
    int backdropRenders() const { return m_backdrop.renders(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const BreakScreenConfig &m_config;
    Clock &m_clock;
    PreviewBackdrop m_backdrop;
    PreviewFullScreenButton *m_button;
};
