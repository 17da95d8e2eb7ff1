#include "varifyfrm.h"

#include "buttonex.h"
#include "expression.h"
#include "gradient.h"
#include "readablelabel.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
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
QWidget#focusRing {
    border: 3px solid #1d5fd6;
    border-radius: 6px;
}
)";

// Colour values 0x00BBGGRR.
struct KeyLook {
    std::uint32_t back;
    std::uint32_t fore;
    int points;
};
constexpr KeyLook kNumberKey{0x006EC7F1, 0x00002A3D, 17};   // gold
constexpr KeyLook kOperatorKey{0x00EAD2DD, 0x0040222E, 17}; // lilac
constexpr KeyLook kEqualsKey{0x00447A2F, 0x00FFFFFF, 17};   // green
constexpr KeyLook kControlKey{0x00EAD2DD, 0x0040222E, 13};

const KeyLook& lookOf(int key) {
    return key < checker::kNumberKeyCount ? kNumberKey
           : key == checker::KeyEquals    ? kEqualsKey
                                          : kOperatorKey;
}

// A disabled key's face: its own colour faded far towards a light grey.
std::uint32_t disabledFace(std::uint32_t face) {
    std::uint32_t faded = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t channel = (face >> shift) & 0xFF;
        faded |= ((channel + 3 * 0xC4) / 4) << shift;
    }
    return faded;
}

void showEnabled(ButtonEx* key, bool enabled, const KeyLook& look) {
    key->setEnabled(enabled);
    const std::uint32_t face = enabled ? look.back : disabledFace(look.back);
    if (key->backColor() != face)
        key->setBackColor(face);
}

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

// The texts that end an attempt on the display, as the keypad writes them (after a line feed)
// and as the window words them.
struct ClosingText {
    std::string_view written;
    const char* source;
};
constexpr ClosingText kClosingTexts[] = {
    {checker::kCorrectText, QT_TRANSLATE_NOOP("VarifyFrm", "CORRECT - WELL DONE!")},
    {checker::kNonIntegerResult.substr(1),
     QT_TRANSLATE_NOOP("VarifyFrm", "Non-Integer! please press reset")},
    {checker::kDivideByZeroResult.substr(1),
     QT_TRANSLATE_NOOP("VarifyFrm", "Division by zero! please press reset")},
    {checker::kOutOfRangeResult.substr(1),
     QT_TRANSLATE_NOOP("VarifyFrm", "Number too large! please press reset")},
    {checker::kBracketsResult.substr(1),
     QT_TRANSLATE_NOOP("VarifyFrm", "Brackets out of order! please press reset")},
};
// The English source is the keypad's own text, so that an untranslated display is the keypad's.
constexpr bool sourcesAreWritten() {
    for (const ClosingText& text : kClosingTexts) {
        if (text.written != text.source)
            return false;
    }
    return true;
}
static_assert(sourcesAreWritten());

// The keypad's display in the player's language: its closing line translated.
QString shownDisplay(const std::string& display) {
    for (const ClosingText& text : kClosingTexts) {
        if (display.ends_with(text.written)) {
            return qtext(display.substr(0, display.size() - text.written.size())) +
                   VarifyFrm::tr(text.source);
        }
    }
    return qtext(display);
}

// What a screen reader says for the keys whose captions are signs, "(" to "="; the number
// keys say their numbers.
constexpr std::array<const char*, checker::KeyEquals - checker::KeyOpen + 1> kSpokenSigns{
    QT_TRANSLATE_NOOP("VarifyFrm", "Open bracket"), QT_TRANSLATE_NOOP("VarifyFrm", "Close bracket"),
    QT_TRANSLATE_NOOP("VarifyFrm", "Plus"),         QT_TRANSLATE_NOOP("VarifyFrm", "Minus"),
    QT_TRANSLATE_NOOP("VarifyFrm", "Times"),        QT_TRANSLATE_NOOP("VarifyFrm", "Divided by"),
    QT_TRANSLATE_NOOP("VarifyFrm", "Equals")};

} // namespace

VarifyFrm::VarifyFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("validate my answer:"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kStyle));

    m_lbTarget = new ReadableLabel(this);
    m_lbTarget->setObjectName(QStringLiteral("lbTarget"));
    m_lbTarget->setAccessibleName(tr("Target"));
    m_lbTarget->setAlignment(Qt::AlignCenter);

    m_lbasw = new ReadableLabel(this);
    m_lbasw->setObjectName(QStringLiteral("Lbasw"));
    m_lbasw->setAccessibleName(tr("Calculation"));
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

    // Tab walks the keys and Space presses the one with the focus; a click leaves the focus
    // where it is. The window's own keys (digits, operators, Enter, Backspace, Delete) reach
    // the keypad from any key.
    auto makeButton = [this](const QString& caption, const KeyLook& look) {
        auto* button = new ButtonEx(m_picture1);
        button->setCaption(caption);
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        button->setBackColor(look.back);
        button->setForeColor(look.fore);
        button->setHighlightColor(look.fore);
        QFont font = button->font();
        font.setPointSize(look.points);
        font.setBold(true);
        button->setFont(font);
        button->setMinimumSize(64, 46);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return button;
    };
    for (int k = 0; k < checker::kKeyCount; ++k) {
        m_btn1[k] = makeButton(qtext(m_keypad.caption(k)), lookOf(k));
        m_btn1[k]->setObjectName(QStringLiteral("btn1_%1").arg(k));
        if (k >= checker::KeyOpen)
            m_btn1[k]->setAccessibleName(tr(kSpokenSigns[k - checker::KeyOpen]));
        connect(m_btn1[k], &ButtonEx::clicked, this, [this, k] { btn1_Click(k); });
        if (k < checker::KeyEquals)
            keys->addWidget(m_btn1[k], k / checker::kNumberKeyCount, k % checker::kNumberKeyCount);
    }
    m_cmdBack = makeButton(QStringLiteral("<<"), kControlKey);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdBack->setToolTip(tr("Undo the last key"));
    m_cmdBack->setAccessibleName(tr("Back"));
    m_buttonEx1 = makeButton(tr("&Reset"), kControlKey); // Alt+R in English
    m_buttonEx1->setObjectName(QStringLiteral("ButtonEx1"));
    keys->addWidget(m_cmdBack, 2, 0, 1, 2);
    keys->addWidget(m_buttonEx1, 2, 2, 1, 2);
    keys->addWidget(m_btn1[checker::KeyEquals], 2, 4, 1, 2);
    connect(m_cmdBack, &ButtonEx::clicked, this, &VarifyFrm::cmdBack_Click);
    connect(m_buttonEx1, &ButtonEx::clicked, this, &VarifyFrm::ButtonEx1_Click);

    // A ring round the key with the focus, in the gap between the keys.
    m_focusRing = new QWidget(m_picture1);
    m_focusRing->setObjectName(QStringLiteral("focusRing"));
    m_focusRing->setAttribute(Qt::WA_StyledBackground);
    m_focusRing->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_focusRing->hide();
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &VarifyFrm::showFocusRing);

    // How far a missed value is from the target: a line of its own, so that the display
    // keeps its rules. It keeps its room while hidden, so the window never jumps.
    m_lbDistance = new ReadableLabel(this);
    m_lbDistance->setObjectName(QStringLiteral("lbDistance"));
    m_lbDistance->setAccessibleName(tr("Distance from the target"));
    m_lbDistance->setAlignment(Qt::AlignCenter);
    m_lbDistance->setStyleSheet(QStringLiteral("color: #fff6e8; font: bold 13pt;"));
    m_lbDistance->setMinimumHeight(m_lbDistance->fontMetrics().height());
    QSizePolicy keepRoom = m_lbDistance->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_lbDistance->setSizePolicy(keepRoom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(m_lbTarget);
    layout->addWidget(m_lbasw, 1);
    layout->addWidget(m_lbDistance);
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

VarifyFrm::~VarifyFrm() {
    disconnect(m_focusWatch); // the keys go before QObject would end the connection
}

void VarifyFrm::showFocusRing() {
    auto* key = qobject_cast<ButtonEx*>(QApplication::focusWidget());
    if (!key || key->parentWidget() != m_picture1) {
        m_focusRing->hide();
        return;
    }
    m_focusRing->setGeometry(key->geometry().adjusted(-4, -4, 4, 4));
    m_focusRing->stackUnder(key);
    m_focusRing->show();
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
    const std::size_t accepted = m_keypad.KeyHistory().size();
    m_keypad.pressKey(index);
    showKeypad();
    if (index == checker::KeyEquals && m_keypad.KeyHistory().size() > accepted && m_keypad.result())
        emit checked(*m_keypad.result());
}

void VarifyFrm::setRoundAnalysis(int exactCount, const std::vector<std::int32_t>& nearest) {
    m_exactCount = exactCount;
    m_nearest = nearest;
    showDistance();
}

void VarifyFrm::showDistance() {
    const std::optional<std::int32_t> value = m_keypad.result();
    const bool missed = value && m_keypad.outcome() == checker::Outcome::Open;
    m_lbDistance->setVisible(missed);
    if (!missed)
        return;
    const qint64 away = std::abs(qint64{*value} - m_keypad.target());
    QString text = tr("%1 away").arg(away);
    if (m_exactCount > 0) {
        text = tr("%1 away; an exact answer exists").arg(away);
    } else if (!m_nearest.empty()) {
        const QString values = m_nearest.size() > 1
                                   ? tr("%1 or %2").arg(m_nearest.front()).arg(m_nearest.back())
                                   : QString::number(m_nearest.front());
        text = tr("%1 away; nearest possible: %2").arg(away).arg(values);
    }
    m_lbDistance->setText(text);
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
        const QString caption = qtext(m_keypad.caption(k));
        if (m_btn1[k]->caption() != caption)
            m_btn1[k]->setCaption(caption);
        showEnabled(m_btn1[k], m_keypad.isKeyEnabled(k), lookOf(k));
    }
    showEnabled(m_cmdBack, m_keypad.isBackEnabled(), kControlKey);
    m_lbasw->setText(shownDisplay(m_keypad.display()));
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
    m_lbTarget->setText(
        tr("Target = %1")
            .arg(qtext(m_keypad.targetCaption().substr(checker::kTargetCaption.size()))));
    showDistance();
}

void VarifyFrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGradient(this, painter, kCheckerGradient);
}

bool VarifyFrm::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        watched == QApplication::focusWidget())
        showFocusRing();
    // Enter is "=" wherever the focus is, as on the window itself; Space presses the key.
    if (event->type() == QEvent::KeyPress && qobject_cast<ButtonEx*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn1_Click(checker::KeyEquals);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
    case Qt::Key_Delete:
        ButtonEx1_Click();
        return;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
    case Qt::Key_6:
        key = event->key() - Qt::Key_1; // the six number keys, largest first
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    btn1_Click(key);
}
