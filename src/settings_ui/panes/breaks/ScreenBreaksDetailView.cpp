#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"

#include "core/AppNotifier.h"
#include "settings_ui/components/FadeStack.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/ScrollToFocus.h"
#include "settings_ui/components/TileButton.h"
#include "settings_ui/panes/breaks/LongBreaksView.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"
#include "settings_ui/panes/breaks/OfficeHoursView.h"
#include "settings_ui/panes/breaks/PlannedBreaksDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksMainView.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

ScreenBreaksDetailView::ScreenBreaksDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_stack(new FadeStack(this))
{
    setObjectName(QStringLiteral("breaks"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // A page's own layout changes reach the stack, which has no layout to pass them on.
    m_stack->installEventFilter(this);
    m_stack->setPage(makePage(m_subpage), MotionCurve::easeOut(pageFadeSeconds));
    connect(&m_services.notifier, &AppNotifier::navigateToBreaksMain, this,
            [this] { setSubpage(ScreenBreaksSubpage::main); });
    // Back as a desktop's settings pages go back: Escape, Alt+Left or the Back key, wherever
    // the keyboard is in the pane.
    m_back = new QShortcut(this);
    m_back->setKeys({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::AltModifier | Qt::Key_Left),
                     QKeySequence(Qt::Key_Back)});
    m_back->setContext(Qt::WidgetWithChildrenShortcut);
    m_back->setEnabled(false);
    connect(m_back, &QShortcut::activated, this, [this] { showSubpage(ScreenBreaksSubpage::main, true); });
}

QWidget *ScreenBreaksDetailView::make(const ContentServices &services)
{
    return new ScreenBreaksDetailView(services);
}

QWidget *ScreenBreaksDetailView::page() const
{
    return m_stack->page();
}

void ScreenBreaksDetailView::setSubpage(ScreenBreaksSubpage subpage)
{
    showSubpage(subpage, false);
}

void ScreenBreaksDetailView::showSubpage(ScreenBreaksSubpage subpage, bool byKeyboard)
{
    if (subpage == m_subpage)
        return;
    const ScreenBreaksSubpage from = std::exchange(m_subpage, subpage);
    QWidget *focused = QApplication::focusWidget();
    const bool focusLeaves = focused && page() && page()->isAncestorOf(focused);
    if (auto *button = qobject_cast<TileButton *>(focused); button && button->showsFocusRing())
        byKeyboard = true;
    // Let go before the page hides: a focused widget that hides hands the focus on along the
    // window's chain, to whatever comes next (the sidebar), with a keyboard's ring.
    if (focusLeaves)
        focused->clearFocus();
    QWidget *next = makePage(subpage);
    // The fade shows both pages at one size, and resizing the stack would end it: the stack
    // takes the taller page's height now, and the pane fits the new page as it settles.
    m_stack->resize(width(), std::max(m_stack->height(), pageHeight(next, width())));
    m_stack->setPage(next, MotionCurve::easeOut(pageFadeSeconds));
    m_back->setEnabled(subpage != ScreenBreaksSubpage::main);
    updateGeometry();
    if (focusLeaves) {
        if (QWidget *target = focusTarget(next, from)) {
            target->setFocus(byKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
            ScrollToFocus::reveal(target);
        }
    }
    emit subpageChanged(subpage);
}

QWidget *ScreenBreaksDetailView::focusTarget(QWidget *page, ScreenBreaksSubpage from)
{
    if (auto *main = qobject_cast<ScreenBreaksMainView *>(page))
        return main->row(from);
    // A sub-page: its first stop along the Tab chain, its back button.
    for (QWidget *widget = page->nextInFocusChain(); widget != page; widget = widget->nextInFocusChain()) {
        if (!page->isAncestorOf(widget))
            break;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

QWidget *ScreenBreaksDetailView::makePage(ScreenBreaksSubpage subpage)
{
    const ScreenBreaksNavigation navigate = [this](ScreenBreaksSubpage to) { setSubpage(to); };
    switch (subpage) {
    case ScreenBreaksSubpage::main:
        return new ScreenBreaksMainView(m_services, navigate);
    case ScreenBreaksSubpage::officeHours:
        return new OfficeHoursView(m_services, navigate);
    case ScreenBreaksSubpage::longBreaks:
        return new LongBreaksView(m_services, navigate);
    case ScreenBreaksSubpage::scheduledBreaks:
        return makeScheduledBreaksPage();
    }
    return nullptr;
}

QWidget *ScreenBreaksDetailView::makeScheduledBreaksPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("breaks.scheduledBreaksPage"));
    auto *stack = new QVBoxLayout(page);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);
    stack->addWidget(PaneLabels::pageHeader(QStringLiteral("Scheduled Breaks"),
                                              [this] { setSubpage(ScreenBreaksSubpage::main); }));
    stack->addWidget(new PlannedBreaksDetailView(m_services));
    stack->addStretch(1);
    return page;
}

int ScreenBreaksDetailView::pageHeight(const QWidget *page, int width)
{
    if (!page)
        return 0;
    const int height = page->hasHeightForWidth() ? page->heightForWidth(width) : page->sizeHint().height();
    return std::max(height, page->minimumSizeHint().height());
}

int ScreenBreaksDetailView::heightForWidth(int width) const
{
    return pageHeight(page(), width);
}

QSize ScreenBreaksDetailView::sizeHint() const
{
    const int hintWidth = page() ? page()->sizeHint().width() : 0;
    return {hintWidth, heightForWidth(width() > 0 ? width() : hintWidth)};
}

QSize ScreenBreaksDetailView::minimumSizeHint() const
{
    const int minimumWidth = page() ? page()->minimumSizeHint().width() : 0;
    return {minimumWidth, heightForWidth(std::max(width(), minimumWidth))};
}

void ScreenBreaksDetailView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A fade keeps its size unless the pane outgrows it; a page taller than the pane after a
    // fade is only clipped, and fitted at the next resize.
    if (m_stack->isFading() && m_stack->width() == width() && m_stack->height() >= height())
        return;
    m_stack->setGeometry(rect());
}

bool ScreenBreaksDetailView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_stack && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QWidget::eventFilter(watched, event);
}
