#pragma once

#include "checkerkeypad.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class ButtonEx;
class QLabel;
class QWidget;

// The modal checker window: the six numbers and the target on a keypad with which the player
// rebuilds a calculation. Opening: construct (or call setNumberCaption for 0..5 and
// appendTargetText), then exec(). Each whole number that "=" gives is signalled by checked().
// A value that misses the target is measured on a line of its own below the display.
class VarifyFrm : public QDialog {
    Q_OBJECT

public:
    explicit VarifyFrm(QWidget* parent = nullptr);
    // numberCaptions: the six numbers, largest first; targetText: the target as shown.
    VarifyFrm(const std::array<QString, checker::kNumberKeyCount>& numberCaptions,
              const QString& targetText, QWidget* parent = nullptr);
    ~VarifyFrm() override;

    // index 0..5; other indices are ignored.
    void setNumberCaption(int index, const QString& caption);
    // lbTarget reads "Target = " followed by everything appended.
    void appendTargetText(const QString& text);
    // What the round's search knows: how many answers reach the target and, when none does,
    // the nearest values the numbers reach. The distance line names it.
    void setRoundAnalysis(int exactCount, const std::vector<std::int32_t>& nearest);

    const std::array<ButtonEx*, checker::kKeyCount>& btn1() const { return m_btn1; }
    ButtonEx* cmdBack() const { return m_cmdBack; }
    ButtonEx* ButtonEx1() const { return m_buttonEx1; }
    QLabel* Lbasw() const { return m_lbasw; }
    QLabel* lbTarget() const { return m_lbTarget; }
    QLabel* lbDistance() const { return m_lbDistance; }

signals:
    // "=" gave `value`: a line's value, a miss or the target.
    void checked(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btn1_Click(int index);
    void cmdBack_Click();
    void ButtonEx1_Click();
    void showKeypad();
    void showDistance();
    void showFocusRing();

    checker::CheckerKeypad m_keypad;
    std::array<ButtonEx*, checker::kKeyCount> m_btn1{};
    ButtonEx* m_cmdBack = nullptr;
    ButtonEx* m_buttonEx1 = nullptr;
    QLabel* m_lbasw = nullptr;
    QLabel* m_lbTarget = nullptr;
    QWidget* m_picture1 = nullptr;
    QWidget* m_focusRing = nullptr;
    QMetaObject::Connection m_focusWatch;
    int m_displayHeight = 0;
    QLabel* m_lbDistance = nullptr;
    int m_exactCount = 0; // 0 also while nothing is known
    std::vector<std::int32_t> m_nearest;
};
