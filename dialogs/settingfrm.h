#pragma once

#include "gamesettings.h"
#include "propertybag.h"
#include "settingsstore.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class ButtonEx;
class LightTab;
class QCheckBox;
class QComboBox;
class QFocusFrame;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class bkCProg;

// The settings dialog: the target range on the " Difficulty " page; the round length, the
// clock's seconds display, the sound and the clock speed, with a preview clock, on the
// " Timing " page. It reads the store each time it opens; OK and Apply store the page on show
// and every page changed since the dialog opened or the last Apply, publish them in
// GameSettings and have the main window re-read what it shows. A store that cannot be written
// is said once per OK or Apply; the values then hold until the game ends.
//
// Controls carry their names in the game's rules as object names; arrays as "Text1(0)".
class SettingFrm : public QDialog {
    Q_OBJECT

public:
    struct Services {
        GameSettings* settings = nullptr;
        const SettingsStore* store = nullptr;
        std::function<void()> GetSettings;       // the main window re-reads the seconds display
        std::function<void(bool)> showSeconds;   // ... or is told it, when the store is stale
        std::function<void(int)> setClockPeriod; // the main window's clock timer, milliseconds
        PropertyBag clockDesign; // the main window's clock, for the preview to look like it
    };

    static constexpr int kSliderMin = 10;
    static constexpr int kSliderMax = 2000;

    explicit SettingFrm(Services services, QWidget* parent = nullptr);
    ~SettingFrm() override;

    void Acquire_Settings();
    // Each returns whether every value reached the store.
    bool Apply_Difficulty();
    bool Apply_Timing();
    // 0 Cancel, 1 OK, 2 Apply.
    void ButtonEx1_Click(int index);
    // Checks target field `index` as when the focus leaves it; true when the focus must stay
    // (the field was refilled). A field holds one to three digits "0" to "9".
    bool Text1_Validate(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createControls();
    void LightTab1_AfterTabChange(int index);
    void HS1_Change();
    void Combo1_Click(int index);
    void Check1_Click();
    void focusMoved(QWidget* old, QWidget* now);
    bool fieldValid(int index) const;
    bool pageValid(int page);
    int targetIndexOf(const QObject* object) const;
    QString chosenLengthText() const;
    std::optional<int> typedLength() const;
    bool checkRoundLength();

    Services m_services;
    QMetaObject::Connection m_focusWatch; // ends before the controls go
    bool Activated = false;
    // The round length's list index as chosen, or as stored when the list has no such entry.
    int m_listIndex = 0;
    std::array<bool, 2> m_changed{}; // pages changed since the dialog opened or the last Apply

    LightTab* LightTab1 = nullptr;
    std::array<ButtonEx*, 3> ButtonEx1{};
    std::array<QFrame*, 2> Frame1{};
    QGroupBox* Frame2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QLineEdit*, 2> Text1{};
    bkCProg* cptest = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check2 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label5 = nullptr;
    QScrollBar* HS1 = nullptr;
    QFocusFrame* m_sliderFocus = nullptr;
    QLabel* Label4 = nullptr;
};
