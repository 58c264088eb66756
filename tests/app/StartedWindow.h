#pragma once

#include "TestSupport.h"

#include "app/TTambFrm.h"
#include "model/Settings.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tamb::test {

// The main window started on a 1280 x 1024 screen in a folder of its own,
// beside a settings file (with the school "Schule" unless told otherwise).
struct StartedWindow
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> window;

    explicit StartedWindow(bool namedSchool = true)
    {
        Model settings = startedModel();
        settings.ProgDir = dir.path();
        if (namedSchool)
            settings.SchoolName = QStringLiteral("Schule");
        WriteSettings(settings);
        StartOptions options;
        options.ui = &ui;
        options.screen = {1280, 1024};
        options.workingDirectory = dir.path();
        window = std::make_unique<TTambFrm>(options);
        window->show();
    }
    Model &model() { return window->model(); }
    bool activate()
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
};

} // namespace tamb::test
