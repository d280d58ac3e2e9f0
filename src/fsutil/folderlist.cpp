#include "folderlist.h"

#include <utility>

FolderList::FolderList(QStringList names) : m_names(std::move(names)) {}

int FolderList::lowerBound() const {
    return m_names.isEmpty() ? 0 : 1;
}

int FolderList::upperBound() const {
    return static_cast<int>(m_names.size());
}

QString FolderList::at(int index) const {
    Q_ASSERT_X(index >= lowerBound() && index <= upperBound(), "FolderList::at", "index out of bounds");
    if (m_names.isEmpty() || index < 1 || index > m_names.size()) {
        return {};
    }
    return m_names.at(index - 1);
}

QStringList FolderList::names() const {
    return m_names;
}
