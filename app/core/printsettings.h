// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "data/records.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pantrex {

class FileChannels;

// "pantlpt.cfg": the print dialog's choices in record 1. A flag holds "1" or a blank.
struct PrintSettingsRecord {
    static constexpr int Length = 508;
    static constexpr Field FontSize{0, 2};
    static constexpr Field Regular{2, 1};
    static constexpr Field Bold{3, 1};
    static constexpr Field Alphabetical{4, 1};
    static constexpr Field ByCategory{5, 1};
    static constexpr Field Separators{6, 1};
    static constexpr Field UnitPrices{7, 1};
    // Not used; written back as it was read.
    static constexpr Field Unused{8, 500};
};

// "pantnote.dat": the three notes printed under the shopping list, one record each.
struct PrintNoteRecord {
    static constexpr int Length = 60;
    static constexpr int Count = 3;
    static constexpr Field Text{0, 60};
};

// The first record of a small file as far as the file holds it; missing bytes read as zeros, and
// a file that cannot be read gives an empty record.
Record firstRecordOf(const FileChannels& files, const QString& name, int length);

// The print dialog's choices as the settings file keeps them: the font size as stored (empty when
// none) and each flag, set or not.
struct PrintChoices {
    QString fontSize;
    bool regular = false;
    bool bold = false;
    bool alphabetical = false;
    bool byCategory = false;
    bool separators = false;
    bool unitPrices = false;
};

// What the print dialog starts from: the three notes, trimmed (a note the file does not hold is
// empty), and the choices of record 1 of the settings file, which is left open on its channel
// (created when missing). A record cut short reads as far as it goes. Something that is never read
// in the place of either file (a named pipe, a link out of the folder) is told, the first only; a
// file merely missing or unreadable reads as empty.
struct StoredPrintChoices {
    QStringList notes;
    PrintChoices choices;
    std::optional<Notice> notice;
};
StoredPrintChoices readPrintChoices(FileChannels& files);
// Writes the choices into record 1 of the settings file, the bytes it holds besides them kept, the
// file written anew in one atomic step; nothing, with the reason, when it cannot.
std::optional<Notice> writePrintChoices(FileChannels& files, const PrintChoices& choices);
// Writes the three notes trimmed into records 1 to 3, the file written anew in one atomic step;
// records after them stay as they are.
std::optional<Notice> writePrintNotes(FileChannels& files, const QStringList& notes);

} // namespace pantrex
