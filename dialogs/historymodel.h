#pragma once

#include "roundrecord.h"

#include <QAbstractTableModel>
#include <vector>

// The history window's table: one row per round, sortable by any column (ties newest first).
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Played,
        Numbers,
        Target,
        Best,
        Distance,
        Points,
        Exact,
        Nearest,
        Seconds,
        ByHand
    };
    static constexpr int kColumnCount = ByHand + 1;

    explicit HistoryModel(QObject* parent = nullptr);

    // Shown in the order given until sort() is called.
    void setRounds(std::vector<RoundRecord> rounds);
    const std::vector<RoundRecord>& rounds() const { return m_rounds; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::vector<RoundRecord> m_rounds;
};
