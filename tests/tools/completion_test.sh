#!/usr/bin/env bash
# The bash completion of tesalo, driven as bash drives it: COMP_WORDS and COMP_CWORD set, the
# function called, COMPREPLY read.
#   completion_test.sh COMPLETION_FILE TESALO_PROGRAM
set -u
completion=$1
program=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
failures=0

# shellcheck source=/dev/null
source "$completion"

# The sorted completions of a command line; a trailing space starts a new word.
complete_line() {
    local line=$1
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tesalo
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local got
    got=$(complete_line "$1")
    if [[ $got != "$2" ]]; then
        echo "FAIL: '$1' completes to '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch a.mid B.MID c.midi notes.txt
mkdir songs

expect "tesalo " "--help --version help info play render"
expect "tesalo re" "render"
expect "tesalo help " "help info play render"
expect "tesalo render --r" "--rate --raw"
expect "tesalo play --r" "--rate"
expect "tesalo play --rate " "22050 44100"
expect "tesalo render -q 1 --bits 1" "16"
expect "tesalo render -q " "0 1 2 3"
expect "tesalo play -p 3" "30 31 32"
expect "tesalo info -" "--help"
# --start takes seconds, which no list can offer.
expect "tesalo play --start " ""
# Songs: MIDI files whatever the case of their suffix, and folders to go into; other files not.
expect "tesalo play " "B.MID a.mid c.midi songs"
expect "tesalo render --lpf a" "a.mid"
expect "tesalo info n" ""
# Where a file is wanted that is no song, every file is offered.
expect "tesalo render a.mid -o n" "notes.txt"
expect "tesalo render --voice " "B.MID a.mid c.midi notes.txt songs"

# The options offered are those the program's own help lists for the command (less those it
# says belong to another command), and --help; no others.
for command in render play; do
    listed=$( ("$program" "$command" --help | grep -vE "^  -[-a-z]+ +[a-z]+:" ; "$program" "$command" --help | grep -E "^  -[-a-z]+ +$command:"; echo " --help") |
        grep -oE -- '(^|[ [])--?[a-z][-a-z]*' | tr -d ' [' | sort -u | tr '\n' ' ')
    offered=$(complete_line "tesalo $command -" | tr ' ' '\n' | sort -u | tr '\n' ' ')
    if [[ $listed != "$offered" ]]; then
        echo "FAIL: tesalo $command: the help lists '$listed', the completion offers '$offered'"
        failures=$((failures + 1))
    fi
done

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "The completion offers what the program takes."
