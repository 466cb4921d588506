# Completion of varko-cli's commands and options for bash. The words come from the program's own
# help, so they follow it.

_varko_cli() {
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]}
    if [[ $COMP_CWORD -eq 1 ]]; then
        local commands
        commands=$("$program" --help 2>/dev/null | sed -n 's/^  varko-cli \([a-z-]*\).*/\1/p')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$current")
        return
    fi
    if [[ $previous == --port ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(printf 'COM%s ' {1..21})" -- "$current")
        return
    fi
    if [[ $current == -* ]]; then
        local options
        options=$("$program" --help "${COMP_WORDS[1]}" 2>/dev/null | head -n 1 |
                  grep -oE -- '(^|[ [|])-{1,2}[a-z][a-z-]*' | tr -d ' [|')
        mapfile -t COMPREPLY < <(compgen -W "$options --help" -- "$current")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -f -- "$current")
    compopt -o filenames 2>/dev/null
}
complete -F _varko_cli varko-cli
