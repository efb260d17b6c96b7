// SPDX-License-Identifier: MIT
#pragma once

#include "notiva/constants.h"

#include <QLatin1StringView>
#include <QList>

namespace Notiva {

inline constexpr int CommandButtonCount = 5;

struct GroupButton {
    QLatin1StringView caption; // "&" marks the access key
    MessageResponseConstants result;
};

// The buttons of a group, left to right; empty for a value that names no group. A group of k
// buttons always takes the last k of Command1 to Command5.
QList<GroupButton> buttonsOfGroup(int buttonGroup);

// The lefts in twips of the visible buttons when buttonsShown of them stand at the right end of
// the row: centred on the form without a picture, moved right beside one.
QList<int> buttonLefts(int buttonsShown, bool withPicture);

} // namespace Notiva
