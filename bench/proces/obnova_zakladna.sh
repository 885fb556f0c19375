#!/bin/sh
# The yardstick of a restore with the same safety, in plain tools: back the current files
# up, unpack the archive beside them, make it durable (syncfs), rename it into place.
#   obnova_zakladna.sh APPDIR ARCHIVE FILE_LIST
set -eu
cd "$1"
bsdtar --format zip -cf .pred-obnovou.zip -T "$3"
rm -rf .obnova .stare
mkdir .obnova .stare
bsdtar -xf "$2" -C .obnova
sync -f .obnova
for m in .obnova/* .obnova/.[!.]*; do
    [ -e "$m" ] || continue
    n=$(basename "$m")
    [ -e "$n" ] && mv "$n" .stare/
    mv "$m" "$n"
done
rm -rf .obnova .stare
