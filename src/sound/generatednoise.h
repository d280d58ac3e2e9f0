#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The noises the program makes itself, as they play, instead of reading them from a file.
namespace GeneratedNoise {

enum class Colour { Brown, Pink, White };

/// Their style names, in the order they are listed: first, so that the stored numbers of the styles keep meaning them.
QStringList styles();

/// What plays \a style when it is one of them: a name that no file has, which openDecoder() knows.
std::optional<QString> sourceOf(const QString &style);

/// The colour that \a path generates, when it is such a name.
std::optional<Colour> colourOf(const QString &path);

/// The name the user reads for \a style: a generated noise's in the user's language, any other as it stands.
QString displayName(const QString &style);

/// The style that the user's \a name stands for: the stored name of a generated noise shown as \a name, else \a name.
QString styleOf(const QString &name);

} // namespace GeneratedNoise
