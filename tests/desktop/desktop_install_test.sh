#!/usr/bin/env bash
# Installs the build into a temporary prefix, as a packager or `cmake --install` by hand
# would, and checks what a Linux desktop needs of it: the programs, the desktop entry (valid
# for desktop-file-validate), the slip file type, the icons and the manual with every file
# it links.
set -euo pipefail
build=$1
cmake=${2:-cmake}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/miravo bin/miravo-cli; do
  [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
done
for file in share/applications/miravo.desktop share/mime/packages/miravo.xml \
  share/icons/hicolor/scalable/apps/miravo.svg share/icons/hicolor/48x48/apps/miravo.png \
  share/icons/hicolor/256x256/apps/miravo.png share/miravo/MIRAVO_man.htm; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done

desktop="$prefix/share/applications/miravo.desktop"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (desktop-file-utils)"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses miravo.desktop"
for line in 'Exec=miravo %f' 'Icon=miravo' 'Categories=Office;Finance;' \
  'MimeType=application/x-miravo-slip;'; do
  grep -qxF "$line" "$desktop" || fail "miravo.desktop lacks: $line"
done
for key in 'Name\[ja\]' 'Comment\[ja\]'; do
  grep -q "^$key=" "$desktop" || fail "miravo.desktop lacks $key"
done

# The file type database built from our package maps *.419 to the type the entry opens.
command -v update-mime-database >/dev/null || fail "update-mime-database is missing (shared-mime-info)"
update-mime-database "$prefix/share/mime"
grep -qF 'application/x-miravo-slip:*.419' "$prefix/share/mime/globs2" ||
  fail "*.419 is not a slip file for the mime database"
grep -qF '<comment xml:lang="ja">' "$prefix/share/mime/packages/miravo.xml" ||
  fail "the slip file type has no Japanese comment"

# Every relative link of the manual (its screenshots) reaches an installed file.
manual_dir="$prefix/share/miravo"
links=$(grep -oE '(src|href)="[^"#:]+"' "$manual_dir/MIRAVO_man.htm" | sed -E 's/^[a-z]+="(.*)"$/\1/' | sort -u)
[ -n "$links" ] || fail "the manual links no screenshots"
while IFS= read -r link; do
  [ -e "$manual_dir/$link" ] || fail "the manual links $link, which is not installed"
done <<<"$links"

"$prefix/bin/miravo-cli" --version >/dev/null || fail "the installed miravo-cli does not run"
echo "installed and valid: $prefix"
