#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/components/WindowTheme.h"
#include "support/BreakScreenRig.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// What a themed window opens in windows of their own (a picker's drop-down list, a context
// menu, a tool tip) and its scroll bars are drawn in the window's scheme, and follow it there
// and back.

namespace {

struct ThemedWindow
{
    ThemedWindow()
        : theme(store, nullptr)
    {
        auto *layout = new QVBoxLayout(&root);
        picker = new ValueComboBox(ValueComboBox::numbered({10, 20, 30}, " min", 60), 120);
        field = new QLineEdit;
        area = new QScrollArea;
        auto *tall = new QWidget;
        tall->setMinimumHeight(2000);
        area->setWidget(tall);
        area->setFixedHeight(120);
        layout->addWidget(picker);
        layout->addWidget(field);
        layout->addWidget(area);
        new WindowTheme(&root, theme);
        root.resize(300, 300);
        root.show();
        QApplication::processEvents();
    }

    ~ThemedWindow() { BreakScreenRig::flushDeletions(); }

    void setScheme(ColorScheme scheme)
    {
        theme.setAppTheme(scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
        QApplication::processEvents();
    }

    // The context menu the field opens, as a right click asks for it.
    QMenu *contextMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(widget); menu && menu->isVisible())
                return menu;
        }
        return nullptr;
    }

    InMemorySettingsRepository store;
    ThemeManager theme;
    QWidget root;
    ValueComboBox *picker;
    QLineEdit *field;
    QScrollArea *area;
};

// Which scheme a window looks drawn in: dark when most of its pixels are.
ColorScheme drawnScheme(QWidget *window)
{
    const QImage image = window->grab().toImage();
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += image.pixelColor(x, y).lightness() < 128;
    return dark * 2 > qint64(image.width()) * image.height() ? ColorScheme::dark : ColorScheme::light;
}

const char *name(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? "dark" : "light";
}

} // namespace

TEST(WindowThemePopupsTest, DropDownListsContextMenusScrollBarsAndTipsFollowTheScheme)
{
    ThemedWindow window;
    // Dark, back to light, and dark again over popups made in an earlier scheme.
    for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light, ColorScheme::dark}) {
        SCOPED_TRACE(name(scheme));
        window.setScheme(scheme);

        window.picker->showPopup();
        QAbstractItemView *list = window.picker->view();
        ASSERT_TRUE(list->isVisible());
        EXPECT_EQ(drawnScheme(list->window()), scheme);
        window.picker->hidePopup();

        QMenu *menu = window.contextMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(drawnScheme(menu), scheme);
        menu->close();

        ASSERT_TRUE(window.area->verticalScrollBar()->isVisible());
        EXPECT_EQ(drawnScheme(window.area->verticalScrollBar()), scheme);

        const QPalette expected = SettingsPalette::palette(scheme);
        EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), expected.color(QPalette::ToolTipBase));
        EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), expected.color(QPalette::ToolTipText));
    }
}

TEST(WindowThemePopupsTest, MenusKeepTheSchemeWhenTheDesktopsPaletteChanges)
{
    ThemedWindow window;
    window.setScheme(ColorScheme::dark);
    const QPalette desktop = QApplication::palette();
    QPalette changed = desktop;
    changed.setColor(QPalette::Highlight, Qt::magenta);
    QApplication::setPalette(changed);
    QApplication::processEvents();
    QMenu *menu = window.contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(drawnScheme(menu), ColorScheme::dark);
    menu->close();
    QApplication::setPalette(desktop);
}
