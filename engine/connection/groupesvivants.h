// Living groups: chains are gathered into linked groups and the groups the
// two-eye reading finds able to make two eyes are kept. How far chains link
// follows niveau: levels 1 to 5 link on the board, 6 to 8 on a mask board
// where the liberties of the other colour's sound chains hold that colour,
// 9 and 10 take each chain alone. flagscan is 0 while a group is linked.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Sets in marquesglobales the stones of every group able to make two eyes
// and gives each its group's reference stone in infoyeux. `mapa` and `mapb`
// are the dead marks of the black and the white scan (pionsmorts during
// each) and keep their chains out of the mask boards; a stone set in its
// scan's map leaves marquesglobales at the end. Board, infochaine and
// pionsmorts come back as they were.
void masqueslibertes(const TMarques& mapa, const TMarques& mapb, TPlateau& p);

// For each candidate trial of both sides (casescandidates, then
// casescandidatesjoueur, byte 1): links the moved stone's group, adds the
// groups of its re-examined stones (marquesessai 1) that can make two eyes,
// and sets bit 0x10 of liensessai on the stones of the group or of
// marquesglobales that are not dead after the move. `p` is working space;
// it, infochaine and pionsmorts come back as they were.
void liegroupesvivantsapresessai(TPlateau& p);

// Two-eye reading the scans call; tests may swap it.
using TLectureDeuxYeux = bool (*)(TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode);
extern TLectureDeuxYeux lecturedeuxyeux;
