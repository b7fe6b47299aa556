#!/usr/bin/env bash
# A GTP player that answers genmove and kgs-genmove_cleanup with its list of
# moves, then with its cycle of moves over and over; every other command
# succeeds with no text. Given a third argument, it knows final_status_list
# and answers "final_status_list alive" with that text, "dead" with the
# fourth argument (empty when none) and "seki" empty.
#   joueurliste.sh "MOVES..." "CYCLE..." ["ALIVE..." ["DEAD..."]]
read -r -a debut <<<"$1"
read -r -a cycle <<<"$2"
i=0
while read -r commande argument _; do
  case $commande in
    genmove | kgs-genmove_cleanup)
      if ((i < ${#debut[@]})); then coup=${debut[i]}; else coup=${cycle[(i - ${#debut[@]}) % ${#cycle[@]}]}; fi
      i=$((i + 1))
      printf '= %s\n\n' "$coup" ;;
    known_command)
      if (($# > 2)) && [[ $argument == final_status_list ]]; then printf '= true\n\n'; else printf '= false\n\n'; fi ;;
    final_status_list)
      case $argument in
        alive) printf '= %s\n\n' "${3-}" ;;
        dead) printf '= %s\n\n' "${4-}" ;;
        *) printf '= \n\n' ;;
      esac ;;
    quit) printf '= \n\n'; exit 0 ;;
    *) printf '= \n\n' ;;
  esac
done
