#pragma once

#include <QString>
#include <QStringList>

/// The file names a folder listing found, as an array with bounds: indices 1 to N when there is at
/// least one name, otherwise a single empty text at index 0.
class FolderList {
public:
    /// The empty result: one empty text at index 0.
    FolderList() = default;
    explicit FolderList(QStringList names);

    int lowerBound() const;
    int upperBound() const;
    /// The text at \a index, which must lie within lowerBound()..upperBound().
    QString at(int index) const;
    /// The names found, in order; empty when nothing qualified.
    QStringList names() const;

private:
    QStringList m_names;
};
