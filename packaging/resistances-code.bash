# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for resistances-code: verbs, options, colours and the values
# each option takes. Loaded on demand by the bash-completion package.

# Offers the words of $1 that start with $2 (or, with -f, the file names),
# one a line, without process substitution, which needs /dev/fd.
_resistances_code_offer() {
    local offers
    if [[ $1 == -f ]]; then
        offers=$(compgen -f -- "$2")
    else
        offers=$(compgen -W "$1" -- "$2")
    fi
    local IFS=$'\n'
    COMPREPLY=()
    [[ -n $offers ]] && COMPREPLY=($offers)
}

_resistances_code() {
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local verbs="lire read trouver find verifier vérifier check vecteurs vectors combiner combine
        diviseur divider --help --version"
    local colours="noir marron rouge orange jaune vert bleu violet gris blanc or argent
        black brown red yellow green blue purple grey gray white gold silver"
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        _resistances_code_offer "$verbs" "$current"
        return
    fi

    case $previous in
        --bandes) _resistances_code_offer "4 5 6" "$current"; return ;;
        --tolerance) _resistances_code_offer "10% 5% 2% 1% 0,5% 0,25% 0,1% 0,05%" "$current"; return ;;
        --coefficient) _resistances_code_offer "250 100 50 25 20 15 10 5 1" "$current"; return ;;
        --serie) _resistances_code_offer "E3 E6 E12 E24 E48 E96 E192" "$current"; return ;;
        --parties)
            local counts="1 2 3 4"
            [[ ${COMP_WORDS[1]} == diviseur || ${COMP_WORDS[1]} == divider ]] && counts="1 2"
            _resistances_code_offer "$counts" "$current"
            return
            ;;
        --stock) _resistances_code_offer -f "$current"; return ;;
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
        _resistances_code_offer "$options" "$current"
    else
        _resistances_code_offer "$words" "$current"
    fi
}
complete -F _resistances_code resistances-code
