// The Breaks pane in the window: its main page under each enforcement mode, the working
// hours and long breaks with their switch on and off, the scheduled breaks empty and with
// rows (one outside the working hours, one switched off, one under the pointer), and the
// planned-break sheets: the add sheet fresh, after a failed save with both errors, after one
// with the name error beside the working-hours tip, and the edit sheet. Pages taller than the window are drawn a second
// time scrolled to their end ("-end").

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/panes/breaks/EditPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/PlannedBreakListView.h"
#include "settings_ui/panes/breaks/PlannedBreakSheet.h"
#include "settings_ui/panes/breaks/PlannedBreaksDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/breaks/WallClockTimeEdit.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "support/SettingsWindowRig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

ScreenBreaksDetailView *pane(ContentView &view)
{
    return qobject_cast<ScreenBreaksDetailView *>(view.detail()->pane());
}

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void scrollToEnd(ContentView &view)
{
    settle();
    QScrollBar *bar = view.detail()->verticalScrollBar();
    bar->setValue(bar->maximum());
}

bool isScrollable(ContentView &view)
{
    settle();
    return view.detail()->verticalScrollBar()->maximum() > 0;
}

// The page as it opens, and again at its end when it does not fit the window.
bool saveWindow(SettingsRenderContext &context, const QString &name,
                const SettingsRenderContext::Preparation &prepare)
{
    bool scrollable = false;
    bool written = context.save(name, context.window(SidebarSection::breaks,
                                                     [&](SettingsWindowRig &rig, ContentView &view) {
                                                         prepare(rig, view);
                                                         scrollable = isScrollable(view);
                                                     }));
    if (scrollable) {
        written &= context.save(name + QStringLiteral("-end"),
                                context.window(SidebarSection::breaks,
                                               [&](SettingsWindowRig &rig, ContentView &view) {
                                                   prepare(rig, view);
                                                   scrollToEnd(view);
                                               }));
    }
    return written;
}

bool renderMainPage(SettingsRenderContext &context)
{
    bool written = true;
    for (const auto &[mode, file] : {std::pair{"Casual", "casual"}, {"Balanced", "balanced"}, {"Hardcore", "hardcore"}}) {
        written &= saveWindow(context, QStringLiteral("breaks-main-") + QLatin1String(file),
                              [mode](SettingsWindowRig &rig, ContentView &) {
                                  rig.settings.setEnforcement(QLatin1String(mode));
                                  rig.settings.setSkipsPerDay(3);
                                  rig.settings.setSnoozesPerDay(5);
                                  rig.settings.setOfficeHoursEnabled(true);
                              });
    }
    return written;
}

bool renderSubpages(SettingsRenderContext &context)
{
    bool written = true;
    for (const bool on : {true, false}) {
        const QString state = on ? QStringLiteral("-on") : QStringLiteral("-off");
        written &= saveWindow(context, QStringLiteral("breaks-working-hours") + state,
                              [on](SettingsWindowRig &rig, ContentView &view) {
                                  rig.settings.setOfficeHoursEnabled(on);
                                  pane(view)->setSubpage(ScreenBreaksSubpage::officeHours);
                              });
        written &= saveWindow(context, QStringLiteral("breaks-long-breaks") + state,
                              [on](SettingsWindowRig &rig, ContentView &view) {
                                  rig.settings.setLongBreaksEnabled(on);
                                  rig.settings.setLongBreakResume(QStringLiteral("confirm"));
                                  pane(view)->setSubpage(ScreenBreaksSubpage::longBreaks);
                              });
    }
    return written;
}

PlannedBreak planned(const QString &name, const QString &icon, QTime at, qint64 seconds,
                     QList<bool> days, bool enabled = true)
{
    PlannedBreak entry;
    entry.name = name;
    entry.emoji = icon;
    entry.hour = at.hour();
    entry.minute = at.minute();
    entry.durationSeconds = seconds;
    entry.days = std::move(days);
    entry.enabled = enabled;
    return entry;
}

const QList<bool> weekdays = {true, true, true, true, true, false, false};

// Office hours on (the default week, 09:00 to 18:00 on weekdays) and four breaks: one in
// the evening, outside them, one switched off, one with a name too long for its row.
void fillPlannedBreaks(SettingsWindowRig &rig)
{
    rig.settings.setOfficeHoursEnabled(true);
    PlannedBreakScheduler &scheduler = rig.timer.plannedBreaks;
    scheduler.add(planned(QStringLiteral("Lunch"), QStringLiteral("fork.knife"), QTime(12, 30), 1800, weekdays));
    scheduler.add(planned(QStringLiteral("Evening walk"), QStringLiteral("figure.walk"), QTime(19, 0), 900, weekdays));
    scheduler.add(planned(QStringLiteral("Stretch"), QStringLiteral("figure.mind.and.body"), QTime(15, 0), 300,
                          {true, false, true, false, true, false, false}, false));
    scheduler.add(planned(QStringLiteral("Coffee with the whole design team in the kitchen upstairs"),
                          QStringLiteral("cup.and.saucer.fill"), QTime(10, 30), 600,
                          {true, true, true, true, true, true, true}));
}

PlannedBreaksDetailView *openScheduledBreaks(ContentView &view)
{
    pane(view)->setSubpage(ScreenBreaksSubpage::scheduledBreaks);
    settle();
    return view.findChild<PlannedBreaksDetailView *>();
}

void hoverRow(PlannedBreakListView *list, int row)
{
    const QPoint centre = list->rowRect(row).center();
    QMouseEvent move(QEvent::MouseMove, centre, list->viewport()->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

bool renderScheduledBreaks(SettingsRenderContext &context)
{
    bool written = saveWindow(context, QStringLiteral("breaks-scheduled-empty"),
                              [](SettingsWindowRig &, ContentView &view) { openScheduledBreaks(view); });
    written &= saveWindow(context, QStringLiteral("breaks-scheduled-rows"),
                          [](SettingsWindowRig &rig, ContentView &view) {
                              fillPlannedBreaks(rig);
                              hoverRow(openScheduledBreaks(view)->list(), 2);
                          });
    return written;
}

QImage renderSheet(PlannedBreakSheet *sheet, qreal scale)
{
    settle();
    QImage image(sheet->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    sheet->render(&image);
    return image;
}

// Draws the sheet `open` shows once `prepare` has run on it.
QImage sheetImage(SettingsRenderContext &context,
                  const std::function<PlannedBreakSheet *(SettingsWindowRig &, PlannedBreaksDetailView *)> &open)
{
    QImage image;
    context.window(SidebarSection::breaks, [&](SettingsWindowRig &rig, ContentView &view) {
        fillPlannedBreaks(rig);
        PlannedBreakSheet *sheet = open(rig, openScheduledBreaks(view));
        image = renderSheet(sheet, context.scale());
        sheet->reject();
    });
    return image;
}

bool renderSheets(SettingsRenderContext &context)
{
    bool written = context.save(QStringLiteral("breaks-sheet-add"),
                                sheetImage(context, [](SettingsWindowRig &, PlannedBreaksDetailView *planned) {
                                    planned->showAdd();
                                    return planned->sheet();
                                }));
    written &= context.save(QStringLiteral("breaks-sheet-add-errors"),
                            sheetImage(context, [](SettingsWindowRig &, PlannedBreaksDetailView *planned) {
                                planned->showAdd();
                                PlannedBreakSheet *sheet = planned->sheet();
                                // No name and no day: both errors at once.
                                for (int day = 0; day < 5; ++day)
                                    sheet->findChild<QAbstractButton *>(QStringLiteral("day.%1").arg(day))->click();
                                sheet->save();
                                return sheet;
                            }));
    written &= context.save(QStringLiteral("breaks-sheet-add-tip"),
                            sheetImage(context, [](SettingsWindowRig &, PlannedBreaksDetailView *planned) {
                                planned->showAdd();
                                PlannedBreakSheet *sheet = planned->sheet();
                                // An evening break on weekdays, outside the working hours, and no name.
                                sheet->findChild<WallClockTimeEdit *>(QStringLiteral("time"))->setTime(QTime(20, 0));
                                sheet->save();
                                return sheet;
                            }));
    written &= context.save(QStringLiteral("breaks-sheet-edit"),
                            sheetImage(context, [](SettingsWindowRig &rig, PlannedBreaksDetailView *planned) {
                                planned->showEdit(rig.timer.plannedBreaks.breaks().at(2));
                                return planned->sheet();
                            }));
    return written;
}

bool renderBreaks(SettingsRenderContext &context)
{
    return renderMainPage(context) && renderSubpages(context) && renderScheduledBreaks(context)
           && renderSheets(context);
}

const SettingsRenderStates::Registration breaks("breaks", renderBreaks);

} // namespace
