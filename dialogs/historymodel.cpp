#include "historymodel.h"

#include "historytext.h"

#include <algorithm>
#include <limits>

namespace {

using SortKey = std::array<std::int64_t, kSlotCount>;

template <typename T> std::int64_t keyOf(const std::optional<T>& value) {
    return value ? static_cast<std::int64_t>(*value) : std::numeric_limits<std::int64_t>::min();
}

// Unknown values sort below every known one; the numbers sort as a list, largest first.
SortKey sortKey(const RoundRecord& r, int column) {
    switch (column) {
    case HistoryModel::Numbers:
        return {r.numbers[0], r.numbers[1], r.numbers[2], r.numbers[3], r.numbers[4], r.numbers[5]};
    case HistoryModel::Target:
        return {r.target};
    case HistoryModel::Best:
        return {keyOf(r.best)};
    case HistoryModel::Distance:
        return {keyOf(r.distance)};
    case HistoryModel::Points:
        return {r.points};
    case HistoryModel::Exact:
        return {keyOf(r.exactCount)};
    case HistoryModel::Nearest:
        return {keyOf(r.nearest)};
    case HistoryModel::Seconds:
        return {r.secondsUsed, r.roundSeconds};
    case HistoryModel::ByHand:
        return {r.manual ? 1 : 0};
    default:
        return {r.playedAt, r.id};
    }
}

} // namespace

HistoryModel::HistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryModel::setRounds(std::vector<RoundRecord> rounds) {
    beginResetModel();
    m_rounds = std::move(rounds);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rounds.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == ByHand)
            return QVariant(Qt::AlignCenter);
        return index.column() <= Numbers ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    const RoundRecord& r = m_rounds[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case Played:
        return playedText(r);
    case Numbers:
        return numbersText(r);
    case Target:
        return QString::number(r.target);
    case Best:
        return optionalText(r.best, {});
    case Distance:
        return optionalText(r.distance, {});
    case Points:
        return QString::number(r.points);
    case Exact:
        return optionalText(r.exactCount, {});
    case Nearest:
        return optionalText(r.nearest, {});
    case Seconds:
        return tr("%1/%2").arg(r.secondsUsed).arg(r.roundSeconds);
    case ByHand:
        return r.manual ? tr("yes") : QString();
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    // Short captions keep every column in sight on a small screen; the tips say the rest.
    const char* const captions[kColumnCount][2] = {
        {QT_TR_NOOP("Played"), QT_TR_NOOP("When the round was played")},
        {QT_TR_NOOP("Numbers"), QT_TR_NOOP("The six numbers, largest first")},
        {QT_TR_NOOP("Target"), QT_TR_NOOP("The target")},
        {QT_TR_NOOP("Best"), QT_TR_NOOP("Your checked result nearest the target")},
        {QT_TR_NOOP("Off by"), QT_TR_NOOP("How far your best result was from the target")},
        {QT_TR_NOOP("Points"),
         QT_TR_NOOP("10 for exact, fewer the further off, none from 10 away")},
        {QT_TR_NOOP("Exact"), QT_TR_NOOP("How many answers reach the target")},
        {QT_TR_NOOP("Nearest"), QT_TR_NOOP("The nearest value the six numbers reach")},
        {QT_TR_NOOP("Time"), QT_TR_NOOP("Seconds used of the round's length")},
        {QT_TR_NOOP("By hand"),
         QT_TR_NOOP("Set by hand in the manual set-up; not counted in the totals")},
    };
    return tr(captions[section][role == Qt::ToolTipRole ? 1 : 0]);
}

void HistoryModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount)
        return;
    beginResetModel(); // the selection goes with the old order
    std::sort(m_rounds.begin(), m_rounds.end(),
              [column, order](const RoundRecord& a, const RoundRecord& b) {
                  const SortKey ka = sortKey(a, column);
                  const SortKey kb = sortKey(b, column);
                  if (ka != kb)
                      return order == Qt::AscendingOrder ? ka < kb : kb < ka;
                  return std::pair(a.playedAt, a.id) > std::pair(b.playedAt, b.id);
              });
    endResetModel();
}
