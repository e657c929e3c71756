#!/usr/bin/env bash
# The main job: installs what is missing, builds the DLLs (copied into dist/), then speaks a
# sentence through the real voxgate.dll under 32-bit Wine: espeak-ng turns the text into a
# 22050 Hz WAV, the demo host plays it through voxgate.dll and the demo engine (voxgate2.dll) at
# the asked speed and volume, and writes what its audio callback receives to a WAV file.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

usage() {
  cat <<'USAGE'
usage: bash scripts/demo.sh [options] [TEXT...]
  TEXT            what to say (default: a sentence about the demo)
  --wav FILE      speak this WAV instead (16-bit PCM mono, 22050 Hz); no espeak-ng needed
  --speed PCT     speech rate in percent, 10 to 1000 (default 150)
  --volume PCT    loudness in percent, 1 to 1000 (default 100)
  --setters       hand speed and volume to setboost/setvolume instead of the registry
  --out FILE      where to write the result (default out/speech.wav)
  --no-play       do not try to play the result
USAGE
}

die() {
  echo "demo: $*" >&2
  exit 1
}

speed=150
volume=100
mode=()
wav=""
out="out/speech.wav"
play=1
words=()
while [ $# -gt 0 ]; do
  case "$1" in
    --speed | --volume | --wav | --out)
      [ $# -ge 2 ] || { usage >&2; die "$1 needs a value"; }
      case "$1" in
        --speed) speed=$2 ;;
        --volume) volume=$2 ;;
        --wav) wav=$2 ;;
        --out) out=$2 ;;
      esac
      shift 2 ;;
    --setters) mode=(--setters); shift ;;
    --no-play) play=0; shift ;;
    -h | --help) usage; exit 0 ;;
    --*) usage >&2; die "unknown option $1" ;;
    *) words+=("$1"); shift ;;
  esac
done
text=${words[*]:-"This is voxgate, speaking through a time scale stage at one and a half times the normal rate, with the pitch unchanged."}

# Refuse bad input before the long steps; the host checks the ranges and the WAV format again.
[[ $speed =~ ^[0-9]+$ ]] || die "--speed must be a whole number of percent, got '$speed'"
[[ $volume =~ ^[0-9]+$ ]] || die "--volume must be a whole number of percent, got '$volume'"
if [ -n "$wav" ]; then
  [ -f "$wav" ] && [ -r "$wav" ] || die "cannot read the WAV file '$wav'"
  [ ${#words[@]} -eq 0 ] || die "give either TEXT or --wav FILE, not both"
fi

echo "== setup (installs what is missing)"
bash scripts/setup.sh
if [ -z "$wav" ] && ! command -v espeak-ng >/dev/null; then
  die "espeak-ng is missing: it turns the text into speech (scripts/setup.sh installs it), or use --wav FILE"
fi

echo "== build: PE32 DLLs, demo engine and host"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2
cmake --install build/mingw --prefix dist >/dev/null
echo "DLLs and voxgate-check.exe in $root/dist"

mkdir -p "$(dirname "$out")" out
out=$(realpath -m "$out")
if [ -z "$wav" ]; then
  wav=$root/out/input.wav
  echo "== text to speech: espeak-ng"
  espeak-ng -w "$wav" "$text" || die "espeak-ng could not speak the text"
fi
wav=$(realpath "$wav")

# The demo's own Wine prefix (build/mingw/demo-wineprefix); its wineserver ends with the script.
runner=build/mingw/wine-demo.sh
trap '"$runner" --stop >/dev/null 2>&1 || true' EXIT
echo "== Wine prefix (the first run creates it, which takes a minute)"
"$runner" --start

echo "== speaking through voxgate.dll under Wine"
# Wine maps the Unix root to drive Z:.
"$runner" build/mingw/demo-install/demo_host.exe --in "Z:$wav" --out "Z:$out" \
  --speed "$speed" --volume "$volume" "${mode[@]}" || die "the demo host failed (see above)"
echo "input WAV:  $wav"
echo "result WAV: $out"

# Playing is a bonus: it needs a player and a sound device, and nothing else depends on it.
if [ "$play" = 0 ]; then
  echo "not playing (--no-play)"
elif ! command -v play >/dev/null; then
  echo "not playing: no audio player (sox's 'play') installed"
elif ! ls /dev/snd/pcmC*p >/dev/null 2>&1 && [ -z "${PULSE_SERVER:-}" ] &&
  [ ! -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ]; then
  echo "not playing: no audio device on this machine"
elif play -q "$out" 2>/dev/null; then
  echo "played $out"
else
  echo "not played: the player could not open an audio device"
fi
