#include "SettingsRenderStates.h"

#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "support/PngOutput.h"
#include "support/RenderTool.h"
#include "support/SettingsTextContrast.h"
#include "support/SettingsWindowRig.h"

#include <QPainter>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr int windowWidth = 880;
constexpr int windowHeight = 820;
// The width of the window's detail area, its padding included.
constexpr int detailWidth = 660;

AppTheme themeFor(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light;
}

QString schemeName(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? QStringLiteral("dark") : QStringLiteral("light");
}

} // namespace

SettingsRenderContext::SettingsRenderContext(const QDir &folder, qreal scale)
    : m_folder(folder)
    , m_scale(scale)
{
}

QImage SettingsRenderContext::window(SidebarSection section, const Preparation &prepare)
{
    SettingsWindowRig rig;
    rig.theme.setAppTheme(themeFor(m_scheme));
    ContentView view(rig.services());
    view.resize(windowWidth, windowHeight);
    view.show();
    view.setSelectedSection(section);
    settleEvents();
    if (prepare)
        prepare(rig, view);
    settleEvents();
    return measuredRender(view);
}

QImage SettingsRenderContext::sheet(QWidget *content, int width, const std::function<void()> &prepare)
{
    SettingsWindowRig rig;
    rig.theme.setAppTheme(themeFor(m_scheme));
    QWidget root;
    root.setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(&root);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    new WindowTheme(&root, rig.theme);
    root.setFixedWidth(width);
    root.show();
    settleEvents();
    // Wrapped texts are as tall as the width makes them.
    root.setFixedHeight(root.hasHeightForWidth() ? root.heightForWidth(width) : root.sizeHint().height());
    settleEvents();
    if (prepare)
        prepare();
    settleEvents();
    return measuredRender(root);
}

QImage SettingsRenderContext::measuredRender(QWidget &root)
{
    m_measured = measureSmallTextContrast(root);
    return renderWidget(root, m_scale);
}

QImage SettingsRenderContext::pane(QWidget *pane, const std::function<void()> &prepare)
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(DetailView::padding, DetailView::padding, DetailView::padding, DetailView::padding);
    layout->addWidget(pane);
    return sheet(area, detailWidth, prepare);
}

bool SettingsRenderContext::savePanes(const PaneMaker &make, std::initializer_list<PaneState> states,
                                      const std::function<void(const QString &name, QWidget *pane)> &onScreen)
{
    bool written = true;
    for (const auto &[name, prepare] : states) {
        SettingsWindowRig rig;
        prepare(rig);
        QWidget *made = make(rig);
        const QString file = QLatin1String(name);
        written &= save(file, pane(made, [&] {
            if (onScreen)
                onScreen(file, made);
        }));
    }
    return written;
}

bool SettingsRenderContext::save(const QString &name, const QImage &image)
{
    const QString file = name + QLatin1Char('-') + schemeName(m_scheme);
    if (m_measured) {
        ++m_measuredShots;
        m_missedShots += printWeakestSmallText(file, *m_measured) ? 0 : 1;
        m_measured.reset();
    }
    return savePng(image, m_folder, file);
}

bool SettingsRenderContext::reportContrast(const QString &name, QWidget &root) const
{
    const QString scene = name + QLatin1Char('-') + schemeName(m_scheme);
    bool met = true;
    for (const TextContrast &text : measureSmallTextContrast(root)) {
        met &= text.meetsFloor();
        std::printf("%-22s %-44s %5.2f:1 (floor %.1f:1)%s\n", qPrintable(scene),
                    qPrintable(QLatin1Char('"') + text.text.left(40) + QLatin1Char('"')), text.ratio,
                    text.floor, text.meetsFloor() ? "" : "  MISSED");
    }
    std::fflush(stdout);
    return met;
}

SettingsRenderStates::Registration::Registration(const char *name, Renderer renderer)
{
    registry().emplace(QString::fromUtf8(name), std::move(renderer));
}

const std::map<QString, SettingsRenderStates::Renderer> &SettingsRenderStates::all()
{
    return registry();
}

std::map<QString, SettingsRenderStates::Renderer> &SettingsRenderStates::registry()
{
    static std::map<QString, Renderer> renderers;
    return renderers;
}
