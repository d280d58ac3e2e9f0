#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// A style made of several sounds playing at once, each at its own volume: a small text file in the user's mixes
/// folder, readable and shareable (`[Mix]` `Version=1`, then `[Layer1]`... with `Sound=` a style's name as listed
/// and `Volume=` 0 to 100).
struct Mix {
    Q_DECLARE_TR_FUNCTIONS(Mix)

public:
    struct Layer {
        QString sound;
        int volume = 100;
        bool operator==(const Layer &) const = default;
    };

    static constexpr int Version = 1;
    static constexpr int MaxLayers = 8;
    static constexpr int MaxVolume = 100;

    QList<Layer> layers;
    bool operator==(const Mix &) const = default;

    /// `$XDG_DATA_HOME/somnivox/mixes` (`~/.local/share/somnivox/mixes`).
    static QString folder();
    /// The file of the mix called \a name in \a folder.
    static QString fileOf(const QString &folder, const QString &name);
    /// The mixes of \a folder by name, in the order they are listed.
    static QStringList namesIn(const QString &folder);

    /// The mix kept in the text \a text, or nothing with the reason in \a error.
    static std::optional<Mix> parse(const QByteArray &text, QString *error);
    /// The text that keeps this mix.
    QByteArray text() const;

    /// The mix in the file at \a path, or nothing with the reason in \a error. Only a regular file is read, without
    /// ever waiting on a FIFO or a device in its place.
    static std::optional<Mix> read(const QString &path, QString *error);
    /// Saves the mix at \a path whole or not at all: a crash leaves the former file or the new one. False with the
    /// reason in \a error when it cannot be saved, or when problem() finds one.
    bool write(const QString &path, const QString &name, const QStringList &mixNames, QString *error) const;

    /// Why the mix called \a name cannot be kept as it is (empty when it can): no layer, more than MaxLayers, a volume
    /// out of range, or a layer that names itself or another of the mixes \a mixNames.
    QString problem(const QString &name, const QStringList &mixNames) const;
};
