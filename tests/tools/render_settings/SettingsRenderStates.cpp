#include "SettingsRenderStates.h"

#include "settings_ui/ContentView.h"
#include "settings_ui/WindowTheme.h"
#include "support/PngOutput.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int windowWidth = 880;
constexpr int windowHeight = 820;

AppTheme themeFor(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light;
}

QImage renderWidget(QWidget &widget, qreal scale)
{
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
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
    settle();
    if (prepare)
        prepare(rig, view);
    settle();
    return renderWidget(view, m_scale);
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
    settle();
    // Wrapped texts are as tall as the width makes them.
    root.setFixedHeight(root.hasHeightForWidth() ? root.heightForWidth(width) : root.sizeHint().height());
    settle();
    if (prepare)
        prepare();
    settle();
    return renderWidget(root, m_scale);
}

bool SettingsRenderContext::save(const QString &name, const QImage &image)
{
    const QString scheme = m_scheme == ColorScheme::dark ? QStringLiteral("dark") : QStringLiteral("light");
    return savePng(image, m_folder, name + QLatin1Char('-') + scheme);
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
