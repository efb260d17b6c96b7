#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that libnotiva.so exports what a host uses and nothing else: the MsgBox control, the
# property bags, the enumerations' meta-object and the four C entry points. The message form and
# the helpers stay inside the library.
#     exportedsymbols.sh NM LIBRARY
set -euo pipefail
nm="$1"
library="$2"

public='Notiva::(MsgBox|PropertyBag|MemoryPropertyBag)'
entryPoints='Dll(RegisterServer|UnregisterServer|GetClassObject|CanUnloadNow)'
allowed="^($entryPoints|(non-virtual thunk to )?$public::.*|(vtable|typeinfo|typeinfo name) for $public"
allowed+="|Notiva::staticMetaObject|__bss_start|_edata|_end"
# What the sanitizers of `scripts/test --asan` add: AddressSanitizer's marks for the exported
# variables, and the type information of Qt's classes that UndefinedBehaviorSanitizer checks against.
allowed+="|__odr_asan\..*|(typeinfo|typeinfo name) for Q[A-Za-z]*)$"

symbols="$("$nm" -D --defined-only --demangle "$library" | cut -d' ' -f3-)"
status=0
if extra="$(grep -Ev "$allowed" <<<"$symbols")"; then
    echo "libnotiva.so exports what no host uses:" >&2
    echo "$extra" >&2
    status=1
fi
for wanted in DllRegisterServer DllUnregisterServer DllGetClassObject DllCanUnloadNow \
    'Notiva::MsgBox::Show(QString const&, int, QString const&, int, int, bool)'; do
    if ! grep -qxF "$wanted" <<<"$symbols"; then
        echo "libnotiva.so does not export $wanted" >&2
        status=1
    fi
done
exit "$status"
