#include "onboarding/OnboardingPage.h"

#include "onboarding/OnboardingCard.h"
#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/GroupingAccessible.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int headingGap = 6;
constexpr int rowInset = 50;
constexpr int cardSpacing = 16;

} // namespace

OnboardingPage::OnboardingPage(QWidget *parent)
    : QWidget(parent)
    , m_column(new QVBoxLayout(this))
{
    GroupingAccessible::install<OnboardingPage>();
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
}

void OnboardingPage::addFlexibleSpace(int minimum)
{
    m_column->addSpacerItem(new QSpacerItem(0, minimum, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

QWidget *OnboardingPage::entryControl() const
{
    const QList<QWidget *> order = focusOrder();
    if (order.isEmpty())
        return nullptr;
    const QWidget *group = order.constFirst()->parentWidget();
    for (QWidget *widget : order) {
        const auto *choice = qobject_cast<QAbstractButton *>(widget);
        if (widget->parentWidget() == group && choice && choice->isCheckable() && choice->isChecked())
            return widget;
    }
    return order.constFirst();
}

void OnboardingPage::addHeading(const QString &title, const QString &subtitle)
{
    setAccessibleName(title);
    setAccessibleDescription(subtitle);
    auto *titleLabel = new SchemeLabel(title, SettingsFont::font(30, QFont::Bold, -0.5),
                                       OnboardingPalette::primaryText(false),
                                       OnboardingPalette::primaryText(true), this);
    titleLabel->setAlignment(Qt::AlignHCenter);
    m_column->addWidget(titleLabel);
    m_column->addSpacing(headingGap);
    auto *subtitleLabel = new SchemeLabel(subtitle, SettingsFont::font(14),
                                          OnboardingPalette::secondaryText(false),
                                          OnboardingPalette::secondaryText(true), this);
    subtitleLabel->setAlignment(Qt::AlignHCenter);
    subtitleLabel->setWordWrap(true);
    subtitleLabel->setContentsMargins(rowInset, 0, rowInset, 0);
    m_column->addWidget(subtitleLabel);
}

void OnboardingPage::addCardRow(QWidget *left, QWidget *right, Qt::Alignment alignment)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(rowInset, 0, rowInset, 0);
    row->setSpacing(cardSpacing);
    row->addWidget(left, 1, alignment);
    row->addWidget(right, 1, alignment);
    m_column->addLayout(row);
}

void OnboardingPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (OnboardingCard *card : findChildren<OnboardingCard *>()) {
        if (card->isVisible())
            card->paintShadow(painter, card->mapTo(this, QPoint(0, 0)));
    }
}
