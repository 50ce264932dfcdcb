#include "settings_ui/panes/breaks/PlannedBreakListModel.h"

#include "core/AppSettings.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "settings_ui/panes/breaks/WorkingHoursWarning.h"

#include <QSet>

namespace {

const QString warningText = QStringLiteral("This break is outside working hours and will not be shown.");

} // namespace

PlannedBreakListModel::PlannedBreakListModel(PlannedBreakScheduler &scheduler, AppSettings &settings,
                                             QObject *parent)
    : QAbstractListModel(parent)
    , m_scheduler(scheduler)
    , m_settings(settings)
{
    readWorkingWeek();
    for (const PlannedBreak &planned : m_scheduler.breaks())
        m_rows.append({planned, outside(planned)});
    connect(&m_scheduler, &PlannedBreakScheduler::breaksChanged, this, &PlannedBreakListModel::refresh);
    connect(&m_settings, &AppSettings::officeHoursEnabledChanged, this,
            &PlannedBreakListModel::reevaluateWarnings);
    // The week itself is not observed, only its saves.
    connect(&m_settings, &AppSettings::officeHoursSettingsAssigned, this,
            &PlannedBreakListModel::reevaluateWarnings);
}

int PlannedBreakListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant PlannedBreakListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return row.planned.name;
    case Qt::AccessibleTextRole:
        return row.planned.name + QStringLiteral(", ") + row.planned.formattedTime() + QStringLiteral(", ")
               + summary(row.planned);
    case Qt::AccessibleDescriptionRole:
        return row.outside ? warningText : QString();
    case Qt::CheckStateRole:
        return row.planned.enabled ? Qt::Checked : Qt::Unchecked;
    case BreakRole:
        return QVariant::fromValue(row.planned);
    case OutsideWorkingHoursRole:
        return row.outside;
    case SummaryRole:
        return summary(row.planned);
    default:
        return {};
    }
}

Qt::ItemFlags PlannedBreakListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
}

int PlannedBreakListModel::rowOf(const QUuid &id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].planned.id == id)
            return row;
    }
    return -1;
}

QString PlannedBreakListModel::summary(const PlannedBreak &planned)
{
    return planned.daysSummary() + QStringLiteral(" · ") + QString::number(planned.durationSeconds / 60)
           + QStringLiteral(" min");
}

void PlannedBreakListModel::readWorkingWeek()
{
    m_officeHoursEnabled = m_settings.officeHoursEnabled();
    m_schedule = m_officeHoursEnabled ? m_settings.loadOfficeHoursSchedule() : QVariantList();
}

bool PlannedBreakListModel::outside(const PlannedBreak &planned) const
{
    return WorkingHoursWarning::isOutsideWorkingHours(planned.hour, planned.minute, planned.days,
                                                      m_officeHoursEnabled, m_schedule);
}

void PlannedBreakListModel::refresh()
{
    const QList<PlannedBreak> &breaks = m_scheduler.breaks();
    readWorkingWeek();
    removeGoneRows(breaks);
    insertNewRows(breaks);
    // The scheduler never reorders; should the ids still stand in another order, the rows
    // are laid out afresh.
    bool sameOrder = m_rows.size() == breaks.size();
    for (int row = 0; sameOrder && row < m_rows.size(); ++row)
        sameOrder = m_rows[row].planned.id == breaks[row].id;
    if (!sameOrder) {
        beginResetModel();
        m_rows.clear();
        for (const PlannedBreak &planned : breaks)
            m_rows.append({planned, outside(planned)});
        endResetModel();
        return;
    }
    updateRows(breaks);
}

void PlannedBreakListModel::removeGoneRows(const QList<PlannedBreak> &breaks)
{
    QSet<QUuid> kept;
    for (const PlannedBreak &planned : breaks)
        kept.insert(planned.id);
    for (int row = int(m_rows.size()) - 1; row >= 0; --row) {
        if (kept.contains(m_rows[row].planned.id))
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
}

void PlannedBreakListModel::insertNewRows(const QList<PlannedBreak> &breaks)
{
    for (int position = 0; position < breaks.size(); ++position) {
        if (rowOf(breaks[position].id) >= 0)
            continue;
        const int row = std::min(position, int(m_rows.size()));
        beginInsertRows(QModelIndex(), row, row);
        m_rows.insert(row, {breaks[position], outside(breaks[position])});
        endInsertRows();
    }
}

void PlannedBreakListModel::updateRows(const QList<PlannedBreak> &breaks)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].planned == breaks[row])
            continue;
        m_rows[row] = {breaks[row], outside(breaks[row])};
        emit dataChanged(index(row), index(row));
    }
}

void PlannedBreakListModel::reevaluateWarnings()
{
    readWorkingWeek();
    for (int row = 0; row < m_rows.size(); ++row) {
        const bool now = outside(m_rows[row].planned);
        if (now == m_rows[row].outside)
            continue;
        m_rows[row].outside = now;
        emit dataChanged(index(row), index(row), {OutsideWorkingHoursRole, Qt::AccessibleDescriptionRole});
    }
}
