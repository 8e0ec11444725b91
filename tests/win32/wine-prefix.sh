#!/usr/bin/env bash
# Prepares the Wine prefixes that tests/win32/wine-run.sh runs Windows programs in, under ROOT
# (a folder of the build tree; ~/.wine is never touched):
#   ROOT/locale      a private zh_CN.UTF-8 locale, so Wine's Windows locale is Chinese (PRC)
#   ROOT/dpi96       a fresh prefix: no Mono, Gecko or menu entries, no crash dialog, Wine's
#                    virtual desktop of 1280 x 1024 (Wine draws Windows frames), Wine's own UI
#                    fonts, and 宋体/SimSun/新宋体/NSimSun and 黑体/SimHei mapped to the Debian
#                    faces AR PL UMing CN and WenQuanYi Zen Hei
#   ROOT/dpi144      copies of it at 144 and 192 dpi (LogPixels)
#   ROOT/dpi192
# Usage: wine-prefix.sh ROOT
set -euo pipefail

root=$1
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$root"
root=$(cd "$root" && pwd)
rm -rf "$root/locale" "$root"/dpi*
mkdir -p "$root/locale"
localedef -i zh_CN -f UTF-8 "$root/locale/zh_CN.UTF-8"

base=$root/dpi96
# Windows registry files are UTF-16 with a byte-order mark.
reg=$root/settings.reg
iconv -f UTF-8 -t UTF-16 > "$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"
"新宋体"="AR PL UMing CN"
"NSimSun"="AR PL UMing CN"
"黑体"="WenQuanYi Zen Hei"
"SimHei"="WenQuanYi Zen Hei"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1280x1024"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000060
REG

WINEPREFIX=$base "$here/wine-run.sh" --root "$root" wineboot -i
mkdir -p "$base/drive_c/windows/Fonts"
# Debian's Wine does not load its own UI fonts from /usr/share/wine/fonts; without them the
# caption buttons draw as letters.
cp /usr/share/wine/fonts/* "$base/drive_c/windows/Fonts/"
WINEPREFIX=$base "$here/wine-run.sh" --root "$root" regedit "$reg"

# The copies differ in the screen DPI only. With no Wine process running, the registry files
# can be edited in place: much faster than starting Wine for `reg add`. Wine keeps the DPI in
# three places (the desktop's LogPixels and two font ones); all say the same.
for dpi in 144 192; do
    cp -a "$base" "$root/dpi$dpi"
    value=$(printf '"LogPixels"=dword:%08x' "$dpi")
    sed -i "s/^\"LogPixels\"=dword:00000060\$/$value/" \
        "$root/dpi$dpi/user.reg" "$root/dpi$dpi/system.reg"
done
