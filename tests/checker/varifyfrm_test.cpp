#include "buttonex.h"
#include "varifyfrm.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using namespace checker;

enum : int { N75 = 0, N50, N10, N6, N3, N1 };

class VarifyFrmTest : public testing::Test {
protected:
    VarifyFrmTest() : frm({"75", "50", "10", "6", "3", "1"}, "449") { frm.show(); }

    void click(const std::vector<int>& keys) {
        for (int key : keys)
            QTest::mouseClick(frm.btn1()[key], Qt::LeftButton);
    }
    QString display() const { return frm.Lbasw()->text(); }

    VarifyFrm frm;
};

TEST_F(VarifyFrmTest, EveryLineOfALongCalculationStaysInView) {
    EXPECT_FALSE(frm.btn1()[KeyEquals]->isEnabled() || frm.cmdBack()->isEnabled()); // on opening
    click({N50, KeySubtract, N10, KeyEquals, KeyMultiply, N6, KeyEquals, KeyAdd, N75, KeyEquals,
           KeySubtract, N1, KeyEquals, KeyDivide, N3, KeyEquals});
    EXPECT_EQ(display(), "50-10 = 40\n40×6 = 240\n240+75 = 315\n315-1 = 314\n314÷3 = \n"
                         "Non-Integer! please press reset");
    QCoreApplication::processEvents();
    const QLabel* label = frm.Lbasw();
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
}

TEST(VarifyFrm, AMissedValueIsMeasuredOnALineOfItsOwn) {
    enum : int { Back = -1 };
    // name, the keys pressed, what the round's search knows (exact answers, nearest values), the
    // line shown (empty: hidden)
    using Analysis = std::optional<std::pair<int, std::vector<std::int32_t>>>;
    // clang-format off
    const std::tuple<const char*, std::vector<int>, Analysis, const char*> rows[] = {
        {"line", {N6, KeyMultiply, N75, KeyEquals}, {}, "1 away"},
        {"allSixUsed", {N75, KeyAdd, N50, KeyAdd, N10, KeyAdd, N6, KeyAdd, N3, KeyAdd, N1,
         KeyEquals}, Analysis({0, {448, 450}}), "304 away; nearest possible: 448 or 450"},
        {"target", {N6, KeyMultiply, N75, KeySubtract, N1, KeyEquals}, Analysis({2, {}}), ""},
        {"backOverEquals", {N6, KeyMultiply, N75, KeyEquals, Back}, {}, ""},
    };
    // clang-format on
    for (const auto& [name, keys, analysis, shown] : rows) {
        VarifyFrm frm({"75", "50", "10", "6", "3", "1"}, "449");
        frm.show();
        if (analysis)
            frm.setRoundAnalysis(analysis->first, analysis->second);
        for (int key : keys)
            QTest::mouseClick(key == Back ? frm.cmdBack() : frm.btn1()[key], Qt::LeftButton);
        const QLabel* distance = frm.lbDistance();
        EXPECT_EQ(distance->isVisible() ? distance->text() : QString(), shown) << name;
    }
}

TEST_F(VarifyFrmTest, TheKeyboardAloneWorksToTheEnd) {
    frm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    };
    const auto equalsFace = [this] {
        return frm.btn1()[KeyEquals]->grab().toImage().pixelColor(4, 20);
    };
    // Tab walks the keys, the one with the focus shows it, and Space presses it.
    ASSERT_TRUE(frm.btn1()[N75]->hasFocus());
    key(Qt::Key_Tab);
    const QWidget* ring = frm.findChild<QWidget*>(QStringLiteral("focusRing"));
    EXPECT_TRUE(ring->isVisible() && ring->geometry().contains(frm.btn1()[N50]->geometry()));
    key(Qt::Key_Space);
    EXPECT_EQ(display(), "50");
    const QColor green = equalsFace();
    // Digits 1 to 6 press the number keys, largest first; Enter is "=" wherever the focus is.
    // A step, a missed target, "Non-Integer" and "CORRECT" each end with Delete or Alt+R.
    for (const char* typed : {"4*1", "1+2+3+4+5+6", "1/3", "4*1-6"}) {
        key(Qt::Key_Delete);
        EXPECT_EQ(display(), "");
        EXPECT_NE(equalsFace(), green); // a disabled "=" looks disabled
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        key(Qt::Key_Return);
        EXPECT_NE(display().indexOf(QLatin1Char('=')), -1) << typed;
    }
    EXPECT_TRUE(display().endsWith(QStringLiteral("CORRECT - WELL DONE!")));
    EXPECT_EQ(QApplication::focusWidget(), frm.ButtonEx1());
    key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(display(), "");
    QTest::keyClicks(&frm, QStringLiteral("4*1="));
    EXPECT_EQ(display(), "6×75 = 450\n450");
    key(Qt::Key_Backspace);
    EXPECT_EQ(display(), "6×75");
}

} // namespace
