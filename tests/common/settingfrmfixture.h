#pragma once

#include "bkcprog.h"
#include "buttonex.h"
#include "lighttab.h"
#include "settingfrm.h"
#include "settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A settings dialog over a store in a scratch folder, with its controls found by name.
class SettingFrmTest : public testing::Test {
protected:
    void SetUp() override { store.CreateSettingsKey(SettingsKeyPath); }

    SettingValue stored(const char* name) const {
        return store.GetSettingValue(SettingsKeyPath, QString::fromLatin1(name)).value;
    }

    void open() {
        SettingFrm::Services services;
        services.settings = &settings;
        services.store = &store;
        dialog = std::make_unique<SettingFrm>(std::move(services));
        dialog->show();
        dialog->activateWindow(); // also on a display without a window manager
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T> T* get(const QString& name) { return dialog->findChild<T*>(name); }
    QLineEdit* text1(int i) { return get<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QCheckBox* check(int i) { return get<QCheckBox>(QStringLiteral("Check%1").arg(i)); }
    QComboBox* combo() { return get<QComboBox>(QStringLiteral("Combo1")); }
    bkCProg* preview() { return get<bkCProg>(QStringLiteral("cptest")); }
    void showTiming() { get<LightTab>(QStringLiteral("LightTab1"))->setActiveTab(1); }
    void click(int button) {
        QTest::mouseClick(get<ButtonEx>(QStringLiteral("ButtonEx1(%1)").arg(button)),
                          Qt::LeftButton);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    GameSettings settings;
    std::unique_ptr<SettingFrm> dialog;
};
