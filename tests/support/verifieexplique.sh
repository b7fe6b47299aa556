#!/bin/bash
# Checks the decision explainer against the program it explains.
#   verifieexplique.sh EXPLIQUE VESMOK_DET POSITION COMMANDES COULEUR NIVEAU [--cartes]
# Runs EXPLIQUE on POSITION (a GTP move list or a game record) for COULEUR at
# NIVEAU, and VESMOK_DET (the same seed) on the GTP commands COMMANDES of the
# same position; the move the explainer reports must be vesmok_det's genmove,
# its root candidates listed with the move of the search marked "chosen", and
# with --cartes the family maps printed as boards.
#   verifieexplique.sh EXPLIQUE --refuse POSITION
# The explainer must refuse POSITION: exit status 1, the failing command named.
set -u
echec() { echo "FAIL: $*"; exit 1; }

explique=$1
if [ "$2" = "--refuse" ]; then
  erreurs=$("$explique" "$3" 2>&1 >/dev/null)
  statut=$?
  [ $statut -eq 1 ] || echec "exit status $statut on a refused position"
  echo "$erreurs" | grep -q 'failed: ? ' || echec "no failing command named: $erreurs"
  echo "refused: $erreurs"
  exit 0
fi
vesmok=$2 position=$3 commandes=$4 couleur=$5 niveau=$6 cartes=${7:-}

sortie=$("$explique" --couleur "$couleur" --niveau "$niveau" $cartes "$position") || echec "explique failed"
attendu=$( (cat "$commandes"; echo "999 genmove $couleur"; echo quit) | "$vesmok" --level "$niveau" |
  sed -n 's/^=999 //p' | tr -d '\r')
[ -n "$attendu" ] || echec "no genmove reply from $vesmok"
rapporte=$(echo "$sortie" | sed -n 's/^genmove: //p')
[ "$rapporte" = "$attendu" ] || echec "explique reports genmove '$rapporte', $vesmok plays '$attendu'"

# The candidate lines: a point, the sum and the opponent sum, then the search columns.
candidats=$(echo "$sortie" | grep -cE '^[A-HJ-T][0-9]+ +-?[0-9]+ +-?[0-9]+ ')
[ "$candidats" -ge 2 ] || echec "only $candidats candidate lines"
choisi=$(echo "$sortie" | sed -n 's/^move of the search: //p')
echo "$sortie" | grep -qE "^$choisi +.* chosen" || echec "the move of the search $choisi is not marked chosen"

if [ -n "$cartes" ]; then
  taille=$(echo "$sortie" | sed -n 's/^position: \([0-9]*\)x.*/\1/p')
  for carte in '"somme"' '"flou"' 'search value, first pass'; do
    # The map's header, the letters, then its rows from the top one down to row 1.
    lignes=$(echo "$sortie" | grep -A $((taille + 1)) -xF "$carte:" | grep -cE '^ *[0-9]+ .*  [0-9]+$')
    [ "$lignes" -eq "$taille" ] || echec "map $carte: $lignes board rows, not $taille"
  done
  # Every family map is there, as a board or as the line of an all-zero map.
  for carte in '"faiblesse"' '"coup force mort ou invasion" ordi' '"invasionforte" ordi' '"invasionforte" joueur' \
               '"survie" ordi' '"survie" joueur' '"fortification" ordi' '"faitmort" ordi' '"joseki"' \
               '"invasion_defense ordi"' 'atari joueur' 'opponent sum'; do
    echo "$sortie" | grep -qxE "$carte(:|: 0 everywhere)" ||
      echec "no map $carte"
  done
fi
echo "genmove $attendu, $candidats candidates"
