#include "historyfrm.h"
#include "historymodel.h"
#include "historystore.h"
#include "messageboxlog.h"
#include "pointschart.h"
#include "sampleround.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(HistoryModel, SortsByValueWithUnknownsLowAndTiesNewestFirst) {
    HistoryModel model;
    model.setRounds(
        {sampleRound(1, 950), sampleRound(2), sampleRound(3, 1000), sampleRound(4, 952, true)});
    // column, order, the rounds' times in the order shown
    const std::tuple<int, Qt::SortOrder, std::vector<std::int64_t>> rows[] = {
        {HistoryModel::Played, Qt::DescendingOrder, {4, 3, 2, 1}},
        {HistoryModel::Best, Qt::AscendingOrder, {2, 1, 4, 3}},
        {HistoryModel::Points, Qt::AscendingOrder, {3, 2, 1, 4}}, // 0, 0 newest first
        {HistoryModel::Distance, Qt::DescendingOrder, {3, 1, 4, 2}},
    };
    for (const auto& [column, order, shown] : rows) {
        model.sort(column, order);
        std::vector<std::int64_t> times;
        for (const RoundRecord& r : model.rounds())
            times.push_back(r.playedAt);
        EXPECT_EQ(times, shown) << "column " << column;
    }
    EXPECT_EQ(model.data(model.index(2, HistoryModel::Best)).toString(), QStringLiteral("952"));
    EXPECT_EQ(model.data(model.index(3, HistoryModel::Best)).toString(), QString());
}

TEST(PointsChart, AveragesTheLastTenAndLeavesRoundsSetByHandOut) {
    EXPECT_EQ(MovingAverage({10, 0, 5, 5}, 2), (std::vector<double>{10, 5, 2.5, 5}));
    EXPECT_EQ(RecentPoints({sampleRound(3, 952), sampleRound(2, 952, true), sampleRound(1, 951),
                            sampleRound(0, 950)},
                           2),
              (std::vector<int>{8, 10}));
}

class HistoryFrmTest : public testing::Test {
protected:
    QTemporaryDir dir;
    HistoryStore store{dir.path()};
    QString exportTo;
    bool agree = false;
    HistoryFrm::Prompts prompts{[this](QWidget*) { return exportTo; },
                                [this](QWidget*) { return agree; }};
    void SetUp() override {
        for (const RoundRecord& r : {sampleRound(1714564980, 952), sampleRound(1714565580, 950),
                                     sampleRound(1714566180, {}, true)})
            store.save(r);
    }
};

TEST_F(HistoryFrmTest, ShowsTheTotalsChartAndRoundsAndExportsThem) {
    HistoryFrm window(store, nullptr, prompts);
    EXPECT_EQ(window.totalsShown(), (QStringList{"2", "1", "1.0", "17", "1", "17"}));
    EXPECT_EQ(window.chart().points(), (std::vector<int>{10, 7}));
    ASSERT_EQ(window.model().rowCount(), 3);
    EXPECT_TRUE(window.model().rounds()[0].manual); // newest first

    exportTo = dir.filePath(QStringLiteral("rounds.csv"));
    window.exportCsv();
    QFile csv(exportTo);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // header, three rounds, nothing after the last line end
    EXPECT_EQ(lines[0], "played_at,numbers,target,round_seconds,seconds_used,best,distance,"
                        "points,exact_answers,nearest,set_by_hand\r");
    EXPECT_EQ(lines[1], "2024-05-01T12:23:00Z,100 75 50 25 6 3,952,45,30,,,0,,,1\r");
    EXPECT_EQ(lines[2], "2024-05-01T12:13:00Z,100 75 50 25 6 3,952,45,30,950,2,7,,,0\r");

    MessageBoxLog boxes;
    exportTo = dir.filePath(QStringLiteral("missing/rounds.csv"));
    window.exportCsv();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].icon, MessageIcon::Warning);
}

TEST_F(HistoryFrmTest, ClearsOnlyWhenThePlayerAgrees) {
    HistoryFrm window(store, nullptr, prompts);
    window.clearHistory();
    EXPECT_EQ(store.rounds().size(), 3u);
    agree = true;
    window.clearHistory();
    EXPECT_EQ(window.model().rowCount(), 0);
    EXPECT_EQ(window.totalsShown()[0], QStringLiteral("0"));
    EXPECT_FALSE(window.findChild<QPushButton*>()->isEnabled()); // nothing left to export
}

} // namespace
