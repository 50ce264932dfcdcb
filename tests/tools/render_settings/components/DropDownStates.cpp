// A picker's drop-down list open over the window's ground, as it opens in each scheme: the
// list is a window of its own, drawn here over the picture of the window below it.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/ValueComboBox.h"
#include "support/RenderTool.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int sheetWidth = 420;
// Room around the picker for the list, which opens with the chosen option over the picker.
constexpr int roomAbove = 90;
constexpr int roomBelow = 140;

QWidget *pickerSheet(ValueComboBox *picker)
{
    auto *sheet = new QWidget;
    auto *column = new QVBoxLayout(sheet);
    column->setContentsMargins(24, roomAbove, 24, roomBelow);
    auto *card = new SettingCard;
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->addWidget(PaneLabels::primary(QStringLiteral("Break every"), 13), 1);
    layout->addWidget(picker, 0, Qt::AlignVCenter);
    card->addRow(row);
    column->addWidget(card);
    return sheet;
}

bool renderDropDown(SettingsRenderContext &context)
{
    auto *picker = new ValueComboBox(ValueComboBox::numbered({10, 15, 20, 25, 30, 45, 60}, QStringLiteral(" min"), 60),
                                     110);
    picker->setValue(20 * 60);
    QWidget *sheet = pickerSheet(picker);
    QImage list;
    QPoint listAt;
    QImage picture = context.sheet(sheet, sheetWidth, [&] {
        picker->showPopup();
        QWidget *popup = picker->view()->window();
        list = renderWidget(*popup, context.scale());
        listAt = popup->mapToGlobal(QPoint()) - sheet->window()->mapToGlobal(QPoint());
        picker->hidePopup();
    });
    if (!list.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(listAt, list);
    }
    return context.save(QStringLiteral("components-dropdown-open"), picture);
}

const SettingsRenderStates::Registration dropDown("components-dropdown-open", renderDropDown);

} // namespace
