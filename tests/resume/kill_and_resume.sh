#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a game with SIGKILL at random moments of its play, starts it again in
# the same folder and takes the offer to resume: the game goes on from a week
# its menu really showed, at most the week in progress is lost, and a torn
# file is never loaded. The game is kept in slot 3 and saved there every few
# weeks: whatever moment the kill came at, that slot loads a week the menu
# showed with its whole record, and the resumed game still saves there.
# Usage: kill_and_resume.sh VERMONA_SCRIPT WORKDIR [ROUNDS]
set -euo pipefail
host=$1
work=$2
rounds=${3:-6}
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# A new game, then weeks of rest and training, each with the date and purse
# the menu shows.
{
  echo "click Form1.Command1"
  for _ in $(seq 10); do echo "click Form2.Command1"; done
  echo "click Form10.Command2"
  echo "caption Form3.Label11"; echo "caption Form3.Label12"; echo "get money"
  echo "saveslot 3"
  for w in $(seq 300); do
    echo "click Form3.Command1"
    echo "click Form4.Command$(( w % 3 == 0 ? 1 : 8 ))" # rest, or a paid job
    echo "caption Form3.Label11"; echo "caption Form3.Label12"; echo "get money"
    [ $(( w % 7 )) -ne 0 ] || echo "menu Form3.save"
  done
} > play.script

# Each week the menu showed, in order: year, date and purse on one line.
weeks() { grep -E '^(Form3\.Label1[12] =|money =)' | paste -d' ' - - - | sed 's/Form3\.Label1[12] = //g'; }

mkdir reference
(cd reference && "$host" ../play.script | weeks > ../reference.txt)
[ "$(wc -l < reference.txt)" -eq 301 ] || { echo "the reference run did not play every week"; exit 1; }

resumed_rounds=0
for round in $(seq "$rounds"); do
  dir=round$round
  mkdir "$dir"
  (
    cd "$dir"
    mkfifo in
    # The host writes out each line as it runs, so what was printed before
    # the kill is all there.
    "$host" < in > out.txt 2>&1 &
    host_pid=$!
    (cat ../play.script; sleep 60) > in &
    feeder=$!
    # Once play is under way (however busy the machine), a moment later.
    for _ in $(seq 400); do
      grep -q '^money =' out.txt 2>/dev/null && break
      sleep 0.05
    done
    sleep "0.$(( RANDOM % 5 ))$(( RANDOM % 10 ))"
    kill -9 "$host_pid" 2>/dev/null || true
    wait "$host_pid" 2>/dev/null || true
    kill "$feeder" 2>/dev/null || true
    wait "$feeder" 2>/dev/null || true
  )
  weeks < "$dir/out.txt" > "$dir/shown.txt" || true
  shown=$(wc -l < "$dir/shown.txt")
  if [ ! -e "$dir/resume.sav" ]; then
    # Killed before the first menu, or after the whole script: nothing to
    # resume is right only then.
    if [ "$shown" -gt 0 ] && [ "$shown" -lt 301 ]; then
      echo "round $round: no resume point after $shown weeks shown"; exit 1
    fi
    continue
  fi
  if [ -e "$dir/savedate3.sav" ]; then
    # Slot 3 as a player would load it, in a folder of its own.
    mkdir "$dir/slot3" && cp "$dir/savedate3.sav" "$dir/growth_record3.csv" "$dir/slot3/" 2>/dev/null || true
    (cd "$dir/slot3" && printf 'loadslot 3\ncaption Form3.Label11\ncaption Form3.Label12\nget money\nrecord\n' |
       "$host" > out.txt 2>&1) || true
    saved_at=$(grep -nxF "$(weeks < "$dir/slot3/out.txt")" reference.txt | cut -d: -f1 | head -1)
    if [ -z "$saved_at" ] || [ "$(grep -c '^week ' "$dir/slot3/out.txt")" -ne "$saved_at" ]; then
      echo "round $round: slot 3 holds no week the menu showed with its whole record"; cat "$dir/slot3/out.txt"; exit 1
    fi
  fi
  (cd "$dir" &&
     printf 'answer 6\nclick Form1.Command1\ncaption Form3.Label11\ncaption Form3.Label12\nget money\nmenu Form3.save\nslots\n' |
     "$host" > again.txt 2>&1) || { echo "round $round: the resumed game failed"; cat "$dir/again.txt"; exit 1; }
  if [ "$(sed -n 1p "$dir/again.txt")" != 'box "ヴェルモナ" "前回の続きから再開しますか？" 36 -> 6' ] ||
     [ "$(sed -n 2p "$dir/again.txt")" != 'box "ヴェルモナ" "ロード終了" 0 -> 1' ]; then
    echo "round $round: the resume point was not loaded as a save is"; cat "$dir/again.txt"; exit 1
  fi
  resumed=$(weeks < "$dir/again.txt")
  at=$(grep -nxF "$resumed" reference.txt | cut -d: -f1 | head -1)
  if [ -z "$at" ]; then
    echo "round $round: resumed at a week the menu never showed: $resumed"; exit 1
  fi
  # The week shown last, or the one after it when the kill came between the
  # menu's resume point and its printing: never an earlier one.
  if [ "$at" -lt "$shown" ] || [ "$at" -gt $(( shown + 1 )) ]; then
    echo "round $round: resumed at week $at, but $shown weeks had been shown"; exit 1
  fi
  # Past its first week the game belonged to slot 3, and saved there again.
  year=$(sed -n 's/^Form3\.Label11 = "\(.*\)"$/\1/p' "$dir/again.txt")
  date=$(sed -n 's/^Form3\.Label12 = "\(.*\)"$/\1/p' "$dir/again.txt")
  if [ "$at" -ge 2 ] && { ! grep -qxF 'slot 1: empty' "$dir/again.txt" ||
                         ! grep -q "^slot 3: $year $date " "$dir/again.txt"; }; then
    echo "round $round: the resumed game did not save into its slot"; cat "$dir/again.txt"; exit 1
  fi
  resumed_rounds=$(( resumed_rounds + 1 ))
  echo "round $round: killed after $shown weeks shown, resumed at week $at"
done
[ "$resumed_rounds" -gt 0 ] || { echo "no round was killed in the middle of play"; exit 1; }
