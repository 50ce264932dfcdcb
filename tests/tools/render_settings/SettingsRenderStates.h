#pragma once

#include "core/AppTheme.h"
#include "settings_ui/window/SidebarSection.h"
#include "support/InkContrast.h"

#include <QDir>
#include <QImage>

#include <functional>
#include <map>
#include <optional>

class ContentView;
class QWidget;
struct SettingsWindowRig;

// What one group of render_settings' pictures is drawn with: the scheme and pixel ratio of
// this pass, a whole settings window on a fresh rig, a sheet of loose widgets on the
// window's ground, and the output folder.
class SettingsRenderContext
{
public:
    using Preparation = std::function<void(SettingsWindowRig &rig, ContentView &view)>;
    using RigPreparation = std::function<void(SettingsWindowRig &rig)>;
    using PaneMaker = std::function<QWidget *(SettingsWindowRig &rig)>;
    // A picture of a pane: its file name and what its rig holds.
    using PaneState = std::pair<const char *, RigPreparation>;

    SettingsRenderContext(const QDir &folder, qreal scale);

    ColorScheme scheme() const { return m_scheme; }
    void setScheme(ColorScheme scheme) { m_scheme = scheme; }
    qreal scale() const { return m_scale; }

    // The window at its full size on `section`, once `prepare` has run on the rig and the
    // view (pause the timer, hover a row...).
    QImage window(SidebarSection section, const Preparation &prepare = {});
    // `content` laid out `width` pixels wide on the window's ground, in this pass's scheme,
    // once `prepare` has run on it shown; the context takes the widget.
    QImage sheet(QWidget *content, int width, const std::function<void()> &prepare = {});
    // A sheet of `pane` as the window's detail area lays it out, padded on every side.
    QImage pane(QWidget *pane, const std::function<void()> &prepare = {});
    // Saves a picture per state of the pane `make` builds, each on a fresh rig the state
    // prepared; `onScreen` runs on each pane once it is shown.
    bool savePanes(const PaneMaker &make, std::initializer_list<PaneState> states,
                   const std::function<void(const QString &name, QWidget *pane)> &onScreen = {});
    // Writes <name>-<light|dark>.png and prints its path; when the picture is the last one
    // window() or sheet() drew, first the small text in it that stands out least.
    bool save(const QString &name, const QImage &image);
    // Prints the contrast each small text of `root` (shown and laid out) reaches against its
    // floor, one line each under <name>-<light|dark>; false when one misses it.
    bool reportContrast(const QString &name, QWidget &root) const;
    // Of the pictures whose small texts were measured: how many, and how many missed the floor.
    int measuredShots() const { return m_measuredShots; }
    int missedShots() const { return m_missedShots; }

private:
    QImage measuredRender(QWidget &root);

    QDir m_folder;
    qreal m_scale;
    ColorScheme m_scheme = ColorScheme::light;
    // The small texts of the picture last drawn, until it is saved.
    std::optional<QList<TextContrast>> m_measured;
    int m_measuredShots = 0;
    int m_missedShots = 0;
};

// The pictures render_settings writes, one group per file of this folder: each registers
// its group once, at start-up, by name, and draws it for whatever scheme the context is in.
// A later pane adds its states as a new file with one registration, touching no other.
class SettingsRenderStates
{
public:
    using Renderer = std::function<bool(SettingsRenderContext &context)>;

    struct Registration
    {
        Registration(const char *name, Renderer renderer);
    };

    // By name, so the order of the output never depends on the link order.
    static const std::map<QString, Renderer> &all();

private:
    static std::map<QString, Renderer> &registry();
};
