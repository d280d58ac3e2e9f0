#pragma once

#include "form1.h"
#include "mstartup.h"
#include "procedureerrorreport.h"
#include "settingsstore.h"
#include "skinframework.h"

#include "fakes/fakeclock.h"
#include "fakes/faketraynotifier.h"
#include "fakes/recordingnotifier.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

/// Everything a main window works with but its player: a temporary program folder with its own settings file and
/// autostart folder, a fake clock, a recording notifier and a fake notification area.
class Form1World {
public:
    QTemporaryDir dir;
    FakeClock clock;
    RecordingNotifier notifier;
    ProcedureErrorReport report{notifier, QStringLiteral("support@example.org")};
    FakeTrayNotifier tray;
    SkinFramework skin;
    std::unique_ptr<mStartUp> startUp;
    std::unique_ptr<SettingsStore> store;

    Form1World()
        : startUp(std::make_unique<mStartUp>(dir.filePath(QStringLiteral("somnivox")), autostartFolder())),
          store(std::make_unique<SettingsStore>(settingsFile())) {
        // The user's own sounds, never the real user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    }

    QString settingsFile() const { return dir.filePath(QStringLiteral("config/Vantrelle.ini")); }
    QString programFolder() const { return dir.path(); }
    QString autostartFolder() const { return dir.filePath(QStringLiteral("config/autostart")); }

    Form1::Services services(
        Player &player, std::function<int()> drawPercent = [] { return 50; },
        std::function<void(const QUrl &)> openUrl = [](const QUrl &) {}) {
        return {*store, player, notifier, report, clock, &tray, *startUp, skin, dir.path(),
                QStringLiteral("https://example.org/home"), QIcon(), std::move(drawPercent), std::move(openUrl),
                nullptr,
                // Only an empty file does not play.
                [](const QString &path) {
                    return QFileInfo(path).size() > 0 ? QString() : QStringLiteral("it holds no sound");
                }};
    }
};
