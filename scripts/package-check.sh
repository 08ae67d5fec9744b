#!/usr/bin/env bash
# Checks the installed form of Kvarnel: builds the .deb, validates the desktop
# entry and the AppStream data, unpacks the package into a fresh folder and
# runs the programs from there, checks that the manual page of kvarnel-admin
# names every command and option its --help shows, and runs lintian (errors
# fail; warnings are listed). Called by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "package-check: FEIL: $*" >&2; exit 1; }

rm -f build/kvarnel_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/kvarnel_*.deb)
echo "package-check: $deb"

desktop-file-validate packaging/no.trelvo.kvarnel.desktop
appstreamcli validate --no-net --pedantic build/packaging/no.trelvo.kvarnel.metainfo.xml

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/kvarnel usr/bin/kvarnel-admin \
         usr/share/applications/no.trelvo.kvarnel.desktop \
         usr/share/metainfo/no.trelvo.kvarnel.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/no.trelvo.kvarnel.svg \
         usr/share/icons/hicolor/48x48/apps/no.trelvo.kvarnel.png \
         usr/share/icons/hicolor/256x256/apps/no.trelvo.kvarnel.png \
         usr/share/man/man1/kvarnel.1.gz usr/share/man/man1/kvarnel-admin.1.gz \
         usr/share/doc/kvarnel/copyright usr/share/doc/kvarnel/changelog.gz; do
  [ -e "$root/$f" ] || fail "$f mangler i pakken"
done
file "$root/usr/share/icons/hicolor/48x48/apps/no.trelvo.kvarnel.png" | grep -q "48 x 48" || fail "ikonet 48x48 har feil størrelse"

# Nothing of the build in the package: only the programs are executables.
extra=$(find "$root" -type f -perm -u+x ! -path "*/usr/bin/*" | sed "s|$root||")
[ -z "$extra" ] || fail "uventede programfiler: $extra"
deps=$(dpkg-deb -f "$deb" Depends)
echo "package-check: Depends: $deps"
for d in mariadb-server fonts-liberation2 libmariadb3 libcurl4 libqt6widgets6; do
  grep -q "$d" <<<"$deps" || fail "Depends mangler $d"
done
if grep -qE -- '-dev|cmake|gtest|benchmark' <<<"$deps"; then fail "Depends har byggepakker: $deps"; fi
# xdg-open opens folders, documents and web addresses.
recs=$(dpkg-deb -f "$deb" Recommends)
grep -q "xdg-utils" <<<"$recs" || fail "Recommends mangler xdg-utils: $recs"

# The installed programs answer without a display or a database.
version=$(sed -n 's/^project(Kvarnel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$("$root/usr/bin/kvarnel" --version)" = "kvarnel $version" ] || fail "kvarnel --version"
[ "$("$root/usr/bin/kvarnel-admin" --version)" = "kvarnel-admin $version" ] || fail "kvarnel-admin --version"
help=$("$root/usr/bin/kvarnel-admin" --help)
"$root/usr/bin/kvarnel" --help | grep -q -- "--debug" || fail "kvarnel --help"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "pakkeversjonen er ikke $version"

# Every command word and every option of --help is in the manual page.
man=$(zcat "$root/usr/share/man/man1/kvarnel-admin.1.gz" | sed 's/\\-/-/g; s/\\f[BIRP]//g')
for word in $(sed -n 's/^ *kvarnel-admin \([a-z-]*\).*/\1/p' <<<"$help" | sort -u); do
  grep -q -- "$word" <<<"$man" || fail "manualsiden nevner ikke kommandoen $word"
done
for opt in $(grep -o -- '--[a-z0-9-]*' <<<"$help" | sort -u); do
  grep -q -- "$opt" <<<"$man" || fail "manualsiden nevner ikke valget $opt"
done

# lintian: errors fail the check, warnings are shown.
set +e
lint=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1)
set -e
echo "$lint" | sed 's/^/package-check: lintian: /'
if grep -q '^E:' <<<"$lint"; then fail "lintian meldte feil"; fi
echo "package-check: OK"
