# bash completion for pramo-calc and pramo-db (installed under both names)

_pramo_certificate_options="--certificate --png --zoom --description --cascade --graph --uncertainty-table
  --cascade-new-page --standard --signatures --non-compliance-reasons --footer --footer-text --owner --database
  --decimal-separator"

# Completes the value of a certificate option; returns 1 when the previous word is none.
_pramo_certificate_value() {
  local cur=$1 prev=$2
  case $prev in
    --certificate) _filedir pdf ;;
    --png) _filedir -d ;;
    --database) _filedir flw ;;
    --zoom) mapfile -t COMPREPLY < <(compgen -W "50 75 100 150" -- "$cur") ;;
    --description | --cascade | --graph | --uncertainty-table | --cascade-new-page | --standard | --signatures | \
      --non-compliance-reasons | --footer)
      mapfile -t COMPREPLY < <(compgen -W "on off" -- "$cur") ;;
    --decimal-separator) mapfile -t COMPREPLY < <(compgen -W ". ," -- "$cur") ;;
    --footer-text | --owner) ;;
    *) return 1 ;;
  esac
  return 0
}

_pramo_calc() {
  local cur prev words cword
  _init_completion || return
  _pramo_certificate_value "$cur" "$prev" && return
  case $prev in
    --cln | --block-out) _filedir cln; return ;;
    --result) return ;;
  esac
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "--jsonl --cln --result --table --block-out --version
      $_pramo_certificate_options" -- "$cur")
  else
    _filedir json
  fi
}

_pramo_db() {
  local cur prev words cword
  _init_completion || return
  local commands="list show export import save certificate companies add-company rename-company
    remove-company check users add-user change-user remove-user create admin-password convert"
  if ((cword == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
    return
  fi
  local command=${words[1]}
  case $prev in
    --user | --next-index) return ;;
    --filter) mapfile -t COMPREPLY < <(compgen -W "company= fluid= program= date=" -- "$cur")
      compopt -o nospace; return ;;
    --encoding) mapfile -t COMPREPLY < <(compgen -W "kamenicky latin2 plain" -- "$cur"); return ;;
    --companies) _filedir; return ;;
  esac
  [[ $command == certificate ]] && _pramo_certificate_value "$cur" "$prev" && return
  if [[ $cur == -* ]]; then
    local options="--user --json --help"
    case $command in
      list) options+=" --filter --descending" ;;
      save) options+=" --new --next-index" ;;
      certificate) options+=" $_pramo_certificate_options" ;;
      convert) options+=" --companies --encoding --all-companies" ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi
  case $command in
    import) _filedir cln ;;
    convert) _filedir ;;
    save | export | certificate) ((cword == 2)) && _filedir flw || _filedir '@(json|cln|pdf)' ;;
    *) ((cword == 2)) && _filedir flw ;;
  esac
}

complete -F _pramo_calc pramo-calc
complete -F _pramo_db pramo-db
