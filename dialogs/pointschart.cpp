#include "pointschart.h"

#include "points.h"
#include "roundclockdesign.h"
#include "systemcolors.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <string_view>

namespace {

// A colour of the round clock's design; a name the design lacks does not compile.
consteval ColorValue clockColor(std::string_view name) {
    for (const StoredProperty& p : kRoundClockDesign) {
        if (p.name == name)
            return static_cast<ColorValue>(p.value);
    }
    throw "the round clock's design has no such colour";
}

const QColor kBack = systemcolors::toQColor(clockColor("BackColor"));
const QColor kPlot = systemcolors::toQColor(clockColor("CircleColor"));
const QColor kBorder = systemcolors::toQColor(clockColor("BorderColor"));
const QColor kGrid = systemcolors::toQColor(clockColor("TickColor"));
const QColor kLow = systemcolors::toQColor(clockColor("StartColor"));
const QColor kHigh = systemcolors::toQColor(clockColor("EndColor"));
const QColor kLine = systemcolors::toQColor(clockColor("NeedleColor"));
// The seconds' shadow: readable on light blue.
const QColor kText = systemcolors::toQColor(clockColor("TextShadowColor"));

} // namespace

std::vector<int> RecentPoints(const std::vector<RoundRecord>& newestFirst, int count) {
    std::vector<int> points;
    for (const RoundRecord& r : newestFirst) {
        if (static_cast<int>(points.size()) >= count)
            break;
        if (!r.manual)
            points.push_back(r.points);
    }
    std::reverse(points.begin(), points.end());
    return points;
}

std::vector<double> MovingAverage(const std::vector<int>& values, int window) {
    std::vector<double> averages;
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (window > 0 && i >= static_cast<std::size_t>(window))
            sum -= values[i - static_cast<std::size_t>(window)];
        const std::size_t n =
            window > 0 ? std::min(i + 1, static_cast<std::size_t>(window)) : i + 1;
        averages.push_back(sum / static_cast<double>(n));
    }
    return averages;
}

PointsChart::PointsChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Points per round"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PointsChart::setPoints(std::vector<int> points) {
    m_points = std::move(points);
    const std::vector<double> average = MovingAverage(m_points, kAverageRounds);
    setAccessibleDescription(m_points.empty()
                                 ? tr("No rounds yet")
                                 : tr("Rounds shown: %1. The last ten average %2 points.")
                                       .arg(m_points.size())
                                       .arg(average.back(), 0, 'f', 1));
    update();
}

QSize PointsChart::sizeHint() const {
    return {480, 150};
}

QSize PointsChart::minimumSizeHint() const {
    return {240, 110};
}

void PointsChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(kBorder, 3));
    p.setBrush(kBack);
    p.drawRoundedRect(frame, 10, 10);

    const QFontMetrics fm(font());
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(kText);
    const QRectF titleBox = frame.adjusted(12, 6, -12, 0);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop,
               tr("Points per round, the last %1, and their average over ten").arg(kChartRounds));
    p.setFont(font());

    const double axis = fm.horizontalAdvance(QStringLiteral("10")) + 8;
    const QRectF plot =
        frame.adjusted(12 + axis, 6 + QFontMetrics(bold).height() + fm.height() / 2.0 + 4, -12,
                       -6 - fm.height() / 2.0);
    p.setPen(QPen(kBorder, 1));
    p.setBrush(kPlot);
    p.drawRect(plot);
    for (const int level : {0, kMostPoints / 2, kMostPoints}) {
        const double y = plot.bottom() - plot.height() * level / kMostPoints;
        p.setPen(QPen(kGrid, 1, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(frame.left() + 8, y - fm.height() / 2.0, axis - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(level));
    }
    if (m_points.empty()) {
        p.drawText(plot, Qt::AlignCenter, tr("No rounds yet"));
        return;
    }

    const double slot = plot.width() / std::max<int>(static_cast<int>(m_points.size()), 10);
    const auto yOf = [&](double points) {
        return plot.bottom() -
               plot.height() * std::clamp(points, 0.0, double(kMostPoints)) / kMostPoints;
    };
    QLinearGradient bars(plot.bottomLeft(), plot.topLeft());
    bars.setColorAt(0, kLow);
    bars.setColorAt(1, kHigh);
    p.setPen(Qt::NoPen);
    p.setBrush(bars);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const double x = plot.left() + slot * static_cast<double>(i);
        p.drawRect(QRectF(QPointF(x + slot * 0.15, yOf(m_points[i])),
                          QPointF(x + slot * 0.85, plot.bottom())));
    }
    const std::vector<double> average = MovingAverage(m_points, kAverageRounds);
    QPainterPath line;
    for (std::size_t i = 0; i < average.size(); ++i) {
        const QPointF at(plot.left() + slot * (static_cast<double>(i) + 0.5), yOf(average[i]));
        i == 0 ? line.moveTo(at) : line.lineTo(at);
    }
    p.setPen(QPen(kLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}
