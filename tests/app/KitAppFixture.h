#pragma once
// The application on a data folder filled from the kit, with a pinned clock and a
// scripted prompt. Change data or options first, then Create().

#include "AppTestSupport.h"
#include "Clock.h"
#include "KelvoraApp.h"

#include <memory>

namespace kelvora::test {

struct KitApp {
    KitFolderCopy data;
    ScriptedPrompt prompt;
    FixedClock clock;
    TAppOptions options;
    std::unique_ptr<TKelvoraApp> app;

    explicit KitApp(const QTime& utc = QTime(0, 0)) : clock(QDateTime(QDate(2024, 2, 12), utc, Qt::UTC), 0.0) {}

    TKelvoraApp& Create() {
        options.DataFolder = data.Folder();
        options.ProgramFolder = ProgramFolder();
        app = std::make_unique<TKelvoraApp>(options, prompt, clock);
        app->EndApplication = [](int) {};
        app->CreateWindows();
        return *app;
    }
};

}  // namespace kelvora::test
