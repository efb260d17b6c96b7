// SPDX-License-Identifier: MIT
#include "filestamp.h"

#include "filechannels.h"

#include <QFileInfo>

namespace pantrex {

FileStamp FileStamp::of(const FileChannels& files, const QString& name) {
    const QString path = files.pathOf(name);
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.path = path;
    stamp.revision = files.revision(name);
    if (info.exists()) {
        stamp.size = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}

} // namespace pantrex
