#include "settings_ui/components/BreaksSettingRow.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

BreaksSettingRow::BreaksSettingRow(QWidget *leading, const QString &title, const QString &subtitle,
                                   QWidget *trailing, const QMargins &margins,
                                   QFont::Weight titleWeight, QWidget *parent)
    : QWidget(parent)
    , m_title(PaneLabels::primary(title, 13, titleWeight))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(margins);
    row->setSpacing(10);
    if (leading)
        row->addWidget(leading, 0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(m_title);
    if (!subtitle.isEmpty()) {
        m_subtitle = PaneLabels::secondary(subtitle, 11);
        texts->addWidget(m_subtitle);
    }
    row->addLayout(texts, 1);
    if (trailing)
        row->addWidget(trailing, 0, Qt::AlignVCenter);
}
