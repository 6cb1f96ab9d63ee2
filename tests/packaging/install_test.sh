#!/bin/sh
# Checks the installed game as a player or packager gets it. Usage:
#   install_test.sh install CMAKE BUILD_DIR PREFIX   install the build tree into PREFIX afresh
#   install_test.sh STEP PREFIX    check one thing of the installed tree, STEP being layout,
#                                  desktop_entry, metainfo, man_page or launcher
# Exit 77 (skipped) when a validator the step needs is not installed.
set -u
step=$1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
need() {
  command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; exit 77; }
}

if [ "$step" = install ]; then
  cmake=$2
  build=$3
  prefix=$4
  rm -rf "$prefix"
  "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install $build failed"
  exit 0
fi

prefix=$(cd "$2" && pwd -P) || fail "no installed tree at $2"
# The one desktop entry names the id that the metainfo and the icons must share.
set -- "$prefix"/share/applications/*.desktop
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "expected one desktop entry, found: $*"; fi
id=$(basename "$1" .desktop)
desktop=$1
metainfo=$prefix/share/metainfo/$id.metainfo.xml
sizes="16 32 48 64 128 256"

# Width and height from a PNG's header, as "WxH".
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}

case $step in
  layout)
    expected="bin/brunival
lib/brunival/brunival
lib/brunival/brunival-headless
share/applications/$id.desktop
share/brunival/grafika.dat
share/brunival/lang/cs.txt
share/brunival/lang/en.txt
share/brunival/mod/hudba1.xm
share/brunival/mod/hudba2.mod
share/brunival/mod/hudba3.mod
share/brunival/mod/menu.mod
share/brunival/nexoda.cfg
share/brunival/zvuky.dat
share/man/man6/brunival.6
share/metainfo/$id.metainfo.xml"
    for size in $sizes; do
      expected="$expected
share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    expected=$(printf '%s\n' "$expected" | LC_ALL=C sort)
    found=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$found" != "$expected" ]; then
      printf '%s\n' "$expected" >"$prefix.expected"
      fail "installed files differ from the expected layout (< expected, > found):
$(printf '%s\n' "$found" | diff "$prefix.expected" - | grep '^[<>]')"
    fi
    for program in bin/brunival lib/brunival/brunival lib/brunival/brunival-headless; do
      [ -x "$prefix/$program" ] || fail "$program is not executable"
    done
    [ "$(head -n 1 "$prefix/bin/brunival")" = "#!/bin/sh" ] ||
      fail "bin/brunival should be a /bin/sh script, starts with: $(head -n 1 "$prefix/bin/brunival")"
    for size in $sizes; do
      icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
      got=$(png_size "$icon")
      [ "$got" = "${size}x${size}" ] || fail "$icon is $got, expected ${size}x${size}"
    done
    leftover=$(grep -l '@[A-Z_]*@' "$prefix/bin/brunival" "$desktop" "$metainfo" \
      "$prefix/share/man/man6/brunival.6")
    [ -z "$leftover" ] || fail "unsubstituted @VARIABLE@ left in: $leftover"
    ;;

  desktop_entry)
    grep -qx "Icon=$id" "$desktop" || fail "desktop entry should say Icon=$id"
    grep -qx "Exec=brunival" "$desktop" || fail "desktop entry should start the launcher brunival"
    need desktop-file-validate
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    ;;

  metainfo)
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo should carry the id $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
      fail "metainfo should launch $id.desktop"
    need appstreamcli
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    ;;

  man_page)
    need groff
    page=$prefix/share/man/man6/brunival.6
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
    ;;

  launcher)
    # A copy moved elsewhere, reached through a link, must still find its own game and data.
    moved=$prefix.moved
    rm -rf "$moved" "$moved.link"
    cp -a "$prefix" "$moved" || fail "cannot copy the tree to $moved"
    mkdir -p "$moved.link"
    ln -s "$moved/bin/brunival" "$moved.link/brunival"
    expected="game=$moved/lib/brunival/brunival
data=$moved/share/brunival"
    for launcher in "$moved/bin/brunival" "$moved.link/brunival"; do
      got=$(BRUNIVAL_PRINT_PATHS=1 "$launcher") || fail "$launcher failed"
      [ "$got" = "$expected" ] || fail "$launcher resolved
$got
expected
$expected"
    done

    # The installed runner in the installed data folder loads everything the game needs.
    state=$(cd "$moved/share/brunival" &&
      printf 'frames 3 700\nstate\n' | "$moved/lib/brunival/brunival-headless" --seed 1) ||
      fail "the installed brunival-headless failed"
    for flag in ConfigFailed GraphicsFailed SoundsFailed MusicFailed; do
      echo "$state" | grep -q "\"$flag\":false" ||
        fail "expected $flag false from the installed data, got: $(echo "$state" |
          grep -o "\"$flag\":[a-z]*")"
    done

    # The launcher starts the game inside the data folder: a stand-in game reports where it ran.
    printf '#!/bin/sh\npwd -P\n' >"$moved/lib/brunival/brunival"
    got=$(cd / && "$moved.link/brunival") || fail "the launcher did not start the game"
    [ "$got" = "$moved/share/brunival" ] ||
      fail "the game should start in $moved/share/brunival, started in $got"

    # Without its data the launcher says so rather than starting a game that cannot load.
    rm -rf "$moved/share/brunival"
    message=$("$moved/bin/brunival" 2>&1) && fail "the launcher ran without its data folder"
    case $message in
      *"data directory"*"share/brunival is missing"*) ;;
      *) fail "expected a message about the missing data folder, got: $message" ;;
    esac
    rm -rf "$moved" "$moved.link"
    ;;

  *)
    fail "unknown step $step"
    ;;
esac
echo "ok: $step"
