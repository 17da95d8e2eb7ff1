#include "buttonex.h"
#include "test_support.h"
#include "varifyfrm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using namespace checker;

enum : int { N75 = 0, N50, N10, N6, N3, N1 };

class VarifyFrmTest : public testing::Test {
protected:
    VarifyFrmTest()
        : frm({QStringLiteral("75"), QStringLiteral("50"), QStringLiteral("10"),
               QStringLiteral("6"), QStringLiteral("3"), QStringLiteral("1")},
              QStringLiteral("449")) {
        frm.show();
    }

    void click(std::initializer_list<int> keys) {
        for (int key : keys)
            QTest::mouseClick(frm.btn1()[key], Qt::LeftButton);
    }
    QString display() const { return frm.Lbasw()->text(); }
    QString enabledKeys() const {
        QString flags;
        for (ButtonEx* key : frm.btn1())
            flags += key->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return flags;
    }

    VarifyFrm frm;
};

TEST_F(VarifyFrmTest, OpensWithTheRoundOnItsKeys) {
    EXPECT_EQ(frm.windowTitle(), "validate my answer:");
    EXPECT_EQ(frm.lbTarget()->text(), "Target = 449");
    const char* captions[] = {"75", "50", "10", "6", "3", "1", "(", ")", "+", "-", "×", "÷", "="};
    for (int k = 0; k < kKeyCount; ++k)
        EXPECT_EQ(frm.btn1()[k]->caption(), QString::fromUtf8(captions[k])) << k;
    EXPECT_EQ(frm.cmdBack()->caption(), "<<");
    EXPECT_EQ(frm.ButtonEx1()->caption(), "Reset");
    EXPECT_EQ(enabledKeys(), "1111111011110");
    EXPECT_FALSE(frm.cmdBack()->isEnabled());
    EXPECT_TRUE(frm.isModal());
}

TEST_F(VarifyFrmTest, CorrectAnswerLeavesOnlyReset) {
    click({N6, KeyMultiply, N75, KeySubtract, N1, KeyEquals});
    EXPECT_EQ(display(), "6×75-1 = 449\nCORRECT - WELL DONE!");
    EXPECT_EQ(enabledKeys(), "0000000000000");
    EXPECT_FALSE(frm.cmdBack()->isEnabled());
    EXPECT_TRUE(frm.ButtonEx1()->isEnabled());
    EXPECT_EQ(frm.keypad().outcome(), Outcome::Correct);
    testsupport::saveScreenshot(&frm, QStringLiteral("checker-correct"));
}

TEST_F(VarifyFrmTest, IntermediateValueStartsANewLine) {
    click({N6, KeyMultiply, N75, KeyEquals});
    EXPECT_EQ(display(), "6×75 = 450\n450");
    EXPECT_TRUE(frm.cmdBack()->isEnabled());
    testsupport::saveScreenshot(&frm, QStringLiteral("checker-intermediate"));
    click({KeySubtract, N1, KeyEquals});
    EXPECT_EQ(display(), "6×75 = 450\n450-1 = 449\nCORRECT - WELL DONE!");
    EXPECT_EQ(enabledKeys(), "0000000000000");
}

TEST_F(VarifyFrmTest, NonIntegerStopsTheKeypadUntilReset) {
    click({N75, KeyDivide, N10, KeyEquals});
    EXPECT_EQ(display(), "75÷10 = \nNon-Integer! please press reset");
    EXPECT_EQ(enabledKeys(), "0000000000000");
    EXPECT_FALSE(frm.cmdBack()->isEnabled());
    testsupport::saveScreenshot(&frm, QStringLiteral("checker-non-integer"));
    QTest::mouseClick(frm.ButtonEx1(), Qt::LeftButton);
    EXPECT_EQ(display(), "");
    EXPECT_EQ(frm.keypad().outcome(), Outcome::Open);
}

TEST_F(VarifyFrmTest, EveryLineOfALongCalculationStaysInView) {
    click({N50, KeySubtract, N10, KeyEquals, KeyMultiply, N6, KeyEquals, KeyAdd, N75, KeyEquals,
           KeySubtract, N1, KeyEquals, KeyDivide, N3, KeyEquals});
    EXPECT_EQ(display(), "50-10 = 40\n40×6 = 240\n240+75 = 315\n315-1 = 314\n314÷3 = \n"
                         "Non-Integer! please press reset");
    QCoreApplication::processEvents();
    const QLabel* label = frm.Lbasw();
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    testsupport::saveScreenshot(&frm, QStringLiteral("checker-long"));
}

TEST_F(VarifyFrmTest, OperatorFirstIsIgnored) {
    click({KeyAdd});
    EXPECT_EQ(display(), "");
    EXPECT_FALSE(frm.cmdBack()->isEnabled());
}

TEST_F(VarifyFrmTest, BackAfterEqualsDropsTheValueAndKeepsNumbersUsed) {
    click({N6, KeyMultiply, N75, KeyEquals});
    QTest::mouseClick(frm.cmdBack(), Qt::LeftButton);
    EXPECT_EQ(display(), "6×75");
    EXPECT_FALSE(frm.btn1()[N6]->isEnabled());
    EXPECT_FALSE(frm.btn1()[N75]->isEnabled());
    EXPECT_TRUE(frm.btn1()[KeyEquals]->isEnabled());
    EXPECT_TRUE(frm.cmdBack()->isEnabled());
}

TEST_F(VarifyFrmTest, ResetRestoresTheLoadStateWithCloseEnabled) {
    click({KeyOpen, N6, KeyMultiply, N75});
    QTest::mouseClick(frm.ButtonEx1(), Qt::LeftButton);
    EXPECT_EQ(display(), "");
    EXPECT_EQ(enabledKeys(), "1111111111110");
    EXPECT_FALSE(frm.cmdBack()->isEnabled());
    click({N6, KeyMultiply, N75, KeyEquals});
    EXPECT_EQ(display(), "6×75 = 450\n450");
}

TEST_F(VarifyFrmTest, TypedKeysActLikeTheirButtons) {
    QTest::keyClick(&frm, Qt::Key_4); // the fourth number
    QTest::keyClick(&frm, Qt::Key_Asterisk);
    QTest::keyClick(&frm, Qt::Key_1);
    QTest::keyClick(&frm, Qt::Key_Return);
    EXPECT_EQ(display(), "6×75 = 450\n450");
    EXPECT_TRUE(frm.isVisible());
    QTest::keyClick(&frm, Qt::Key_Backspace);
    EXPECT_EQ(display(), "6×75");
}

TEST_F(VarifyFrmTest, BackdropRunsFromRedBrownToMauve) {
    const QImage image = frm.grab().toImage();
    const QColor bottom = image.pixelColor(1, image.height() - 1);
    EXPECT_NEAR(bottom.red(), 191, 3);
    EXPECT_NEAR(bottom.green(), 169, 3);
    EXPECT_NEAR(bottom.blue(), 188, 3);
    const QColor top = image.pixelColor(1, 1);
    EXPECT_NEAR(top.red(), 128, 12);
    EXPECT_NEAR(top.green(), 64, 12);
    EXPECT_NEAR(top.blue(), 64, 12);
}

} // namespace
