# bash completion for tesalo: the commands, their options, the values an option takes, and
# MIDI files (and folders) where songs go.

# MIDI files and folders that start with $1, in COMPREPLY.
_tesalo_songs() {
    local name
    COMPREPLY=()
    while IFS= read -r name; do
        if [[ -d $name || ${name,,} == *.mid || ${name,,} == *.midi ]]; then
            COMPREPLY+=("$name")
        fi
    done < <(compgen -f -- "$1")
    compopt -o filenames 2>/dev/null
}

_tesalo() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="render play info help"
    local sound="-q --rate --bits -p --lpf -m --voice --start --help"
    if (( COMP_CWORD == 1 )); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    case $prev in
        -q) COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur")); return ;;
        --rate) COMPREPLY=($(compgen -W "22050 44100" -- "$cur")); return ;;
        --bits) COMPREPLY=($(compgen -W "8 16" -- "$cur")); return ;;
        -p) COMPREPLY=($(compgen -W "$(echo {8..32})" -- "$cur")); return ;;
        -m) COMPREPLY=($(compgen -W "$(echo {0..16})" -- "$cur")); return ;;
        --max-seconds) COMPREPLY=($(compgen -W "60 600 3600" -- "$cur")); return ;;
        --start) COMPREPLY=(); return ;;
        -j) COMPREPLY=($(compgen -W "$(seq 1 "$(nproc)")" -- "$cur")); return ;;
        --voice | --codes | -o)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
    esac
    local options
    case ${COMP_WORDS[1]} in
        render) options="$sound --raw --codes --max-seconds -o -j" ;;
        play) options=$sound ;;
        info) options="--help" ;;
        help) (( COMP_CWORD == 2 )) && COMPREPLY=($(compgen -W "$commands" -- "$cur")); return ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        _tesalo_songs "$cur"
    fi
}

complete -F _tesalo tesalo
