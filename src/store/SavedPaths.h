#pragma once

#include "ItemRecord.h"

#include <QString>
#include <QStringList>

// Which paths of a saved row are trusted. The saved list is a file anyone
// with the user's rights may have written, and its paths are acted on: a
// conversion replaces the file it names, and an item's information file goes
// with the item. So a path counts only inside the folders given (the download
// folder, Reelix's data folder), where the kernel would find it: `..` is
// refused and symbolic links are followed before the comparison.
namespace SavedPaths {

// Whether `path` is strictly inside `folder`, both taken as the kernel sees
// them; a path or folder that cannot be resolved is not.
bool isInside(const QString &path, const QString &folder);
// The first path of `record` that is in none of `folders`, or empty when all
// are. An information file must be one of Reelix's own in the temporary
// folder, where the information run writes it.
QString outside(const ItemRecord &record, const QStringList &folders);

} // namespace SavedPaths
