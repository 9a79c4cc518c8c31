#!/usr/bin/env bash
# The program installed into a temporary DESTDIR as a package would install
# it: it runs from there with its own font and examples, the desktop finds its
# entry, icon and file type where a freedesktop desktop looks for them, and
# the .deb built from the same rules passes lintian without errors.
set -euo pipefail
budowa=$1
tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarvi-instalacja-$$-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
blad() { echo "BŁĄD: $*" >&2; exit 1; }

DESTDIR="$tmp/root" cmake --install "$budowa" --prefix /usr >/dev/null
usr=$tmp/root/usr
for plik in bin/quarvi share/applications/quarvi.desktop share/icons/hicolor/scalable/apps/quarvi.svg \
            share/mime/packages/quarvi.xml share/man/man1/quarvi.1.gz share/quarvi/Dane/Romans100.Lzs share/quarvi/Dane/Profile.txt \
            share/doc/quarvi/copyright; do
  [ -f "$usr/$plik" ] || blad "brak $plik"
done

# The installed program, run from its own folder, finds its font and examples under share/quarvi/.
przyklad="$usr/share/quarvi/Przykłady/Strop trzyprzęsłowy.qvr"
"$usr/bin/quarvi" --json "$przyklad" >"$tmp/wyniki.json"
python3 -c 'import json,sys; j=json.load(open(sys.argv[1])); assert len(j["kombinacje"]) == 3 and len(j["przesla"]) == 3, j' \
  "$tmp/wyniki.json"
"$usr/bin/quarvi" --pdf "$tmp/arkusze.pdf" "$przyklad" 2>"$tmp/bledy.txt"
if grep -q "Lzs" "$tmp/bledy.txt"; then blad "zainstalowany program nie znalazł czcionki: $(cat "$tmp/bledy.txt")"; fi
strony=$(pdfinfo "$tmp/arkusze.pdf" | sed -n 's/^Pages: *//p')
[ "$strony" = 4 ] || blad "PDF ma $strony stron zamiast 4"

# The desktop entry, and a .qvr file recognised as the type it opens.
desktop-file-validate "$usr/share/applications/quarvi.desktop"
grep -qx 'MimeType=application/x-quarvi;' "$usr/share/applications/quarvi.desktop" || blad "wpis nie otwiera zadań"
grep -qx 'Icon=quarvi' "$usr/share/applications/quarvi.desktop" || blad "wpis bez ikony"
xmllint --noout "$usr/share/icons/hicolor/scalable/apps/quarvi.svg"
cp -r "$usr/share/mime" "$tmp/mime"
update-mime-database "$tmp/mime" >/dev/null 2>&1
grep -qx 'application/x-quarvi:\*\.qvr' "$tmp/mime/globs" || blad "typ *.qvr nieznany: $(cat "$tmp/mime/globs")"
zcat "$usr/share/man/man1/quarvi.1.gz" >"$tmp/quarvi.1"
grep -q -- 'raport' "$tmp/quarvi.1" || blad "strona podręcznika bez --raport"

# The package: its dependencies from the linked libraries, and lintian's verdict.
cpack --config "$budowa/CPackConfig.cmake" -G DEB -B "$tmp/pakiet" >/dev/null
deb=$(ls "$tmp"/pakiet/quarvi_*.deb)
zaleznosci=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libc6 libqt6svg6 fonts-dejavu-core; do
  grep -q "$p" <<<"$zaleznosci" || blad "pakiet nie zależy od $p: $zaleznosci"
done
lintian --fail-on error "$deb" 2>/dev/null
echo "OK"
