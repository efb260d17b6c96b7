#include "productfiles.h"

#include "platform/dialogs.h"
#include "state/pantmod.h"

#include <QFile>
#include <QFileInfo>

namespace pantrex {

namespace {

RecordFile* openChannel(PANTMOD& pantmod, Dialogs& dialogs, int channel, const QString& name, int recordLength) {
    if (RecordFile* file = pantmod.files.file(channel))
        return file;
    RecordFile* file = pantmod.files.open(channel, name, recordLength);
    if (!file)
        reportFileError(dialogs, pantmod.files.errorString());
    return file;
}

} // namespace

RecordFile* openProductFile(PANTMOD& pantmod, Dialogs& dialogs) {
    return openChannel(pantmod, dialogs, ProductChannel, pantmod.prodpath, ProductRecord::Length);
}

RecordFile* openShoppingFile(PANTMOD& pantmod, Dialogs& dialogs) {
    return openChannel(pantmod, dialogs, ShoppingChannel, pantmod.shoppath, ShoppingRecord::Length);
}

bool stillWritable(RecordFile& file, Dialogs& dialogs, const QString& what) {
    // Opening the file again for writing asks the system itself; it changes nothing in the file.
    QFile probe(file.path());
    if (!probe.exists() || probe.open(QIODevice::ReadWrite))
        return true;
    reportFileError(dialogs, QStringLiteral("%1 %2: the file is read-only").arg(what, QFileInfo(probe).fileName()));
    return false;
}

void reportFileError(Dialogs& dialogs, const QString& error) {
    showFileError(dialogs, error);
}

} // namespace pantrex
