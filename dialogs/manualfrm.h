#pragma once

#include "manualboard.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

class BoardLabel;
class QLineEdit;
class QPushButton;

// A round set by hand: six numbers in board order and a target of 101 to 32767.
struct ManualRound {
    std::array<std::int32_t, ManualBoard::kChooseCount> numbers{};
    std::int32_t target = kLowestManualTarget;
};

// The modal manual set-up ("Manual Overide"): the player chooses six numbers on the board and
// types a target; "Find Answers" hands them over and closes the dialog. Each opening starts
// afresh. Controls carry their names as object names: l1_0..l1_23, Text1, Command1.
class ManualFrm : public QDialog {
    Q_OBJECT

public:
    explicit ManualFrm(QWidget* parent = nullptr);

    // The round "Find Answers" handed over; empty when the dialog was closed any other way.
    const std::optional<ManualRound>& handedOver() const { return m_round; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void l1_Click(int index);
    // Runs as the focus leaves the target box. Returns false when it cancelled: the text is
    // then "101" and the focus belongs back in the box.
    bool Text1_Validate();
    void Command1_Click();
    void validateAfterFocusLeft();
    void moveBoardFocus(int from, int dx, int dy);

    ManualBoard m_board;
    std::array<BoardLabel*, ManualBoard::kLabelCount> m_l1{};
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    std::optional<ManualRound> m_round;
};
