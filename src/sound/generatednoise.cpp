#include "generatednoise.h"

namespace GeneratedNoise {

namespace {

// The program names its files by absolute paths, so this never names one.
constexpr QStringView Prefix = u":generated/";

struct Named {
    QStringView style;
    Colour colour;
};
constexpr Named Noises[] = {
    {u"Brown Noise", Colour::Brown}, {u"Pink Noise", Colour::Pink}, {u"White Noise", Colour::White}};

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

} // namespace GeneratedNoise
