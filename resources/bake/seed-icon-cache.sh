#!/usr/bin/env bash
# Runs the program just built once, on an offscreen screen of a common size,
# until it has drawn its window and written its icon cache; the cache is kept
# as OUT, beside the executable, where every user's first start finds it (it
# is used only when the theme, style and Qt it was drawn with are the
# user's). This must never fail the build: without a seed, a first start
# draws its icons from the theme as it always did.
#   seed-icon-cache.sh MAVU OUT
exe=$1
out=$2
home=$(mktemp -d) || exit 0
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/config/Mavu"
printf '[Editor]\nTip=0\n[Help]\nWarning=1\n' >"$home/config/Mavu/Mavu.ini"
printf '{"screens":[{"name":"seed","x":0,"y":0,"width":1920,"height":1080,"dpr":1}]}' \
  >"$home/screens.json"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" \
  XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
  QT_QPA_PLATFORM="offscreen:configfile=$home/screens.json" ASAN_OPTIONS=detect_leaks=0 \
  "$exe" >/dev/null 2>&1 &
pid=$!
cache=$home/cache/Mavu/icons.cache
# The cache is written whole under its name (a rename) shortly after the
# window's last icon was drawn.
for _ in $(seq 150); do
  [ -s "$cache" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ -s "$cache" ] && cp "$cache" "$out.part" && mv -f "$out.part" "$out"; then
  :
else
  rm -f "$out.part" "$out"
fi
exit 0
