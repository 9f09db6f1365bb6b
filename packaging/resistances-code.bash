# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for resistances-code: verbs, options, colours and the values
# each option takes. Loaded on demand by the bash-completion package.

_resistances_code() {
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local verbs="lire read trouver find verifier vérifier check vecteurs vectors combiner combine
        diviseur divider --help --version"
    local colours="noir marron rouge orange jaune vert bleu violet gris blanc or argent
        black brown red yellow green blue purple grey gray white gold silver"
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$verbs" -- "$current")
        return
    fi

    case $previous in
        --bandes) mapfile -t COMPREPLY < <(compgen -W "4 5 6" -- "$current"); return ;;
        --tolerance) mapfile -t COMPREPLY < <(compgen -W "10% 5% 2% 1% 0,5% 0,25% 0,1% 0,05%" -- "$current"); return ;;
        --coefficient) mapfile -t COMPREPLY < <(compgen -W "250 100 50 25 20 15 10 5 1" -- "$current"); return ;;
        --serie) mapfile -t COMPREPLY < <(compgen -W "E3 E6 E12 E24 E48 E96 E192" -- "$current"); return ;;
        --parties)
            local counts="1 2 3 4"
            [[ ${COMP_WORDS[1]} == diviseur || ${COMP_WORDS[1]} == divider ]] && counts="1 2"
            mapfile -t COMPREPLY < <(compgen -W "$counts" -- "$current")
            return
            ;;
        --stock) mapfile -t COMPREPLY < <(compgen -f -- "$current"); return ;;
        --mesure | --de | --a | --valeurs | --nombre | --reference | --gain | --rapport | \
            --total-min | --total-max) return ;;
    esac

    local words options=""
    case ${COMP_WORDS[1]} in
        lire | read) words=$colours ;;
        verifier | vérifier | check) words=$colours options="--mesure" ;;
        trouver | find) options="--bandes --tolerance --coefficient --cms --smd" ;;
        vecteurs | vectors) options="--cms --smd" ;;
        combiner | combine) options="--serie --de --a --stock --valeurs --parties --nombre" ;;
        diviseur | divider)
            options="--reference --gain --rapport --serie --de --a --stock --valeurs --parties
                --nombre --total-min --total-max --tolerance"
            ;;
        *) return ;;
    esac
    options+=" --help"
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
    else
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$current")
    fi
}
complete -F _resistances_code resistances-code
