#!/usr/bin/env bash
# The Debian package as a user meets it: built by cpack from this build folder,
# unpacked into a scratch root, its files and metadata checked (file list,
# dependencies, desktop-file-validate, lintian, manual pages, icons, font
# rules), then the installed program started under a private X server with a
# fresh home, as a user who cannot write the program's folder: the window
# appears, the desktop entry it writes names the installed program and icon,
# and its catalogue and 7-Zip library live in the XDG data folder.
#
# usage: PackageTest.sh BUILD_DIR EMBEDDED_7Z_LIBRARY
# Exits 77 (skipped) with a message when a packaging tool is missing.
set -euo pipefail

build=$(realpath "$1")
library=$2

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate Xvfb xdotool \
  import identify compare rsvg-convert fc-match man setpriv; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/setup installs the packaging tools)"
    exit 77
  fi
done

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

scratch=$(mktemp -d /tmp/telvora-package.XXXXXX)
chmod 755 "$scratch"
xvfb=
program=
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- The package --------------------------------------------------------------

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAILED: cpack -G DEB"
  exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$scratch/out/telvora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] && pass "cpack wrote $(basename "$deb")" || { fail "no $(basename "$deb")"; exit 1; }

expected_files="./usr/bin/telvora
./usr/bin/telvora-tool
./usr/share/applications/telvora.desktop
./usr/share/doc/telvora/changelog.gz
./usr/share/doc/telvora/copyright
./usr/share/fontconfig/conf.avail/35-telvora-aliases.conf
./usr/share/icons/hicolor/16x16/apps/telvora.png
./usr/share/icons/hicolor/32x32/apps/telvora.png
./usr/share/icons/hicolor/48x48/apps/telvora.png
./usr/share/icons/hicolor/scalable/apps/telvora.svg
./usr/share/man/man1/telvora-tool.1.gz
./usr/share/man/man1/telvora.1.gz"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
if [ "$files" = "$expected_files" ]; then
  pass "file list"
else
  fail "file list differs (- expected, + packaged):"
  diff <(echo "$expected_files") <(echo "$files") || true
fi
if dpkg-deb -c "$deb" | awk '{print $2}' | grep -qv '^root/root$'; then
  fail "files not owned by root"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in 'p7zip-full' 'fonts-arphic-uming | fonts-wqy-zenhei | fonts-noto-cjk' \
  'libsdl2-2.0-0' 'libfontconfig1' 'libfreetype6' 'libjpeg62-turbo' 'libc6'; do
  case ", $depends," in
  *", $wanted"[,\ ]*) ;;
  *) fail "Depends lacks $wanted: $depends" ;;
  esac
done
pass "Depends: $depends"

if lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
  pass "lintian: no error or warning"
else
  cat "$scratch/lintian.log"
  fail "lintian"
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root"

# A menu entry that validates; the only remark allowed is the hint that TV
# could also be filed under Video.
validate() {
  local report
  report=$(desktop-file-validate "$1" 2>&1) || true
  report=$(echo "$report" | grep -v 'hint: value item "TV" in key "Categories"' || true)
  if [ -z "$report" ]; then pass "desktop-file-validate $2"; else fail "desktop-file-validate $2: $report"; fi
}
menu="$root/usr/share/applications/telvora.desktop"
validate "$menu" "menu entry"
for key in 'Name=Telvora' 'Name\[zh_CN\]=.*电视' 'Comment=.' 'Comment\[zh_CN\]=.' \
  'Exec=telvora$' 'Icon=telvora$' 'Categories=AudioVideo;TV;$'; do
  grep -q "^$key" "$menu" || fail "menu entry has no line $key"
done

for page in telvora telvora-tool; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  if [ -z "$warnings" ]; then pass "manual page $page(1)"; else fail "man $page: $warnings"; fi
done
# The tool's page lists every command its --help lists.
tool_page=$(zcat "$root/usr/share/man/man1/telvora-tool.1.gz")
for command in $("$root/usr/bin/telvora-tool" --help | awk '/^  [a-z]/ {print $1}'); do
  grep -q "^\\\\fB$command\\\\fR" <<<"$tool_page" || fail "telvora-tool(1) misses the command $command"
done

icons="$root/usr/share/icons/hicolor"
for size in 16 32 48; do
  geometry=$(identify -format '%wx%h %[channels]' "$icons/${size}x${size}/apps/telvora.png")
  [ "$geometry" = "${size}x${size} srgba" ] || fail "icon ${size}px is $geometry"
done
# The scalable icon is the same drawing as the detailed raster one.
rsvg-convert -w 48 -h 48 "$icons/scalable/apps/telvora.svg" -o "$scratch/svg48.png"
# (compare exits 1 for pictures that differ at all.)
difference=$({ compare -metric RMSE "$scratch/svg48.png" "$icons/48x48/apps/telvora.png" null: 2>&1 ||
  true; } | sed 's/.*(\(.*\))/\1/')
if awk -v d="$difference" 'BEGIN { exit !(d < 0.05) }'; then
  pass "scalable icon matches the 48 px one (RMSE $difference)"
else
  fail "scalable icon differs from the 48 px one (RMSE $difference)"
fi

# The installed font rules give fontconfig the program's names.
cat >"$scratch/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <include>$root/usr/share/fontconfig/conf.avail/35-telvora-aliases.conf</include>
</fontconfig>
CONF
song=$(FONTCONFIG_FILE="$scratch/fonts.conf" fc-match -f '%{family[0]}' 宋体)
[ "$song" = "AR PL UMing CN" ] && pass "font rules: 宋体 is $song" || fail "font rules: 宋体 is $song"

# --- The installed program ------------------------------------------------------

# A fresh home, and as root the user "nobody", who may not write the program's
# folder: the program must keep its data in the XDG data folder.
home="$scratch/home"
mkdir -p "$home/Desktop" "$scratch/run"
chmod 700 "$scratch/run"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$home" "$scratch/run"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

displayfile="$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
[ -s "$displayfile" ] || { fail "Xvfb did not start"; exit 1; }
display=":$(head -n 1 "$displayfile")"

"${as_user[@]}" env -i PATH=/usr/bin:/bin DISPLAY="$display" HOME="$home" \
  XDG_RUNTIME_DIR="$scratch/run" LANG=C.UTF-8 "$root/usr/bin/telvora" >"$scratch/program.log" 2>&1 &
program=$!

window=
for _ in $(seq 150); do
  window=$(DISPLAY="$display" xdotool search --name '^Telvora' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if [ -n "$window" ]; then
  pass "the installed program's window appeared"
  sleep 1
  DISPLAY="$display" import -window root "$build/packaging/installed-program.png" 2>/dev/null &&
    echo "screenshot: $build/packaging/installed-program.png"
else
  cat "$scratch/program.log"
  fail "no window from the installed program"
fi

entry="$home/Desktop/Telvora.desktop"
if [ -f "$entry" ]; then
  validate "$entry" "desktop entry the program wrote"
  grep -qxF "Exec=\"$root/usr/bin/telvora\"" "$entry" || fail "the entry does not start the installed program: $(grep ^Exec "$entry")"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  if [ "$icon" = telvora ] && [ -f "$icons/48x48/apps/$icon.png" ] && [ -f "$icons/scalable/apps/$icon.svg" ]; then
    pass "the entry names the installed icon ($icon)"
  else
    fail "the entry names the icon \"$icon\", which the package does not install"
  fi
else
  fail "no desktop entry at $entry"
fi

data="$home/.local/share/telvora"
[ -d "$data/ORVOListTemp" ] && pass "the catalogue folder is $data/ORVOListTemp" ||
  fail "no catalogue folder under $data"
cmp -s "$data/7z.dll" "$library" && pass "the 7-Zip library was written to $data/7z.dll" ||
  fail "no 7-Zip library (as embedded) at $data/7z.dll"
beside=$(ls -A "$root/usr/bin" | sort | tr '\n' ' ')
[ "$beside" = "telvora telvora-tool " ] || fail "files written beside the program: $beside"

if kill -0 "$program" 2>/dev/null; then
  kill -TERM "$program"
  status=0
  wait "$program" || status=$?
  program=
  [ "$status" -eq 0 ] && pass "the program ended cleanly on SIGTERM" || fail "exit status $status on SIGTERM"
else
  fail "the program ended by itself: $(cat "$scratch/program.log")"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
