#include "varifyfrm.h"

#include "gradient.h"

#include <algorithm>

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char* const kStyle = R"(
QLabel#lbTarget {
    color: #fff6e8;
    font-size: 20pt;
    font-weight: bold;
}
QLabel#Lbasw {
    color: #f6f0ff;
    background: rgba(24, 14, 34, 200);
    border: 1px solid rgba(255, 255, 255, 70);
    border-radius: 10px;
    padding: 10px 14px;
}
QLabel#Lbasw[outcome="correct"] {
    color: #f2fff4;
    background: rgba(18, 52, 30, 215);
    border: 2px solid #9be3a8;
}
QLabel#Lbasw[outcome="stopped"] {
    color: #fff1ec;
    background: rgba(60, 18, 18, 215);
    border: 2px solid #f0a090;
}
QWidget#Picture1 {
    background: rgba(255, 255, 255, 45);
    border: 1px solid rgba(255, 255, 255, 90);
    border-radius: 12px;
}
QPushButton {
    color: #2e2240;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #ddd2ea);
    border: 1px solid #6b5787;
    border-radius: 8px;
    font-size: 17pt;
    font-weight: bold;
    min-width: 64px;
    min-height: 46px;
}
QPushButton[keyRole="number"] {
    color: #3d2a00;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff7dc, stop:1 #f1c76e);
    border-color: #8a6418;
}
QPushButton[keyRole="equals"] {
    color: #ffffff;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fb37a, stop:1 #2f7a44);
    border-color: #1f5530;
}
QPushButton[keyRole="control"] {
    font-size: 13pt;
}
QPushButton:hover {
    border: 2px solid #fff0c0;
}
QPushButton:pressed {
    background: #b9a7d1;
}
QPushButton:disabled {
    color: rgba(46, 34, 64, 90);
    background: rgba(255, 255, 255, 55);
    border: 1px solid rgba(70, 50, 100, 70);
}
)";

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

VarifyFrm::VarifyFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("validate my answer:"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kStyle));

    m_lbTarget = new QLabel(this);
    m_lbTarget->setObjectName(QStringLiteral("lbTarget"));
    m_lbTarget->setAlignment(Qt::AlignCenter);

    m_lbasw = new QLabel(this);
    m_lbasw->setObjectName(QStringLiteral("Lbasw"));
    m_lbasw->setTextFormat(Qt::PlainText);
    m_lbasw->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbasw->setWordWrap(true);
    QFont displayFont = m_lbasw->font();
    displayFont.setPointSize(19);
    m_lbasw->setFont(displayFont);
    // Six numbers make at most five worked lines and a closing line.
    m_lbasw->ensurePolished();
    m_lbasw->setText(QStringLiteral("1\n2\n3\n4\n5\n6"));
    m_displayHeight = m_lbasw->heightForWidth(400);

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAttribute(Qt::WA_StyledBackground);
    auto* keys = new QGridLayout(m_picture1);
    keys->setContentsMargins(14, 14, 14, 14);
    keys->setSpacing(8);

    auto makeButton = [this](const QString& caption, const char* role) {
        auto* button = new QPushButton(caption, m_picture1);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setProperty("keyRole", QString::fromLatin1(role));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return button;
    };
    for (int k = 0; k < checker::kKeyCount; ++k) {
        const char* role = k < checker::kNumberKeyCount ? "number"
                           : k == checker::KeyEquals    ? "equals"
                                                        : "operator";
        m_btn1[k] = makeButton(qtext(m_keypad.caption(k)), role);
        m_btn1[k]->setObjectName(QStringLiteral("btn1_%1").arg(k));
        connect(m_btn1[k], &QPushButton::clicked, this, [this, k] { btn1_Click(k); });
        if (k < checker::KeyEquals)
            keys->addWidget(m_btn1[k], k / checker::kNumberKeyCount, k % checker::kNumberKeyCount);
    }
    m_cmdBack = makeButton(QStringLiteral("<<"), "control");
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdBack->setToolTip(tr("Undo the last key"));
    m_buttonEx1 = makeButton(QStringLiteral("Reset"), "control");
    m_buttonEx1->setObjectName(QStringLiteral("ButtonEx1"));
    keys->addWidget(m_cmdBack, 2, 0, 1, 2);
    keys->addWidget(m_buttonEx1, 2, 2, 1, 2);
    keys->addWidget(m_btn1[checker::KeyEquals], 2, 4, 1, 2);
    connect(m_cmdBack, &QPushButton::clicked, this, &VarifyFrm::cmdBack_Click);
    connect(m_buttonEx1, &QPushButton::clicked, this, &VarifyFrm::ButtonEx1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(m_lbTarget);
    layout->addWidget(m_lbasw, 1);
    layout->addWidget(m_picture1);

    showKeypad();
}

VarifyFrm::VarifyFrm(const std::array<QString, checker::kNumberKeyCount>& numberCaptions,
                     const QString& targetText, QWidget* parent)
    : VarifyFrm(parent) {
    for (int i = 0; i < checker::kNumberKeyCount; ++i)
        setNumberCaption(i, numberCaptions[i]);
    appendTargetText(targetText);
}

void VarifyFrm::setNumberCaption(int index, const QString& caption) {
    m_keypad.setNumberCaption(index, caption.toStdString());
    showKeypad();
}

void VarifyFrm::appendTargetText(const QString& text) {
    m_keypad.appendTargetText(text.toStdString());
    showKeypad();
}

void VarifyFrm::btn1_Click(int index) {
    m_keypad.pressKey(index);
    showKeypad();
}

void VarifyFrm::cmdBack_Click() {
    m_keypad.pressBack();
    showKeypad();
}

void VarifyFrm::ButtonEx1_Click() {
    m_keypad.pressReset();
    showKeypad();
}

void VarifyFrm::showKeypad() {
    for (int k = 0; k < checker::kKeyCount; ++k) {
        m_btn1[k]->setText(qtext(m_keypad.caption(k)));
        m_btn1[k]->setEnabled(m_keypad.isKeyEnabled(k));
    }
    m_cmdBack->setEnabled(m_keypad.isBackEnabled());
    m_lbasw->setText(qtext(m_keypad.display()));
    const char* outcome = m_keypad.outcome() == checker::Outcome::Correct   ? "correct"
                          : m_keypad.outcome() == checker::Outcome::Stopped ? "stopped"
                                                                            : "";
    if (m_lbasw->property("outcome").toString() != QLatin1String(outcome)) {
        m_lbasw->setProperty("outcome", QString::fromLatin1(outcome));
        m_lbasw->style()->unpolish(m_lbasw);
        m_lbasw->style()->polish(m_lbasw);
    }
    // Long lines that wrap may need more room than six lines; the window grows then. Measured
    // after the outcome's style, whose border takes room too.
    const int width = m_lbasw->width() > 100 ? m_lbasw->width() : m_lbasw->sizeHint().width();
    m_lbasw->setMinimumHeight(std::max(m_displayHeight, m_lbasw->heightForWidth(width)));
    m_lbTarget->setText(qtext(m_keypad.targetCaption()));
}

void VarifyFrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGradient(this, painter, kCheckerGradient);
}

void VarifyFrm::keyPressEvent(QKeyEvent* event) {
    int key = -1;
    switch (event->key()) {
    case Qt::Key_ParenLeft:
        key = checker::KeyOpen;
        break;
    case Qt::Key_ParenRight:
        key = checker::KeyClose;
        break;
    case Qt::Key_Plus:
        key = checker::KeyAdd;
        break;
    case Qt::Key_Minus:
        key = checker::KeySubtract;
        break;
    case Qt::Key_Asterisk:
    case Qt::Key_multiply:
        key = checker::KeyMultiply;
        break;
    case Qt::Key_Slash:
    case Qt::Key_division:
        key = checker::KeyDivide;
        break;
    case Qt::Key_Equal:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = checker::KeyEquals;
        break;
    case Qt::Key_Backspace:
        cmdBack_Click();
        return;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    btn1_Click(key);
}
