// SPDX-License-Identifier: MIT
#include "buttongroups.h"

#include <array>

namespace Notiva {

using namespace Qt::StringLiterals;

namespace {

const GroupButton OK{"&OK"_L1, mbeOK};
const GroupButton Cancel{"&Cancel"_L1, mbeCancel};
const GroupButton Abort{"&Abort"_L1, mbeAbort};
const GroupButton Retry{"&Retry"_L1, mbeRetry};
const GroupButton Ignore{"&Ignore"_L1, mbeIgnore};
const GroupButton Yes{"&Yes"_L1, mbeYes};
const GroupButton No{"&No"_L1, mbeNo};
const GroupButton YesToAll{"Yes to &All"_L1, mbeYesToAll};
const GroupButton NoToAll{"No to &All"_L1, mbeNoToAll};
const GroupButton Remove{"&Remove"_L1, mbeRemove};
const GroupButton Keep{"&Keep"_L1, mbeKeep};
const GroupButton RemoveAll{"Remove &All"_L1, mbeRemoveAll};
const GroupButton KeepAll{"Keep &All"_L1, mbeKeepAll};
// Where a group has two "All" buttons, one access key could not serve both, so neither has one.
const GroupButton YesToAllPlain{"Yes to All"_L1, mbeYesToAll};
const GroupButton NoToAllPlain{"No to All"_L1, mbeNoToAll};
const GroupButton RemoveAllPlain{"Remove All"_L1, mbeRemoveAll};
const GroupButton KeepAllPlain{"Keep All"_L1, mbeKeepAll};

} // namespace

QList<GroupButton> buttonsOfGroup(int buttonGroup) {
    switch (buttonGroup) {
    case btnOKOnly:
        return {OK};
    case btnOKCancel:
        return {OK, Cancel};
    case btnAbortRetryCancel:
        return {Abort, Retry, Ignore};
    case btnYesNoCancel:
        return {Yes, No, Cancel};
    case btnYesNo:
        return {Yes, No};
    case btnRetryCancel:
        return {Retry, Cancel};
    case btnYesYesToAllNo:
        return {Yes, YesToAll, No};
    case btnYesYesToAllNoCancel:
        return {Yes, YesToAll, No, Cancel};
    case btnYesNoNoToAll:
        return {Yes, No, NoToAll};
    case btnYesNoNoToAllCancel:
        return {Yes, No, NoToAll, Cancel};
    case btnYesYesToAllNoNoToAll:
        return {Yes, YesToAllPlain, No, NoToAllPlain};
    case btnYesYesToAllNoNoToAllCancel:
        return {Yes, YesToAllPlain, No, NoToAllPlain, Cancel};
    case btnRemoveKeep:
        return {Remove, Keep};
    case btnRemoveRemoveAllKeep:
        return {Remove, RemoveAll, Keep};
    case btnRemoveKeepKeepAll:
        return {Remove, Keep, KeepAll};
    case btnRemoveRemoveAllKeepKeepAll:
        return {Remove, RemoveAllPlain, Keep, KeepAllPlain};
    default:
        return {};
    }
}

QList<int> buttonLefts(int buttonsShown, bool withPicture) {
    // Row k - 1 holds the lefts for k buttons.
    static const std::array<QList<int>, CommandButtonCount> withoutPictureRows = {{
        {2280},
        {1740, 2820},
        {1200, 2280, 3360},
        {660, 1740, 2820, 3900},
        {120, 1200, 2280, 3360, 4440},
    }};
    static const std::array<QList<int>, CommandButtonCount> withPictureRows = {{
        {2780},
        {2240, 3320},
        {1700, 2780, 3860},
        {1120, 2200, 3280, 4360},
        {120, 1200, 2280, 3360, 4440},
    }};
    if (buttonsShown < 1 || buttonsShown > CommandButtonCount)
        return {};
    return (withPicture ? withPictureRows : withoutPictureRows)[buttonsShown - 1];
}

} // namespace Notiva
