#!/usr/bin/env bash
# Each shipped program must run from a bare folder: it may import only DLLs
# that every Windows installation has, never a mingw runtime DLL.
set -euo pipefail
BIN="$1"
OBJDUMP="${OBJDUMP:-x86_64-w64-mingw32-objdump}"
allowed='^(kernel32|user32|gdi32|opengl32|glu32|winmm|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|shlwapi|uxtheme|imm32|version|msimg32|shcore)\.dll$'
status=0
for program in Vantrel.scr Vantrel.dll; do
  dlls=$("$OBJDUMP" -p "$BIN/$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "FAIL $program: no import table read"; status=1; continue; }
  for dll in $dlls; do
    if ! grep -Eq "$allowed" <<<"$dll"; then
      echo "FAIL $program imports $dll"
      status=1
    fi
  done
  echo "$program imports: $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
