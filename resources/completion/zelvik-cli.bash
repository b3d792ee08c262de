# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for zelvik-cli.
# Commands, calculators and options are read from `zelvik-cli --help`, so the completion
# knows whatever the installed program knows.

_zelvik_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local program=${COMP_WORDS[0]} help line
  [[ $program == "~/"* ]] && program=$HOME/${program#"~/"}
  help=$("$program" --help 2>/dev/null) || return 0
  COMPREPLY=()

  # The value of an option: a file, one of a few words, or nothing to offer.
  case $prev in
    --config|--out|--pieces|--pdf)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return 0 ;;
    --units)
      local u
      for u in 0 1 2 'kg;mm' 'kg;m' 't;m'; do
        [[ $u == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$u")")
      done
      return 0 ;;
    --mode)
      mapfile -t COMPREPLY < <(compgen -W 'inner wall' -- "$cur")
      return 0 ;;
    --format)
      mapfile -t COMPREPLY < <(compgen -W 'json csv xlsx pdf' -- "$cur")
      return 0 ;;
  esac
  if [[ $prev == --* ]] && grep -Eq -- "${prev}(, --[a-z0-9-]+)* [A-Z]+" <<<"$help"; then
    return 0
  fi

  if ((COMP_CWORD == 1)); then
    local commands
    commands=$(sed -n 's/^  zelvik-cli \([^ ]*\).*/\1/p' <<<"$help" | sort -u)
    mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
    return 0
  fi

  local cmd=${COMP_WORDS[1]} usage
  usage=$(grep -E "^  zelvik-cli ${cmd}( |$)" <<<"$help")

  # A file or a calculator where a usage line of the command has FILE or CALC at this place.
  if [[ $cur != -* ]]; then
    while read -r line; do
      local -a words
      read -r -a words <<<"$line"
      if [[ ${words[COMP_CWORD]} == FILE ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return 0
      fi
      if [[ ${words[COMP_CWORD]} == CALC ]]; then
        local calculators
        calculators=$(sed -n '/^Calculators:/,/^$/{/^  /p}' <<<"$help")
        mapfile -t COMPREPLY < <(compgen -W "$calculators" -- "$cur")
        return 0
      fi
    done <<<"$usage"
  fi

  # The options of the command's usage lines and of its own "Options of CMD:" block.
  local options
  options=$( { printf '%s\n' "$usage"; sed -n "/^Options of ${cmd}:/,/^\$/p" <<<"$help"; } |
             grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  return 0
}

complete -F _zelvik_cli zelvik-cli
