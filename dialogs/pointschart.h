#pragma once

#include "roundrecord.h"

#include <QWidget>
#include <vector>

inline constexpr int kChartRounds = 100;
inline constexpr int kAverageRounds = 10;

// Points of the `count` newest rounds played against the clock, oldest first, from rounds
// given newest first.
std::vector<int> RecentPoints(const std::vector<RoundRecord>& newestFirst, int count);
// At each position, the mean of the `window` values that end there (fewer at the start).
std::vector<double> MovingAverage(const std::vector<int>& values, int window);

// Points per round as bars, oldest on the left, with their moving average as a line, drawn in
// the round clock's colours: a white plot on light blue, a grey border, yellow-to-olive bars
// and a black line.
class PointsChart : public QWidget {
    Q_OBJECT

public:
    explicit PointsChart(QWidget* parent = nullptr);

    void setPoints(std::vector<int> points);
    const std::vector<int>& points() const { return m_points; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> m_points;
};
