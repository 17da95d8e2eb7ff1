#include "manualfrm.h"

#include "boardlabel.h"
#include "digitkeys.h"
#include "fonts.h"
#include "messagebox.h"
#include "placement.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kDefaultTarget = QStringLiteral("101");

// The board is laid out on 20 columns: a small number takes 2, a large one 5.
constexpr int kSmallSpan = 2;
constexpr int kLargeSpan = 5;

} // namespace

ManualFrm::ManualFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Manual Overide"));
    setModal(true);
    setFont(SansSerifFont(9));

    auto* Frame1 = new QGroupBox(tr("Select 6 numbers to use: "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* board = new QGridLayout(Frame1);
    board->setSpacing(6);
    for (int i = 0; i < ManualBoard::kLabelCount; ++i) {
        auto* label = new BoardLabel(QString::number(ManualBoard::number(i)), Frame1);
        label->setObjectName(QStringLiteral("l1_%1").arg(i));
        label->setFont(SansSerifFont(12, true));
        connect(label, &BoardLabel::clicked, this, [this, i] { l1_Click(i); });
        connect(label, &BoardLabel::arrowPressed, this,
                [this, i](int dx, int dy) { moveBoardFocus(i, dx, dy); });
        const int row = i / ManualBoard::kRowLength;
        if (row < 2)
            board->addWidget(label, row, (i % ManualBoard::kRowLength) * kSmallSpan, 1, kSmallSpan);
        else
            board->addWidget(label, row, (i - 2 * ManualBoard::kRowLength) * kLargeSpan, 1,
                             kLargeSpan);
        m_l1[static_cast<std::size_t>(i)] = label;
    }

    auto* Label1 = new QLabel(tr("Enter the Target (between 101 and 999):"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(kDefaultTarget, this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(SansSerifFont(12, true));
    m_text1->setMaximumWidth(QFontMetrics(m_text1->font()).horizontalAdvance(u'0') * 8 + 16);
    m_text1->installEventFilter(this);
    Label1->setBuddy(m_text1);

    m_command1 = new QPushButton(tr("Find Answers"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    // A click leaves the focus in the target box; the click validates the box itself.
    m_command1->setFocusPolicy(Qt::TabFocus);
    connect(m_command1, &QPushButton::clicked, this, &ManualFrm::Command1_Click);

    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(Label1);
    targetRow->addWidget(m_text1);
    targetRow->addStretch(1);
    targetRow->addWidget(m_command1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Frame1);
    layout->addLayout(targetRow);

    setTabOrder(m_l1.back(), m_text1);
    setTabOrder(m_text1, m_command1);
    m_l1.front()->setFocus();
    adjustSize();
    CentreForm(this);
}

void ManualFrm::l1_Click(int index) {
    m_board.click(index);
    m_l1[static_cast<std::size_t>(index)]->setChecked(m_board.chosen(index));
}

void ManualFrm::moveBoardFocus(int from, int dx, int dy) {
    m_l1[static_cast<std::size_t>(ManualBoard::neighbour(from, dx, dy))]->setFocus(
        Qt::TabFocusReason);
}

bool ManualFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text1 && event->type() == QEvent::KeyPress &&
        SwallowsTypedKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == m_text1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or the box's own context menu took the focus: the player has not
        // left the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, &ManualFrm::validateAfterFocusLeft);
    }
    return QDialog::eventFilter(watched, event);
}

void ManualFrm::validateAfterFocusLeft() {
    if (!isVisible() || m_text1->hasFocus() || m_round)
        return;
    if (!Text1_Validate())
        m_text1->setFocus(Qt::OtherFocusReason);
}

bool ManualFrm::Text1_Validate() {
    const TargetCheck check = CheckTarget(m_text1->text().toStdString());
    switch (check) {
    case TargetCheck::Accepted:
        return true;
    case TargetCheck::Empty:
        m_text1->setText(kDefaultTarget);
        return false;
    case TargetCheck::TooLow:
    case TargetCheck::Unusable:
        MsgBox(this,
               check == TargetCheck::TooLow
                   ? tr("The target must be more than 101")
                   : tr("The target must be a whole number from 101 to 32767"),
               tr("Invalid Target."), MessageIcon::Information);
        m_text1->setText(kDefaultTarget);
        return false;
    }
    return false;
}

void ManualFrm::Command1_Click() {
    if (!Text1_Validate()) {
        m_text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_board.chosenCount() != ManualBoard::kChooseCount) {
        MsgBox(this, tr("You must choose 6 numbers to use."), tr("More numbers required"),
               MessageIcon::Information);
        return;
    }
    m_round = ManualRound{m_board.chosenNumbers(), TargetValue(m_text1->text().toStdString())};
    accept();
}
