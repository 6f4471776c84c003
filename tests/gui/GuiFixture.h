#pragma once

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "platform/CarsPack.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include "FakePlatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace tesmi::fakes {

// A program directory in a temporary folder with a real data.db, the real
// picture pack and fakes for the outside world.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        paths = std::make_unique<AppPaths>(dir.path());
        db = Database::OpenDatabase(paths->databaseFile());
        firstRun = EnsureSchema(*db);
        ASSERT_TRUE(cars.open(QStringLiteral(TESMI_CARS_PACK)));
        context = std::make_unique<AppContext>(
            AppContext{fake.platform(), Guard(fake.prompts, fake.termination), *paths, *db, cars});
    }

    // The real main window over this fixture's database, restored, shown and active.
    std::unique_ptr<MainWindow> startMainWindow()
    {
        auto window = std::make_unique<MainWindow>(*context, firstRun, splash);
        window->restoreState();
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    template <typename T = QWidget>
    static T *child(const QWidget *parent, const QString &name)
    {
        T *found = parent->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Saves what a window looks like, for a person to look at.
    static void saveScreenshot(QWidget &window, const QString &name)
    {
        window.grab().save(QStringLiteral(TESMI_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
    }

    QTemporaryDir dir;
    FakePlatform fake;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<Database> db;
    bool firstRun = false;
    CarsPack cars;
    std::unique_ptr<AppContext> context;
    SplashWindow splash;
};

} // namespace tesmi::fakes
