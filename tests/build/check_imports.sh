#!/bin/sh
# Every program must start on a bare Windows: it may import system DLLs only.
# usage: check_imports.sh OBJDUMP EXE...
objdump=$1
shift
allowed='^(kernel32|user32|gdi32|advapi32|shell32|winmm|version|ole32|oleaut32|comctl32|comdlg32|msvcrt|msimg32|gdiplus)\.dll$'
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "$exe: no imports found"; status=1; }
  for dll in $dlls; do
    if ! echo "$dll" | grep -Eq "$allowed"; then
      echo "$exe imports $dll"
      status=1
    fi
  done
  echo "$exe: $(echo $dlls)"
done
exit $status
