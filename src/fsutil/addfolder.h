#pragma once

#include "fileexists.h"
#include "folderlist.h"

#include <QString>

/// Lists the files of \a folder (given with or without a trailing "/") whose names match the wildcard
/// \a pattern ("*" and "?", case ignored; "*.*" matches every name, with or without a dot) and that pass
/// FileExistsStrict. Hidden files are included, folders never. The names carry no folder part and are
/// ordered by name, ignoring case. A missing or unreadable folder gives the empty result.
FolderList ListFolderFiles(const QString &folder, const QString &pattern);
