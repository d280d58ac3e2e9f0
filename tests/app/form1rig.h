#pragma once

#include "fakes/fakeplayer.h"
#include "fakes/form1world.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

/// A main window over fakes, in a temporary program folder with its own settings file.
class Form1Rig : public Form1World {
public:
    FakePlayer player;
    std::unique_ptr<Form1> form;
    int draw = 50;
    QList<QUrl> opened;

    explicit Form1Rig(const QStringList &sounds = defaultSounds(), const QMap<QString, QString> &settings = {}) {
        if (!sounds.isEmpty()) {
            QDir(dir.path()).mkdir(QStringLiteral("sounds"));
        }
        for (const QString &name : sounds) {
            QFile file(dir.filePath(QStringLiteral("sounds/") + name));
            file.open(QIODevice::WriteOnly);
        }
        for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
            store->WriteSetting(it.key(), it.value());
        }
    }

    static QStringList defaultSounds() {
        return {QStringLiteral("White Noise.mp3"), QStringLiteral("Brown Noise.mp3"), QStringLiteral("Pink Noise.mp3")};
    }

    QString soundFile(const QString &style) const {
        return dir.path() + QStringLiteral("/sounds/") + style + QStringLiteral(".mp3");
    }

    Form1 *load() {
        form = std::make_unique<Form1>(services(
            player, [this] { return draw; }, [this](const QUrl &url) { opened << url; }));
        form->Form_Load();
        return form.get();
    }

    /// What the settings file holds, read afresh from disk.
    QString stored(const QString &key) const {
        SettingsStore reopened(settingsFile());
        return reopened.ReadSetting(key, QStringLiteral("<absent>"));
    }

    template<typename T>
    T *child(const char *name) const {
        return form->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *onOff() const { return child<QPushButton>("PushButton2"); }
    QPushButton *preview() const { return child<QPushButton>("PushButton1"); }
    QComboBox *styles() const { return child<QComboBox>("Combo1"); }

    QList<int> reportedLines() const {
        QList<int> lines;
        for (const QString &text : notifier.texts) {
            const qsizetype at = text.indexOf(QStringLiteral("at line "));
            if (at >= 0) {
                lines << text.mid(at + 8).section(u'\r', 0, 0).toInt();
            }
        }
        return lines;
    }
};
