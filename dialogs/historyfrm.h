#pragma once

#include <QDialog>
#include <array>
#include <functional>

class HistoryModel;
class HistoryStore;
class PointsChart;
class QLabel;
class QPushButton;
class QTableView;

// The modal history window: the totals, a chart of the points of the last hundred rounds, and
// every round in a sortable table, newest first. "Export CSV..." writes the rounds to a file the
// player chooses; "Clear history..." deletes them once the player agrees. When the history is
// off, the window says why and offers nothing to change.
class HistoryFrm : public QDialog {
    Q_OBJECT

public:
    // The questions the window asks; tests answer them without a modal loop.
    struct Prompts {
        std::function<QString(QWidget* parent)> exportFile; // empty: cancelled
        std::function<bool(QWidget* parent)> confirmClear;
    };

    explicit HistoryFrm(HistoryStore& store, QWidget* parent = nullptr, Prompts prompts = {});

    const HistoryModel& model() const { return *m_model; }
    const PointsChart& chart() const { return *m_chart; }
    // The totals as shown, in order: rounds, exact hits, average distance, points, best
    // streak, best day.
    QStringList totalsShown() const;

    void exportCsv();
    void clearHistory();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void reload();

    HistoryStore& m_store;
    Prompts m_prompts;
    HistoryModel* m_model = nullptr;
    PointsChart* m_chart = nullptr;
    QTableView* m_table = nullptr;
    std::array<QLabel*, 6> m_totals{};
    QLabel* m_problem = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_clear = nullptr;
};
