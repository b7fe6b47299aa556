#!/usr/bin/env bash
# A GTP player that answers genmove and kgs-genmove_cleanup with its list of
# moves, then with its cycle of moves over and over; every other command
# succeeds with no text.
#   joueurliste.sh "MOVES..." "CYCLE..."
read -r -a debut <<<"$1"
read -r -a cycle <<<"$2"
i=0
while read -r commande _; do
  case $commande in
    genmove | kgs-genmove_cleanup)
      if ((i < ${#debut[@]})); then coup=${debut[i]}; else coup=${cycle[(i - ${#debut[@]}) % ${#cycle[@]}]}; fi
      i=$((i + 1))
      printf '= %s\n\n' "$coup" ;;
    known_command) printf '= false\n\n' ;;
    quit) printf '= \n\n'; exit 0 ;;
    *) printf '= \n\n' ;;
  esac
done
