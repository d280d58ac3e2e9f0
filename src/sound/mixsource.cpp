#include "mixsource.h"

#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace MixSource {

namespace {
// A leading colon: no file name the program builds starts with one.
const QString Prefix = u":mix?"_s;
} // namespace

QString sourceOf(const QList<Layer> &layers) {
    QStringList items;
    for (const Layer &layer : layers) {
        items << QString::number(layer.volume) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(layer.path));
    }
    return Prefix + items.join(u'&');
}

std::optional<QList<Layer>> layersOf(const QString &source) {
    if (!source.startsWith(Prefix)) {
        return std::nullopt;
    }
    QList<Layer> layers;
    for (const QString &item : source.sliced(Prefix.size()).split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(u'=');
        bool isNumber = false;
        const int volume = item.left(equals).toInt(&isNumber);
        if (equals < 0 || !isNumber || volume < 0 || volume > 100) {
            return std::nullopt;
        }
        layers << Layer{QUrl::fromPercentEncoding(item.sliced(equals + 1).toLatin1()), volume};
    }
    return layers;
}

} // namespace MixSource
