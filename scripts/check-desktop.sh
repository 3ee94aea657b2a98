#!/usr/bin/env bash
# Checks an installation as a desktop sees it: installs a finished build into a temporary prefix,
# lists what arrived, and runs the desktop's own validators on the menu and autostart entries,
# the AppStream metainfo and the manual pages.
#   scripts/check-desktop.sh [BUILD_DIR]        (default: build)
# Exits 1 on any fault, 77 (skipped) when a validator is not installed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}

missing=()
for tool in desktop-file-validate appstreamcli groff man lexgrog; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "check-desktop: skipped, not installed: ${missing[*]} (scripts/install-deps.sh installs them)"
  exit 77
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
faults=0
fault() { echo "check-desktop: FAULT: $*"; faults=$((faults + 1)); }

# Runs a validator and counts it as a fault when it fails or says anything at all: a warning
# today is a rejected package or a wrongly shown entry tomorrow.
quiet_or_fault() {
  local what=$1; shift
  local out
  out=$("$@" 2>&1); local status=$?
  if [ $status -ne 0 ] || [ -n "$out" ]; then
    printf '%s\n' "$out"
    fault "$what"
  else
    echo "ok: $what"
  fi
}

# What man says while it formats a page, without the page itself.
man_warnings() { LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null; }

if ! out=$(cmake --install "$build" --prefix "$prefix" 2>&1); then
  printf '%s\n' "$out"
  echo "check-desktop: FAULT: cmake --install $build failed; build every target first"
  exit 1
fi
echo "Installed into a temporary prefix:"
(cd "$prefix" && find . -type f -printf '  %P\n' | sort)

id=org.feastbook.Feastbook
menu=share/applications/$id.desktop
autostart=share/feastbook/autostart/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
icon_sizes=(16 22 24 32 48 64 128 256)

# --- every file the desktop needs, where it looks for it ---
expected=(bin/feastbook bin/feastbook-gen share/feastbook/feastbook-help.html
          "$menu" "$autostart" "$metainfo"
          share/man/man1/feastbook.1 share/man/man1/feastbook-gen.1
          share/icons/hicolor/scalable/apps/feastbook.svg)
for size in "${icon_sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/feastbook.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fault "missing from the installation: $file"
done
for program in feastbook feastbook-gen; do
  [ ! -f "$prefix/bin/$program" ] || [ -x "$prefix/bin/$program" ] || fault "bin/$program is not executable"
done

# --- the entries name a program and an icon that the installation holds ---
for entry in "$menu" "$autostart"; do
  [ -f "$prefix/$entry" ] || continue
  program=$(sed -n '/^Exec=/{s/^Exec=\([^ ]*\).*/\1/p;q;}' "$prefix/$entry")
  icon=$(sed -n 's/^Icon=//p' "$prefix/$entry")
  [ -n "$program" ] && [ -f "$prefix/bin/$program" ] && [ -x "$prefix/bin/$program" ] || fault "$entry starts '$program', which is not installed in bin/"
  [ -n "$icon" ] && [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fault "$entry shows icon '$icon', which is not installed in the hicolor theme"
done

# --- each PNG icon is a PNG of the size its folder promises ---
for size in "${icon_sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/feastbook.png
  [ -f "$png" ] || continue
  read -r -a header < <(od -An -tu1 -N24 "$png" | tr '\n' ' ')
  signature="${header[*]:0:8}"
  width=$(( (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19] ))
  height=$(( (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23] ))
  if [ "$signature" != "137 80 78 71 13 10 26 10" ]; then
    fault "${size}x${size}/apps/feastbook.png is not a PNG file"
  elif [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
    fault "${size}x${size}/apps/feastbook.png is ${width}x${height}"
  fi
done

# --- the validators ---
for entry in "$menu" "$autostart"; do
  [ -f "$prefix/$entry" ] && quiet_or_fault "desktop-file-validate $entry" desktop-file-validate "$prefix/$entry"
done
if [ -f "$prefix/$metainfo" ]; then
  # --strict fails on warnings and notes too; only the pedantic remark that the id has capitals
  # remains, and the id must match the desktop entry's reverse-DNS name.
  if out=$(appstreamcli validate --no-net --strict "$prefix/$metainfo" 2>&1); then
    echo "ok: appstreamcli validate --no-net --strict $metainfo ($(grep -o 'Validation.*' <<<"$out"))"
  else
    printf '%s\n' "$out"
    fault "appstreamcli validate $metainfo"
  fi
  # The tree check also finds the desktop entry that the metainfo names as its launchable.
  if out=$(appstreamcli validate-tree --no-net --strict "$prefix" 2>&1); then
    echo "ok: appstreamcli validate-tree --no-net --strict (the launchable is installed)"
  else
    printf '%s\n' "$out"
    fault "appstreamcli validate-tree: the metainfo does not match the installed files"
  fi
fi
# --- the copy that "feastbook --autostart on" makes: it starts the installed program by its path ---
if [ -x "$prefix/bin/feastbook" ]; then
  copy=$prefix/config/autostart/$id.desktop
  if out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$prefix/config" PATH=/usr/bin:/bin \
           "$prefix/bin/feastbook" --autostart on 2>&1) && [ -f "$copy" ]; then
    quiet_or_fault "desktop-file-validate of the copy 'feastbook --autostart on' makes" desktop-file-validate "$copy"
  else
    printf '%s\n' "$out"
    fault "feastbook --autostart on failed in the installation"
  fi
fi
for page in share/man/man1/feastbook.1 share/man/man1/feastbook-gen.1; do
  [ -f "$prefix/$page" ] || continue
  quiet_or_fault "groff -man -ww -z $page" groff -man -ww -z "$prefix/$page"
  quiet_or_fault "man --warnings -l $page" man_warnings "$prefix/$page"
  # whatis and apropos find a page only by a NAME line of the form "name \- summary".
  lexgrog "$prefix/$page" >/dev/null || fault "$page has no NAME line that whatis can read"
done

if [ $faults -gt 0 ]; then
  echo "check-desktop: $faults fault(s)"
  exit 1
fi
echo "check-desktop: all desktop files present and valid"
