# Shared by the benchmark scripts, sourced with their arguments: the
# options, the rows of the script's TABLE that --lignes picks, and where GNU
# Go is. The script defines TABLE, `usage` and the default `sortie` first.
paralleles=2 lignes= parties= garde= bilan=0 b=build
while [ $# -gt 0 ]; do
  case $1 in
    -j) [ $# -ge 2 ] || usage; paralleles=$2; shift ;;
    --lignes) [ $# -ge 2 ] || usage; lignes=$2; shift ;;
    --parties) [ $# -ge 2 ] || usage; parties=$2; shift ;;
    --garde) [ $# -ge 2 ] || usage; garde=$2; shift ;;
    --sortie) [ $# -ge 2 ] || usage; sortie=$2; shift ;;
    --bilan) bilan=1 ;;
    -*) usage ;;
    *) b=$1 ;;
  esac
  shift
done
[[ $paralleles =~ ^[1-9][0-9]*$ && ${parties:-1} =~ ^[0-9]+$ && ${garde:-1} =~ ^[1-9][0-9]*$ && $lignes =~ ^[0-9,]*$ ]] || usage
m=$b/matchgtp v=$b/vesmok n=$b/nebra

lignestable() {
  grep -v '^ *#' <<<"$TABLE" | grep . | while read -r num reste; do
    [ -z "$lignes" ] || [[ ",$lignes," == *",$num,"* ]] && echo "$num $reste"
  done
}

trouvegnugo() { command -v gnugo || { [ -x /usr/games/gnugo ] && echo /usr/games/gnugo; }; }

# One game under the guard, Vesmok black on odd games. Reads the caller's
# base, limite, g and its arrays opts, moi and autre; sets its couleur and
# rc (the match tool's status); the output goes to $base.log.
unmatch() {
  if ((g % 2 == 1)); then
    couleur=black
    timeout "$limite" "$m" "${opts[@]}" -- "${moi[@]}" -- "${autre[@]}" >"$base.log" 2>&1
  else
    couleur=white
    timeout "$limite" "$m" "${opts[@]}" -- "${autre[@]}" -- "${moi[@]}" >"$base.log" 2>&1
  fi
  rc=$?
}
