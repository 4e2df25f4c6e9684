#!/usr/bin/env bash
# Makes the program's sound cues in SOND/: short mono 16-bit WAV files.
# The instrument windows greet the user by speaking the instrument's name (espeak-ng);
# the chooser's page turn is a short rustle of filtered noise and the front panels' click
# a soft tick (sox); the meter's beep is a plain 2.5 kHz tone of whole cycles, so that
# played again and again it sounds as one continuous beep. FG110S.WAV is also the PHYWE
# window's cue, so it is a neutral two-note chime rather than a name. Needs: espeak-ng sox.
set -euo pipefail
cd "$(dirname "$0")/SOND"
rate=22050
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)

speak() { # file text
    espeak-ng -v es -s 150 -w /tmp/trivane_voice.wav "$2"
    sox /tmp/trivane_voice.wav "${fmt[@]}" "$1" norm -3 silence 1 0.02 1% reverse silence 1 0.02 1% reverse
    rm -f /tmp/trivane_voice.wav
}

speak FLUKE45S.WAV "Multímetro dual Fluke cuarenta y cinco"
speak PROMAXS.WAV "Fuente de alimentación Promax"
speak FLUKE43S.WAV "Multímetro Fluke setenta y tres"
speak DEMESTS.WAV "Multímetro Demestres dos mil uno"
speak HC6000S.WAV "Multímetro hache ce seis mil"

sox -n "${fmt[@]}" FG110S.WAV synth 0.18 sine 784 fade q 0.01 0.18 0.06 : synth 0.32 sine 1175 fade q 0.01 0.32 0.2 norm -4
sox -n "${fmt[@]}" PAGINA.WAV synth 0.55 pinknoise band 3000 2500 tremolo 18 70 fade q 0.05 0.55 0.25 norm -8
sox -n "${fmt[@]}" HOLYVISN.WAV synth 0.08 sine 2200 fade q 0.002 0.08 0.07 norm -6
sox -n "${fmt[@]}" PITIDO.WAV synth 0.2 sine 2500 fade q 0.004 0.2 0.004 norm -8
