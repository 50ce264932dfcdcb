#pragma once

#include "settings_ui/customizer/CustomizerServices.h"

#include <QWidget>

#include <functional>
#include <memory>

class BackButton;
class BreakPreviewPanel;
class BreakScreenConfig;
class CustomizerSettingsColumn;
class Debouncer;

// The whole of the break-screen customizer window: a header with the back button and the
// title, the live preview, and the settings column beside it. It owns the configuration it
// was opened with; every edit goes into it at once and the preview repaints from memory.
// Saving waits until edits have settled for saveDelaySeconds on the clock, and happens at
// once when the view goes (back button, Ctrl+W, the window closed or hidden with the settings
// window) and before a full-screen preview. The application's termination path flushes a
// pending save before the store's last write. Once closed, nothing of it keeps running.
class BreakScreenCustomizeView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double saveDelaySeconds = 0.3;
    static constexpr int previewSeconds = 5;

    BreakScreenCustomizeView(CustomizerServices services, std::unique_ptr<BreakScreenConfig> config,
                             std::function<void()> onBack, QWidget *parent = nullptr);
    ~BreakScreenCustomizeView() override;

    BreakScreenConfig &config() const { return *m_config; }
    BreakPreviewPanel *preview() const { return m_preview; }
    CustomizerSettingsColumn *settingsColumn() const { return m_column; }
    bool isSavePending() const;

    // Saves at once, then asks the break screen for a full-screen preview of the edited look
    // on a copy of it, so that closing the customizer meanwhile leaves the preview whole. A
    // refusal (a break on screen, no display) changes nothing further.
    void previewFullScreen();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildHeader();
    QWidget *buildBody();
    void watchEdits();
    void save();
    // Drops the pending save, if any, and saves now.
    void saveNow();

    CustomizerServices m_services;
    std::function<void()> m_onBack;
    // Declared before the debouncer, which may still save it while the view goes.
    std::unique_ptr<BreakScreenConfig> m_config;
    std::unique_ptr<Debouncer> m_saveDebouncer;
    BackButton *m_back = nullptr;
    BreakPreviewPanel *m_preview = nullptr;
    CustomizerSettingsColumn *m_column = nullptr;
};
