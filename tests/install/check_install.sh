#!/usr/bin/env bash
# Installs a built Kestrova tree into a fresh temporary prefix and checks what
# lands there: the program, the desktop entry, the AppStream metainfo and the
# launcher icons; the desktop tools must accept the entry and the metainfo.
# Every check runs; the script fails if any of them failed.
#
#     check_install.sh <cmake> <build dir> <application id> <version> <bindir> <datadir>
#
# <bindir> and <datadir> are the install directories relative to the prefix
# (CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR).
set -uo pipefail

if [ $# -ne 6 ]; then
    echo "usage: $0 <cmake> <build dir> <application id> <version> <bindir> <datadir>" >&2
    exit 2
fi
cmake=$1 build=$2 id=$3 version=$4 bindir=$5 datadir=$6
icon_sizes=(16 22 24 32 48 64 128 256)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli ldd od update-mime-database xdg-mime gio; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing (scripts/install-deps.sh installs the desktop tools)"
        exit 1
    fi
done

prefix=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-install.XXXXXX") || exit 1
trap 'rm -rf "$prefix"' EXIT

# A DESTDIR in the environment would send the files elsewhere.
if ! output=$(env -u DESTDIR "$cmake" --install "$build" --prefix "$prefix" 2>&1); then
    echo "$output"
    echo "FAIL: cmake --install $build did not succeed (is the tree built?)"
    exit 1
fi

binary=$prefix/$bindir/kestrova
desktop=$prefix/$datadir/applications/$id.desktop
metainfo=$prefix/$datadir/metainfo/$id.metainfo.xml
icons=$prefix/$datadir/icons/hicolor
mime=$prefix/$datadir/mime/packages/$id.xml
examples=$prefix/$datadir/kestrova/exemples
expected=("$binary" "$desktop" "$metainfo" "$icons/scalable/apps/$id.svg"
    "$prefix/$datadir/doc/kestrova/copyright" "$prefix/$datadir/doc/kestrova/changelog.gz"
    "$mime" "$icons/scalable/mimetypes/application-x-kestrova.svg")
for lesson in 1-isochronisme 2-amortissement-critique 3-facteur-de-qualite 4-portrait-de-phase \
    5-foucault-longueur 6-loi-de-foucault; do
    expected+=("$examples/$lesson.kestrova")
done
for measurement in gyroscope-avec-pause.zip gyroscope-virgule-point.csv gyroscope-tabulation-point.csv \
    gyroscope-point-virgule-point.csv gyroscope-tabulation-virgule.csv gyroscope-point-virgule-virgule.csv \
    video-positions.txt interface-angle.csv interface-frottement-air.csv; do
    expected+=("$examples/mesures/$measurement")
done
for size in "${icon_sizes[@]}"; do
    expected+=("$icons/${size}x${size}/apps/$id.png")
done

# --- every file there, and nothing else (no internal library, header or test)
for file in "${expected[@]}"; do
    [ -s "$file" ] || fail "missing or empty: ${file#"$prefix"/}"
done
while IFS= read -r -d '' file; do
    known=false
    for e in "${expected[@]}"; do
        [ "$file" = "$e" ] && known=true && break
    done
    $known || fail "installed but not expected: ${file#"$prefix"/}"
done < <(find "$prefix" ! -type d -print0)

# --- the program
if [ -f "$binary" ]; then
    [ -x "$binary" ] || fail "the program is not executable"
    if missing=$(ldd "$binary" 2>&1 | grep 'not found'); then
        fail "the installed program misses libraries: $missing"
    fi
fi

# --- the icons: PNG files of the size their folder names
for size in "${icon_sizes[@]}"; do
    png=$icons/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    if [ "$signature" != 89504e470d0a1a0a ]; then
        fail "${size}x${size} icon is not a PNG file"
        continue
    fi
    # The IHDR chunk holds width and height as 32-bit big-endian numbers.
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
    height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "${size}x${size} icon is ${width}x${height} pixels"
done
svg=$icons/scalable/apps/$id.svg
[ -f "$svg" ] && ! grep -q '<svg' "$svg" && fail "the scalable icon is not an SVG picture"

# --- the desktop entry
if [ -f "$desktop" ]; then
    # Errors and warnings fail; hints do not (the three categories name two
    # main categories, which the tool hints at).
    report=$(desktop-file-validate "$desktop" 2>&1)
    status=$?
    [ -n "$report" ] && echo "$report"
    if [ $status -ne 0 ] || grep -Eq ': (error|warning): ' <<<"$report"; then
        fail "desktop-file-validate rejects the desktop entry"
    fi

    entry_value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    for key in Name 'Name\[fr\]' Comment 'Comment\[fr\]'; do
        [ -n "$(entry_value "$key")" ] || fail "the desktop entry has no ${key//\\/}"
    done
    [ "$(entry_value Comment)" != "$(entry_value 'Comment\[fr\]')" ] ||
        fail "the English and French comments are the same text"
    [ "$(entry_value Type)" = Application ] || fail "the desktop entry is not of type Application"
    [ "$(entry_value Icon)" = "$id" ] || fail "the desktop entry's icon is not $id"
    categories=$(entry_value Categories)
    for category in Education Science Physics; do
        [[ ";$categories" == *";$category;"* ]] || fail "the desktop entry lacks category $category"
    done
    [[ ";$(entry_value MimeType)" == *";application/x-kestrova;"* ]] ||
        fail "the desktop entry does not open lesson files (MimeType)"
    exec_line=$(entry_value Exec)
    program=${exec_line%% *}
    [ "$prefix/$bindir/$program" = "$binary" ] ||
        fail "the desktop entry runs '$program', not the installed program kestrova"
fi

# --- lesson files: the MIME database built from the installed definition
# knows an example by its name, and by its content under another name
if [ -f "$mime" ]; then
    mimedb=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-mime.XXXXXX") || exit 1
    mkdir -p "$mimedb/mime/packages" "$mimedb/home"
    cp "$mime" "$mimedb/mime/packages/" && update-mime-database "$mimedb/mime" ||
        fail "update-mime-database rejects the lesson file type"
    cp "$examples/1-isochronisme.kestrova" "$mimedb/lecon-sans-extension"
    for file in "$examples/1-isochronisme.kestrova" "$mimedb/lecon-sans-extension"; do
        type=$(XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME="$mimedb/home" XDG_DATA_DIRS="$mimedb" \
            xdg-mime query filetype "$file" 2>&1)
        [ "$type" = application/x-kestrova ] || fail "xdg-mime gives '$type' for ${file##*/}"
    done
    rm -rf "$mimedb"
fi

# --- the metainfo: strictly valid alone and together with the desktop entry
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects the metainfo"
    appstreamcli validate-tree --no-net --strict "$prefix" ||
        fail "appstreamcli rejects the installed tree (metainfo with its desktop entry)"

    # Read back through the AppStream parser: a translation in the wrong
    # place validates but is silently dropped.
    yaml=$(appstreamcli convert --format=yaml "$metainfo" - 2>&1) ||
        fail "appstreamcli cannot read the metainfo back: $yaml"

    # Prints the lines under a top-level key of the converted metainfo.
    block() { awk -v key="$1:" '$0 ~ /^[^ -]/ { inside = ($1 == key) ; next } inside' <<<"$yaml"; }
    [ "$(sed -n 's/^ID: //p' <<<"$yaml")" = "$id" ] || fail "the metainfo id is not $id"
    for key in Summary Description; do
        for lang in C fr; do
            block "$key" | grep -q "^  $lang: " || fail "the metainfo has no $key in '$lang'"
        done
    done
    block Launchable | grep -qx -- "  - $id.desktop" ||
        fail "the metainfo does not launch $id.desktop"
    block Screenshots | grep -Eq '^ +url: https?://' || fail "the metainfo has no screenshot"
    block ContentRating | grep -q 'oars-' || fail "the metainfo has no content rating"
    newest=$(block Releases | sed -n "s/^- version: '\{0,1\}\([^']*\)'\{0,1\}$/\1/p" | head -n 1)
    [ "$newest" = "$version" ] ||
        fail "the newest release in the metainfo is '$newest', the program is version $version"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed and valid: ${#expected[@]} files under a fresh prefix"
