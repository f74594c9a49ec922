#!/usr/bin/env bash
# Installs the built game into a scratch prefix and builds its Debian package,
# then checks what a desktop and a package manager would check: the desktop
# entry and AppStream data validate, the files lie where desktops look for
# them, and the package depends on what the game needs and passes lintian
# without an error or a warning (lintian also reads the manual page, as man
# and whatis would).
# Nothing is installed on the machine itself.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
id=io.zentap3.Zentap3
for file in bin/zentap3 "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/32x32/apps/$id.png" "share/icons/hicolor/128x128/apps/$id.png" share/man/man6/zentap3.6.gz; do
    [[ -f $scratch/prefix/$file ]] || fail "cmake --install left out $file"
done
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop"
grep -qx 'Categories=Game;ArcadeGame;' "$scratch/prefix/share/applications/$id.desktop" ||
    fail "the desktop entry is not filed under games"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$id.metainfo.xml"
[[ $(identify -format '%wx%h' "$scratch/prefix/share/icons/hicolor/128x128/apps/$id.png") == 128x128 ]] ||
    fail "the large icon is not 128 x 128"
(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/zentap3_*.deb)
# The package holds what cmake --install put in place, the game where Debian
# keeps games.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./usr/games/|./usr/bin/|' | grep '[^/]$' | sort >"$scratch/packaged"
(cd "$scratch/prefix" && find . -type f | sed 's|^\.|./usr|' | sort) >"$scratch/installed"
diff "$scratch/installed" "$scratch/packaged" || fail "the package holds other files than the install"
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-ipafont-gothic qt6-qpa-plugins libqt6widgets6 libc6; do
    grep -qw "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
version=$(dpkg-deb -f "$deb" Version)
[[ $(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/zentap3/changelog.gz | gunzip |
    dpkg-parsechangelog -l - -S Version) == "$version" ]] || fail "the changelog has no entry for $version"
# Lintian's caches go with the scratch folder, not into /tmp for good.
TMPDIR=$scratch lintian --allow-root --fail-on error,warning "$deb" || fail "lintian rejects the package"
echo "PASS: installs as a desktop program and packages as $(basename "$deb")"
