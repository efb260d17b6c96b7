// SPDX-License-Identifier: MIT
#pragma once

#include "notiva/notivaglobal.h"

#include <QObject>

// The enumerations of Notiva's type library. Q_ENUM_NS gives hosts their names through QMetaEnum,
// e.g. QMetaEnum::fromType<Notiva::IconConstants>().valueToKey(19) is "icnQuestion1".
namespace Notiva {
Q_NAMESPACE_EXPORT(NOTIVA_EXPORT)

enum ButtonGroupConstants : qint32 {
    btnOKOnly = 0,
    btnOKCancel = 1,
    btnAbortRetryCancel = 2,
    btnYesNoCancel = 3,
    btnYesNo = 4,
    btnRetryCancel = 5,
    btnYesYesToAllNo = 6,
    btnYesYesToAllNoCancel = 7,
    btnYesNoNoToAll = 8,
    btnYesNoNoToAllCancel = 9,
    btnYesYesToAllNoNoToAll = 10,
    btnYesYesToAllNoNoToAllCancel = 11,
    btnRemoveKeep = 12,
    btnRemoveRemoveAllKeep = 13,
    btnRemoveKeepKeepAll = 14,
    btnRemoveRemoveAllKeepKeepAll = 15,
};
Q_ENUM_NS(ButtonGroupConstants)

enum MessageResponseConstants : qint32 {
    // Show did not put up a box: an argument was out of range, a box was already open on this
    // thread, or Show was called outside the GUI thread. A warning names the reason.
    mbeRefused = -2,
    // The box was closed through its close button (only possible when Show allowed it).
    mbeClosed = -1,
    mbeOK = 0,
    mbeCancel = 1,
    mbeAbort = 2,
    mbeRetry = 3,
    mbeIgnore = 4,
    mbeYes = 5,
    mbeNo = 6,
    mbeYesToAll = 7,
    mbeNoToAll = 8,
    mbeRemove = 9,
    mbeKeep = 10,
    mbeRemoveAll = 11,
    mbeKeepAll = 12,
};
Q_ENUM_NS(MessageResponseConstants)

enum IconConstants : qint32 {
    icnNone = 0,
    icnDanger1 = 1,
    icnDanger2 = 2,
    icnDisk1 = 3,
    icnDisk2 = 4,
    icnEmail1 = 5,
    icnEmail2 = 6,
    icnError1 = 7,
    icnError2 = 8,
    icnGraph1 = 9,
    icnGraph2 = 10,
    icnInformation1 = 11,
    icnInformation2 = 12,
    icnInternet1 = 13,
    icnInternet2 = 14,
    icnNoentry1 = 15,
    icnNoentry2 = 16,
    icnPrinter1 = 17,
    icnPrinter2 = 18,
    icnQuestion1 = 19,
    icnQuestion2 = 20,
    icnRadar1 = 21,
    icnRadar2 = 22,
    icnScreen1 = 23,
    icnScreen2 = 24,
    icnTelephone1 = 25,
    icnTelephone2 = 26,
    icnWarning1 = 27,
    icnWarning2 = 28,
    icnNews1 = 29,
    icnNews2 = 30,
};
Q_ENUM_NS(IconConstants)

// The text alignment values Show accepts, as the classic alignment constants number them.
enum AlignmentConstants : qint32 {
    vbLeftJustify = 0,
    vbRightJustify = 1,
    vbCenter = 2,
};
Q_ENUM_NS(AlignmentConstants)

inline constexpr int ButtonGroupCount = 16;
inline constexpr int PictureCount = 30;

} // namespace Notiva
