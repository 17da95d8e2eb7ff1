#include "historyfrm.h"

#include "gradient.h"
#include "historymodel.h"
#include "historystore.h"
#include "historytext.h"
#include "messagebox.h"
#include "placement.h"
#include "pointschart.h"
#include "twips.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString askExportFile(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, HistoryFrm::tr("Export the history"),
                                        HistoryFrm::tr("tallyrun-history.csv"),
                                        HistoryFrm::tr("CSV files (*.csv)"));
}

bool askClear(QWidget* parent) {
    return QMessageBox::question(parent, HistoryFrm::tr("Clear history"),
                                 HistoryFrm::tr("Delete every round of the history? This cannot "
                                                "be undone."),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

HistoryFrm::HistoryFrm(HistoryStore& store, QWidget* parent, Prompts prompts)
    : QDialog(parent), m_store(store), m_prompts(std::move(prompts)) {
    if (!m_prompts.exportFile)
        m_prompts.exportFile = askExportFile;
    if (!m_prompts.confirmClear)
        m_prompts.confirmClear = askClear;
    setWindowTitle(tr("History"));
    setModal(true);

    const QString captions[] = {tr("Rounds played"),       tr("Exact hits"),
                                tr("Average distance"),    tr("Points"),
                                tr("Most exact in a row"), tr("Most points in a day")};
    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(12);
    for (int i = 0; i < 6; ++i) {
        auto* caption = new QLabel(captions[i] + QLatin1Char(':'), this);
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("total_%1").arg(i));
        value->setAccessibleName(captions[i]);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        totals->addWidget(caption, i / 3, (i % 3) * 2);
        totals->addWidget(value, i / 3, (i % 3) * 2 + 1);
        totals->setColumnStretch((i % 3) * 2 + 1, 1);
        m_totals[static_cast<std::size_t>(i)] = value;
    }

    m_chart = new PointsChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));

    m_model = new HistoryModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("rounds"));
    m_table->setAccessibleName(tr("Rounds, newest first"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    m_table->verticalHeader()->hide();
    // Fixed row heights keep scrolling through thousands of rounds smooth.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(HistoryModel::Played, Qt::DescendingOrder);
    m_table->setMinimumHeight(120);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);

    m_export = new QPushButton(tr("&Export CSV..."), this);
    m_clear = new QPushButton(tr("&Clear history..."), this);
    auto* close = new QPushButton(tr("Close"), this);
    connect(m_export, &QPushButton::clicked, this, &HistoryFrm::exportCsv);
    connect(m_clear, &QPushButton::clicked, this, &HistoryFrm::clearHistory);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_export);
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(totals);
    layout->addWidget(m_chart);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    setTabOrder(m_table, m_export);
    setTabOrder(m_export, m_clear);
    setTabOrder(m_clear, close);
    reload();
    m_table->setFocus();

    // Large enough for the table's columns (820 x 600 pixels at 96 DPI), small enough for an
    // 800 x 600 screen.
    const QSize screen = GetScreenSize();
    resize(std::min(twips::toPixelsX(820 * 15), screen.width() - 40),
           std::min(twips::toPixelsY(600 * 15), screen.height() - 80));
    CentreForm(this);
}

void HistoryFrm::reload() {
    std::vector<RoundRecord> rounds = m_store.rounds();
    m_chart->setPoints(RecentPoints(rounds, kChartRounds));
    m_model->setRounds(std::move(rounds));
    const QHeaderView* header = m_table->horizontalHeader();
    m_model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    // Fitted without room for a sort arrow in every caption, so that all columns fit on an
    // 800 x 600 screen.
    m_table->horizontalHeader()->setSortIndicatorShown(false);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSortIndicatorShown(true);

    const HistoryTotals t = m_store.totals();
    const QString dash = tr("–");
    const QString values[] = {
        QString::number(t.rounds),
        QString::number(t.exactHits),
        t.averageDistance ? QLocale().toString(*t.averageDistance, 'f', 1) : dash,
        QString::number(t.points),
        QString::number(t.bestStreak),
        QString::number(t.bestDay),
    };
    for (std::size_t i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(values[i]);

    m_problem->setText(m_store.message());
    m_problem->setVisible(!m_problem->text().isEmpty());
    m_export->setEnabled(m_store.usable() && m_model->rowCount() > 0);
    m_clear->setEnabled(m_store.usable() && m_model->rowCount() > 0);
}

QStringList HistoryFrm::totalsShown() const {
    QStringList shown;
    for (const QLabel* label : m_totals)
        shown << label->text();
    return shown;
}

void HistoryFrm::exportCsv() {
    const QString path = m_prompts.exportFile(this);
    if (path.isEmpty())
        return;
    // The rounds as the table shows them, in its order.
    const QByteArray csv = historyCsv(m_model->rounds()).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        MsgBox(this,
               tr("The history could not be written to %1.").arg(QDir::toNativeSeparators(path)),
               tr("Export"), MessageIcon::Warning);
    }
}

void HistoryFrm::clearHistory() {
    if (!m_prompts.confirmClear(this))
        return;
    m_store.clear();
    reload();
}

void HistoryFrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGradient(this, painter, kGameWindowGradient);
}
