#include "manualfrm.h"
#include "messageboxlog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ManualFrmTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QAbstractButton* l1(int i) {
        return dialog.findChild<QAbstractButton*>(QStringLiteral("l1_%1").arg(i));
    }
    QLineEdit* Text1() { return dialog.findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QPushButton* Command1() { return dialog.findChild<QPushButton*>(QStringLiteral("Command1")); }
    void choose(std::initializer_list<int> indices) {
        for (int i : indices)
            QTest::mouseClick(l1(i), Qt::LeftButton);
    }
    QColor middleColour(QWidget* w) { return w->grab().toImage().pixelColor(4, w->height() / 2); }

    MessageBoxLog boxes;
    std::vector<MessageBoxCall>& shown = boxes.calls;
    ManualFrm dialog;
};

TEST_F(ManualFrmTest, TheBoardByMouseAndKeyboardThenTheHandOver) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Manual Overide"));
    EXPECT_EQ(Text1()->text(), QStringLiteral("101"));
    choose({0, 10, 20, 21, 22});
    EXPECT_EQ(middleColour(l1(20)), QColor(0, 0, 255));
    EXPECT_EQ(middleColour(l1(1)), QColor(0xE0, 0xE0, 0xE0));

    // Five chosen: the hand-over waits for a sixth.
    QTest::mouseClick(Command1(), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("You must choose 6 numbers to use."));
    EXPECT_EQ(shown[0].title, QStringLiteral("More numbers required"));
    EXPECT_EQ(shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.handedOver());

    // From the first row's 9, Down twice then Right reaches 100, and Space chooses it.
    l1(8)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(l1(8), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), l1(23));

    QAccessibleInterface* chosen = QAccessible::queryAccessibleInterface(l1(23));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->text(QAccessible::Name), QStringLiteral("100"));
    EXPECT_TRUE(chosen->state().checked);

    // Letters never reach the target box.
    Text1()->selectAll();
    QTest::keyClicks(Text1(), QStringLiteral("9x5 2"));
    EXPECT_EQ(Text1()->text(), QStringLiteral("952"));

    QTest::mouseClick(Command1(), Qt::LeftButton);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.handedOver());
    EXPECT_EQ(dialog.handedOver()->numbers, (std::array<std::int32_t, 6>{1, 1, 25, 50, 75, 100}));
    EXPECT_EQ(dialog.handedOver()->target, 952);
}

TEST_F(ManualFrmTest, AnUnusableTargetIsRejectedAndBecomes101) {
    choose({0, 1, 2, 3, 4, 20});
    // the text, pasted past the key filter; the message (none for an empty box)
    const std::pair<const char*, const char*> rows[] = {
        {"32768", "The target must be a whole number from 101 to 32767"},
        {"-5", "The target must be more than 101"},
        {"", nullptr}};
    for (const auto& [text, message] : rows) {
        SCOPED_TRACE(text);
        shown.clear();
        Text1()->clear();
        QApplication::clipboard()->setText(text);
        Text1()->paste();
        QTest::mouseClick(Command1(), Qt::LeftButton);
        ASSERT_EQ(shown.size(), message ? 1u : 0u);
        if (message) {
            EXPECT_EQ(shown[0].text, QString::fromLatin1(message));
            EXPECT_EQ(shown[0].title, QStringLiteral("Invalid Target."));
        }
        EXPECT_EQ(Text1()->text(), QStringLiteral("101"));
        EXPECT_FALSE(dialog.handedOver());
        EXPECT_TRUE(dialog.isVisible());
    }

    // Leaving the box by Tab checks it too, and the focus comes back.
    shown.clear();
    Text1()->setFocus();
    Text1()->setText(QStringLiteral("50"));
    QTest::keyClick(Text1(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(Text1()->text(), QStringLiteral("101"));
    EXPECT_TRUE(Text1()->hasFocus());

    QTest::mouseClick(Command1(), Qt::LeftButton);
    ASSERT_TRUE(dialog.handedOver());
    EXPECT_EQ(dialog.handedOver()->target, 101);
}

} // namespace
