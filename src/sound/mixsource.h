#pragma once

#include <QList>
#include <QString>

#include <optional>

/// What plays a mix: the files (or generated noises) of its layers, each at its volume, in one name that the player
/// opens as it opens a file's (see openDecoder()).
namespace MixSource {

struct Layer {
    /// The file or source that plays the layer.
    QString path;
    /// 0 to 100, as the mix keeps it.
    int volume = 100;
    bool operator==(const Layer &) const = default;
};

/// The name that plays \a layers together.
QString sourceOf(const QList<Layer> &layers);

/// The layers that \a source plays, when it is such a name.
std::optional<QList<Layer>> layersOf(const QString &source);

} // namespace MixSource
