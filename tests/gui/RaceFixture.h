#pragma once

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Style.h"
#include "race/RaceController.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include "GuiFixture.h"

#include <QApplication>
#include <QTest>

namespace tesmi::fakes {

inline const QString kPlaceholderText = QStringLiteral("Это базовый текст, означающий, что нужно обновить текстовую базу!");

// The real main window with its race, driven by keys and the countdown tick.
class RaceWindowFixture : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
        SetModeSettings(*db, kRegularMode, {{"speedometr", "1"}, {"lighting", "символ"}});
    }

    void start()
    {
        window = startMainWindow();
        engine = &window->findChild<RaceController *>()->engine();
    }
    // Ctrl+Right and the countdown.
    void startRace()
    {
        QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
        ASSERT_TRUE(engine->active());
        for (int tick = 0; tick < 3; ++tick)
            engine->CountdownTick();
        ASSERT_TRUE(engine->state().RaceRunning);
    }
    // Keys as a person types them, to whatever holds the focus; Cyrillic too.
    void typeText(const QString &text, int msPerKey)
    {
        for (const QChar c : text) {
            fake.clock.advanceMs(msPerKey);
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return child<T>(window.get(), name);
    }

    std::unique_ptr<MainWindow> window;
    RaceEngine *engine = nullptr;
};

} // namespace tesmi::fakes
