#!/bin/sh
# usage: check_size.sh EXE MAX_BYTES
size=$(stat -c %s "$1") || exit 1
echo "$1: $size bytes (at most $2)"
[ "$size" -le "$2" ]
