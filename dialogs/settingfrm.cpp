#include "settingfrm.h"

#include "bkcprog.h"
#include "buttonex.h"
#include "digitkeys.h"
#include "fonts.h"
#include "lighttab.h"
#include "manualboard.h"
#include "messagebox.h"
#include "placement.h"
#include "rounding.h"
#include "settingrules.h"
#include "systemcolors.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace {

using namespace settingrules;

constexpr int kPages = 2;
constexpr std::uint32_t kGreyText = 0x80000011u;
const QString kDefaultLowest = QString::number(settingdefaults::kLowestTarget);
const QString kDefaultHighest = QString::number(settingdefaults::kHighestTarget);

// A rectangle given in twips (left, top, width, height) in pixels.
QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips::toPixelsX(left), twips::toPixelsY(top), twips::toPixelsX(width),
                 twips::toPixelsY(height));
}

template <typename W> W* place(W* widget, const char* name, QRect twipsGeometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsGeometry);
    return widget;
}

SettingValue storedValue(const SettingsStore& store, const char* name) {
    return store.GetSettingValue(SettingsKeyPath, QString::fromLatin1(name)).value;
}

bool storeValue(const SettingsStore& store, const char* name, int value) {
    return store.PutSettingValue(SettingsKeyPath, QString::fromLatin1(name), std::int32_t{value},
                                 SettingsStore::DWord);
}

// The dialog's "absent": the read gave nothing.
bool readNothing(const SettingValue& value) {
    const auto* text = std::get_if<QString>(&value);
    return std::holds_alternative<std::monostate>(value) || (text && text->isEmpty());
}

// The numeric reading of a stored value as a whole number; 0 when it has none.
int wholeNumber(const SettingValue& value) {
    return static_cast<int>(RoundHalfEven(takenAsNumber(value).value_or(0.0)));
}

// The whole number a target field holds: one to three digits "0" to "9", however they came
// in (typed, pasted, dropped); nothing for any other text.
std::optional<int> fieldNumber(const QLineEdit* field) {
    const QString text = field->text();
    return text.size() <= 3 ? DigitsValue(text.toStdString()) : std::nullopt;
}

} // namespace

SettingFrm::SettingFrm(Services services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)) {
    Q_ASSERT(m_services.settings && m_services.store);
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(tr("Settings")); // the title says nothing
    setFont(SansSerifFont(8.25));
    setFixedSize(twips::toPixelsX(5040), twips::toPixelsY(5415));
    createControls();

    // Form_Load
    CentreForm(this);
    LightTab1->setCaption(0, tr(" Difficulty "));
    LightTab1->setCaption(1, tr(" Timing "));
    for (int seconds = 30; seconds <= 60; seconds += 5)
        Combo1->addItem(QString::number(seconds));
    Acquire_Settings();
    for (QLineEdit* field : Text1)
        connect(field, &QLineEdit::textChanged, this, [this] { m_changed[0] = true; });
    const auto timingChanged = [this] { m_changed[1] = true; };
    connect(Check1, &QCheckBox::toggled, this, timingChanged);
    connect(Check2, &QCheckBox::toggled, this, timingChanged);
    connect(Combo1, &QComboBox::currentTextChanged, this, timingChanged);
    connect(HS1, &QScrollBar::valueChanged, this, timingChanged);

    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &SettingFrm::focusMoved);
}

SettingFrm::~SettingFrm() {
    disconnect(m_focusWatch);
}

void SettingFrm::createControls() {
    LightTab1 = place(new LightTab(this), "LightTab1", twipsRect(45, 60, 4920, 4740));
    LightTab1->setNumberOfTabs(2);
    LightTab1->setActiveTab(0);
    connect(LightTab1, &LightTab::AfterTabChange, this, &SettingFrm::LightTab1_AfterTabChange);

    const std::array<QRect, 3> buttonPlaces{twipsRect(60, 4920, 1500, 405),
                                            twipsRect(1770, 4920, 1500, 405),
                                            twipsRect(3450, 4905, 1500, 405)};
    const std::array<QString, 3> captions{tr("Cancel"), tr("OK"), tr("Apply")};
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* button = new ButtonEx(this);
        button->setCaption(captions[k]);
        button->setObjectName(QStringLiteral("ButtonEx1(%1)").arg(i));
        button->setGeometry(buttonPlaces[k]);
        connect(button, &ButtonEx::clicked, this, [this, i] { ButtonEx1_Click(i); });
        ButtonEx1[k] = button;
    }

    const std::array<QRect, 2> pagePlaces{twipsRect(165, 375, 4710, 4350),
                                          twipsRect(165, 360, 4710, 4350)};
    for (int i = 0; i < kPages; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Frame1[k] = new QFrame(this);
        Frame1[k]->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        Frame1[k]->setGeometry(pagePlaces[k]);
    }

    // Difficulty page.
    Frame2 = place(new QGroupBox(tr("Target Number Properties:"), Frame1[0]), "Frame2",
                   twipsRect(270, 315, 4080, 1425));
    Label3[0] =
        place(new QLabel(tr("Lowest Value:"), Frame2), "Label3(0)", twipsRect(210, 435, 1110, 195));
    Text1[0] =
        place(new QLineEdit(kDefaultLowest, Frame2), "Text1(0)", twipsRect(1290, 390, 870, 300));
    Label3[1] = place(new QLabel(tr("Highest Value:"), Frame2), "Label3(1)",
                      twipsRect(165, 855, 1110, 195));
    Text1[1] =
        place(new QLineEdit(kDefaultHighest, Frame2), "Text1(1)", twipsRect(1275, 825, 870, 300));
    for (QLineEdit* field : Text1) {
        field->setMaxLength(3);
        field->installEventFilter(this);
    }
    Label3[0]->setBuddy(Text1[0]);
    Label3[1]->setBuddy(Text1[1]);

    // Timing page.
    QWidget* timing = Frame1[1];
    cptest = new bkCProg(timing);
    cptest->setAccessibleName(tr("Round length preview"));
    cptest->ReadProperties(m_services.clockDesign);
    cptest->setAutoSize(true);
    place(cptest, "cptest", twipsRect(180, 270, 1560, 1380));
    cptest->setFont(ArialFont(14, true)); // the design's text sizes suit the large clock
    cptest->setTextOffsetX(0);
    cptest->setTextOffsetY(0);
    cptest->UserControl_Resize(); // centre and radius for this size
    cptest->setMax(60);
    cptest->setValue(30);
    cptest->setShowValue(false);
    Check1 = place(new QCheckBox(tr("Show Figurello Seconds "), timing), "Check1",
                   twipsRect(2190, 330, 2265, 225));
    Label1 =
        place(new QLabel(tr("Time allowed:"), timing), "Label1", twipsRect(2625, 735, 1065, 195));
    Combo1 = place(new QComboBox(timing), "Combo1", twipsRect(3795, 705, 690, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->lineEdit()->setAccessibleName(tr("Time allowed, seconds"));
    Label1->setBuddy(Combo1);
    Label2 = place(new QLabel(tr("Please note that the Figurello music will only be audible "
                                 "during the last 30 seconds of the Figurello."),
                              timing),
                   "Label2", twipsRect(2055, 1125, 2310, 810));
    Label2->setWordWrap(true);
    Label2->setFont(SansSerifFont(7.5)); // four lines above "Turn off sounds:"
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette grey = Label2->palette();
    grey.setColor(QPalette::WindowText,
                  systemcolors::toQColor(systemcolors::resolve(kGreyText, grey)));
    Label2->setPalette(grey);
    Check2 = place(new QCheckBox(tr("Turn off sounds:"), timing), "Check2",
                   twipsRect(2970, 1800, 1470, 240));
    Check2->setLayoutDirection(Qt::RightToLeft);
    Line1 = place(new QFrame(timing), "Line1",
                  QRect(twips::toPixelsX(210), twips::toPixelsY(2175),
                        twips::toPixelsX(4440) - twips::toPixelsX(210), 1));
    Line1->setAutoFillBackground(true);
    QPalette black = Line1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Line1->setPalette(black);
    Label5 = place(new QLabel(tr("Adjust the clock to synchronize with the music. Use the slider "
                                 "to slow down or quicken the clock."),
                              timing),
                   "Label5", twipsRect(240, 2355, 2370, 645));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HS1 = place(new QScrollBar(Qt::Horizontal, timing), "HS1", twipsRect(2700, 2370, 1830, 240));
    HS1->setRange(kSliderMin, kSliderMax);
    HS1->setSingleStep(10);
    HS1->setPageStep(50);
    HS1->setValue(settingdefaults::kLeastTimerInterval);
    HS1->setAccessibleName(tr("Clock speed, milliseconds per tick"));
    // In the tab order: Right and Page Up add, Left and Page Down take off, Home and End go
    // to the ends.
    HS1->setFocusPolicy(Qt::StrongFocus);
    HS1->setInvertedControls(false);
    m_sliderFocus = new QFocusFrame(this); // the style draws no focus on a scroll bar
    Label4 = place(new QLabel(QString::number(HS1->value()), timing), "Label4",
                   twipsRect(3270, 2625, 750, 285));
    Label4->setAutoFillBackground(true);
    QPalette white = Label4->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label4->setPalette(white);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label4->setAlignment(Qt::AlignCenter);

    connect(HS1, &QScrollBar::valueChanged, this, &SettingFrm::HS1_Change);
    connect(Check1, &QCheckBox::toggled, this, &SettingFrm::Check1_Click);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &SettingFrm::Combo1_Click);
    connect(Combo1, &QComboBox::activated, this, &SettingFrm::Combo1_Click);

    setTabOrder(LightTab1, ButtonEx1[0]);
    setTabOrder(ButtonEx1[0], ButtonEx1[1]);
    setTabOrder(ButtonEx1[1], ButtonEx1[2]);
    setTabOrder(ButtonEx1[2], Check1);
    setTabOrder(Check1, Combo1);
    setTabOrder(Combo1, Check2);
    setTabOrder(Check2, Text1[0]);
    setTabOrder(Text1[0], Text1[1]);
    setTabOrder(Text1[1], HS1);

    LightTab1_AfterTabChange(0);
}

void SettingFrm::Acquire_Settings() {
    const SettingsStore& store = *m_services.store;
    GameSettings& settings = *m_services.settings;

    Check1->setChecked(wholeNumber(storedValue(store, "ShowSeconds")) != 0);

    const SettingValue timeAllowed = storedValue(store, "TimeAllowed");
    settings.RoundSeconds = roundSecondsFrom(timeAllowed);
    const int index = readNothing(timeAllowed) ? 0 : wholeNumber(timeAllowed);
    // An index the list does not have (none that the dialog stores) selects nothing, and is
    // stored back as it was.
    Combo1->setCurrentIndex(index >= 0 && index < Combo1->count() ? index : -1);
    m_listIndex = index;

    cptest->setValue(settings.RoundSeconds);

    Check2->setChecked(wholeNumber(storedValue(store, "NoSounds")) != 0);

    // A stored period outside the slider's range is clamped into it; text that is not a
    // number counts as absent.
    const SettingValue interval = storedValue(store, "TimerInterval");
    const std::optional<std::int16_t> interval16 = asInt16(interval);
    const int period = readNothing(interval) || !interval16
                           ? settingdefaults::kLeastTimerInterval
                           : std::clamp<int>(*interval16, kSliderMin, kSliderMax);
    settings.TimerInterval = static_cast<std::int16_t>(period);
    HS1->setValue(period);

    const SettingValue lowest = storedValue(store, "LowestTarget");
    Text1[0]->setText(readNothing(lowest) ? kDefaultLowest : QString::number(wholeNumber(lowest)));

    const SettingValue highest = storedValue(store, "HighestTarget");
    if (readNothing(highest)) {
        Text1[1]->setText(kDefaultHighest);
    } else {
        const int shownLowest = wholeNumber(Text1[0]->text());
        const int storedHighest = wholeNumber(highest);
        Text1[1]->setText(shownLowest <= storedHighest ? QString::number(storedHighest)
                                                       : kDefaultHighest);
    }
    m_changed.fill(false);
}

bool SettingFrm::Apply_Difficulty() {
    const int lowest = fieldNumber(Text1[0]).value_or(settingdefaults::kLowestTarget);
    const int highest = fieldNumber(Text1[1]).value_or(settingdefaults::kHighestTarget);
    bool stored = storeValue(*m_services.store, "LowestTarget", lowest);
    stored = storeValue(*m_services.store, "HighestTarget", highest) && stored;
    m_services.settings->LowestTarget = static_cast<std::int16_t>(lowest);
    m_services.settings->HighestTarget = static_cast<std::int16_t>(highest);
    return stored;
}

bool SettingFrm::Apply_Timing() {
    const SettingsStore& store = *m_services.store;
    bool stored = storeValue(store, "ShowSeconds", Check1->isChecked() ? 1 : 0);
    stored = storeValue(store, "TimeAllowed", m_listIndex) && stored;
    stored = storeValue(store, "NoSounds", Check2->isChecked() ? 1 : 0) && stored;
    stored = storeValue(store, "TimerInterval", HS1->value()) && stored;
    m_services.settings->NoSounds = Check2->isChecked();
    // As start-up would load the stored index: a listed one gives index x 5 + 30 seconds.
    m_services.settings->RoundSeconds = roundSecondsFrom(std::int32_t{m_listIndex});
    if (m_services.setClockPeriod)
        m_services.setClockPeriod(HS1->value());
    return stored;
}

void SettingFrm::ButtonEx1_Click(int index) {
    if (index == 0) {
        reject();
        return;
    }
    if (index != 1 && index != 2)
        return;
    // The page on show, and every page changed since the dialog opened or the last Apply; all
    // are checked before any is stored.
    std::array<bool, kPages> pages = m_changed;
    const int shown = LightTab1->activeTab();
    if (shown >= 0 && shown < kPages)
        pages[static_cast<std::size_t>(shown)] = true;
    for (int page = 0; page < kPages; ++page) {
        if (pages[static_cast<std::size_t>(page)] && !pageValid(page))
            return;
    }
    bool stored = !pages[0] || Apply_Difficulty();
    stored = (!pages[1] || Apply_Timing()) && stored;
    m_changed.fill(false);
    if (m_services.GetSettings)
        m_services.GetSettings();
    // A store that could not be written still holds the old display: tell the window directly.
    if (pages[1] && m_services.showSeconds &&
        ShowSecondsSetting(*m_services.store) != Check1->isChecked())
        m_services.showSeconds(Check1->isChecked());
    if (!stored) {
        MsgBox(this,
               tr("The settings could not be saved in %1. They apply until the game is closed.")
                   .arg(QDir::toNativeSeparators(m_services.store->fileForKey(SettingsKeyPath))),
               tr("Settings not saved."), MessageIcon::Information);
    }
    if (index == 1)
        accept();
}

bool SettingFrm::fieldValid(int index) const {
    const std::optional<int> value = fieldNumber(Text1[static_cast<std::size_t>(index)]);
    const std::optional<int> lowest = fieldNumber(Text1[0]);
    return value && (index == 0 || !lowest || *lowest <= *value);
}

bool SettingFrm::Text1_Validate(int index) {
    if (fieldValid(index))
        return false;
    QLineEdit* field = Text1[static_cast<std::size_t>(index)];
    // Empty or not a whole number is refilled silently; a highest below the lowest is said.
    if (fieldNumber(field)) {
        MsgBox(this, tr("The Lowest value must be less than the Highest value."),
               tr("Invalid values."), MessageIcon::Information);
    }
    field->setText(index == 0 ? kDefaultLowest : kDefaultHighest);
    return true;
}

// Runs the checks of `page` as OK and Apply do; a page that fails is shown, with the focus in
// the control to mend.
bool SettingFrm::pageValid(int page) {
    if (page == 1) {
        if (!typedLength())
            LightTab1->setActiveTab(1);
        if (checkRoundLength())
            return true;
        Combo1->setFocus();
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (fieldValid(i))
            continue;
        LightTab1->setActiveTab(0);
        Text1_Validate(i);
        Text1[static_cast<std::size_t>(i)]->setFocus();
        return false;
    }
    return true;
}

QString SettingFrm::chosenLengthText() const {
    return m_listIndex >= 0 && m_listIndex < Combo1->count() ? Combo1->itemText(m_listIndex)
                                                             : QString();
}

// The list index that the round-length box's text stands for: the chosen one while it shows
// that, else the entry it names; nothing for text that names no entry.
std::optional<int> SettingFrm::typedLength() const {
    const QString text = Combo1->currentText();
    if (text == chosenLengthText())
        return m_listIndex;
    const int index = Combo1->findText(text);
    return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

// Takes the entry the box names, or refuses its text and returns to the entry chosen before.
bool SettingFrm::checkRoundLength() {
    if (const std::optional<int> index = typedLength()) {
        if (*index != m_listIndex) {
            Combo1->setCurrentIndex(*index);
            m_listIndex = *index;
        }
        return true;
    }
    MsgBox(this, tr("The time allowed must be one of the listed values."), tr("Invalid time."),
           MessageIcon::Information);
    Combo1->setCurrentIndex(m_listIndex >= 0 && m_listIndex < Combo1->count() ? m_listIndex : -1);
    Combo1->setEditText(chosenLengthText());
    return false;
}

int SettingFrm::targetIndexOf(const QObject* object) const {
    for (int i = 0; i < 2; ++i) {
        if (Text1[static_cast<std::size_t>(i)] == object)
            return i;
    }
    return -1;
}

void SettingFrm::focusMoved(QWidget* old, QWidget* now) {
    m_sliderFocus->setWidget(now == HS1 ? HS1 : nullptr);
    const int index = targetIndexOf(old);
    const bool fromList = old && (old == Combo1 || old == Combo1->lineEdit());
    // Only a move within this window validates; OK and Apply validate when clicked, Cancel
    // needs no valid fields.
    if ((index < 0 && !fromList) || !now || now->window() != this || now == Combo1 ||
        std::find(ButtonEx1.begin(), ButtonEx1.end(), now) != ButtonEx1.end())
        return;
    QWidget* back = nullptr;
    if (fromList)
        back = checkRoundLength() ? nullptr : Combo1;
    else if (Text1_Validate(index))
        back = Text1[static_cast<std::size_t>(index)];
    if (back)
        QTimer::singleShot(0, back, [back] { back->setFocus(Qt::OtherFocusReason); });
}

void SettingFrm::LightTab1_AfterTabChange(int index) {
    if (index > kPages - 1)
        return;
    for (int i = 0; i < kPages; ++i) {
        QFrame* page = Frame1[static_cast<std::size_t>(i)];
        if (i == index)
            continue;
        page->hide();
        page->setFrameStyle(QFrame::NoFrame);
    }
    QFrame* shown = Frame1[static_cast<std::size_t>(index)];
    shown->setFrameStyle(QFrame::Box | QFrame::Sunken);
    shown->show();
    shown->raise();
}

void SettingFrm::HS1_Change() {
    Label4->setText(QString::number(HS1->value()));
}

void SettingFrm::Combo1_Click(int index) {
    if (index >= 0)
        m_listIndex = index;
    if (Activated && index >= 0)
        cptest->setValue(Combo1->itemText(index).toInt());
}

void SettingFrm::Check1_Click() {
    cptest->setShowValue(!cptest->showValue());
}

bool SettingFrm::eventFilter(QObject* watched, QEvent* event) {
    // Text1_KeyPress: digits, backspace and tab pass; other characters are swallowed.
    if (event->type() == QEvent::KeyPress && targetIndexOf(watched) >= 0 &&
        SwallowsTypedKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool SettingFrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Activated = true; // Form_Activate
    return QDialog::event(event);
}
