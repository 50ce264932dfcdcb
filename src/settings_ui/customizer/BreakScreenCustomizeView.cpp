#include "settings_ui/customizer/BreakScreenCustomizeView.h"

#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/WindowManager.h"
#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/ReturnPressesButtons.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "settings_ui/customizer/CustomizerSettingsColumn.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int headerHorizontalPadding = 20;
constexpr int headerVerticalPadding = 14;
constexpr int headerSpacing = 10;
constexpr qreal titleSize = 20;
constexpr qreal separatorOpacity = 0.06;
const QString title = QStringLiteral("Customize Break Screen");

} // namespace

BreakScreenCustomizeView::BreakScreenCustomizeView(CustomizerServices services,
                                                   std::unique_ptr<BreakScreenConfig> config,
                                                   std::function<void()> onBack, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_onBack(std::move(onBack))
    , m_config(std::move(config))
    , m_saveDebouncer(std::make_unique<Debouncer>(services.clock, saveDelaySeconds, [this] { save(); }))
{
    setObjectName(QStringLiteral("customizer"));
    // Its window takes this title, which screen readers and the desktop name it by.
    setWindowTitle(title);
    setAutoFillBackground(true);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(buildHeader());
    root->addWidget(buildBody(), 1);
    new WindowTheme(this, services.theme);
    ReturnPressesButtons::cover(this);
    // The desktop's close command for a window, beside the back button.
    auto *close = new QShortcut(QKeySequence::Close, this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, [this] { m_onBack(); });
    watchEdits();
}

BreakScreenCustomizeView::~BreakScreenCustomizeView() = default;

QWidget *BreakScreenCustomizeView::buildHeader()
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(headerHorizontalPadding, headerVerticalPadding, headerHorizontalPadding,
                            headerVerticalPadding);
    row->setSpacing(headerSpacing);
    m_back = new BackButton;
    m_back->setObjectName(QStringLiteral("customizer.back"));
    connect(m_back, &BackButton::clicked, this, [this] { m_onBack(); });
    row->addWidget(m_back);
    row->addWidget(PaneLabels::primary(title, titleSize, QFont::Bold));
    row->addStretch(1);
    return header;
}

QWidget *BreakScreenCustomizeView::buildBody()
{
    auto *body = new QWidget;
    auto *row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_preview = new BreakPreviewPanel(*m_config, m_services.clock, [this] { previewFullScreen(); });
    row->addWidget(m_preview, 1);
    row->addWidget(Hairline::vertical(separatorOpacity));
    m_column = new CustomizerSettingsColumn(*m_config);
    row->addWidget(m_column);
    return body;
}

void BreakScreenCustomizeView::watchEdits()
{
    // Only real changes reach here: the configuration stays silent when a value is set again.
    const auto schedule = [this] { m_saveDebouncer->call(); };
    BreakScreenConfig *config = m_config.get();
    connect(config, &BreakScreenConfig::messageChanged, this, schedule);
    connect(config, &BreakScreenConfig::customMessageChanged, this, schedule);
    connect(config, &BreakScreenConfig::countdownStyleChanged, this, schedule);
    connect(config, &BreakScreenConfig::clockVisibleChanged, this, schedule);
    connect(config, &BreakScreenConfig::backgroundChanged, this, schedule);
    connect(config, &BreakScreenConfig::showSkipChanged, this, schedule);
    connect(config, &BreakScreenConfig::showSnoozeChanged, this, schedule);
    connect(config, &BreakScreenConfig::escapeBehaviorChanged, this, schedule);
}

bool BreakScreenCustomizeView::isSavePending() const
{
    return m_saveDebouncer->isPending();
}

void BreakScreenCustomizeView::save()
{
    m_config->save(m_services.store);
}

void BreakScreenCustomizeView::saveNow()
{
    if (m_saveDebouncer->isPending())
        m_saveDebouncer->flush();
    else
        save();
}

void BreakScreenCustomizeView::previewFullScreen()
{
    saveNow();
    if (WindowManager *manager = WindowManager::shared())
        manager->breakController().showPreview(std::shared_ptr<BreakScreenConfig>(m_config->copy()), previewSeconds);
}

void BreakScreenCustomizeView::hideEvent(QHideEvent *event)
{
    // However the window went: back, Ctrl+W, its own close, or with the settings window.
    saveNow();
    QWidget::hideEvent(event);
}
