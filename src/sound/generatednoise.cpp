#include "generatednoise.h"

#include <QCoreApplication>

namespace GeneratedNoise {

namespace {

// The program names its files by absolute paths, so this never names one.
constexpr QStringView Prefix = u":generated/";

struct Named {
    QStringView style;
    Colour colour;
    // The stored name is never translated; the shown one is.
    const char *shown;
};
constexpr Named Noises[] = {{u"Brown Noise", Colour::Brown, QT_TRANSLATE_NOOP("GeneratedNoise", "Brown Noise")},
                            {u"Pink Noise", Colour::Pink, QT_TRANSLATE_NOOP("GeneratedNoise", "Pink Noise")},
                            {u"White Noise", Colour::White, QT_TRANSLATE_NOOP("GeneratedNoise", "White Noise")}};

} // namespace

QStringList styles() {
    QStringList names;
    for (const Named &noise : Noises) {
        names << noise.style.toString();
    }
    return names;
}

std::optional<QString> sourceOf(const QString &style) {
    for (const Named &noise : Noises) {
        if (noise.style == style) {
            return Prefix.toString() + style;
        }
    }
    return std::nullopt;
}

std::optional<Colour> colourOf(const QString &path) {
    if (!path.startsWith(Prefix)) {
        return std::nullopt;
    }
    const QStringView style = QStringView(path).sliced(Prefix.size());
    for (const Named &noise : Noises) {
        if (noise.style == style) {
            return noise.colour;
        }
    }
    return std::nullopt;
}

QString displayName(const QString &style) {
    for (const Named &noise : Noises) {
        if (noise.style == style) {
            return QCoreApplication::translate("GeneratedNoise", noise.shown);
        }
    }
    return style;
}

QString styleOf(const QString &name) {
    for (const Named &noise : Noises) {
        if (QCoreApplication::translate("GeneratedNoise", noise.shown) == name) {
            return noise.style.toString();
        }
    }
    return name;
}

} // namespace GeneratedNoise
