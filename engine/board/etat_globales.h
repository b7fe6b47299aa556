// The data sheet of the engine state: every engine-wide global, once.
//
//   GLOBALE(type, name, reset rule[, start value])  // meaning, range, sentinel
//   ALIAS(type, name, global)                         // a second name of a global
//
// This one list declares the globals (etat.h), defines them (etat.cpp), drives
// the per-move reset initmoteur and the reset test. A new global goes here
// with its rule; `laisse` says the reset leaves it alone, and the comment
// says who sets it instead. The rules are in etat.h.
//
// No include guard: each includer defines GLOBALE and ALIAS first.

// ---- Settings and sides --------------------------------------------------
GLOBALE(TConfig, configmoteur, laisse)           // copy of the game record for this move (set by the move entry)
GLOBALE(uint8_t, couleurdemandee, laisse)        // colour asked for by the current genmove (set by the move entry)
GLOBALE(uint8_t, couleurordi, vaut(couleurdemandee))                    // engine colour
GLOBALE(uint8_t, couleurjoueur, vaut(couleurdemandee == NOIR ? BLANC : NOIR))  // opponent colour
GLOBALE(TTempsRestant, tempsrestant, laisse, {-1, 0})  // mover's clock (set by the move entry)
GLOBALE(uint8_t, flagfuseki, laisse)             // 1: final status, fixed strong level parameters and the estimate's corner zones (set by the final status, cleared by the move entry)
GLOBALE(uint64_t, finrecherche, laisse)          // high-resolution time the move's search must stop at, from the clock or the level's bound of one move; 0 = none (set by the move entry)
GLOBALE(uint64_t, finanalyses, laisse)           // high-resolution time after which the root starts no more reading steps of its analyses (PARTANALYSES of the way to finrecherche); 0 = none (set by the move entry)
GLOBALE(int32_t, numerocoup, apresniveau(0))     // moves replayed onto the engine board; niveaureel reads the old count
GLOBALE(int32_t, passesconsecutives, laisse)     // passes at the end of the replayed list (set by the replay)
GLOBALE(int32_t[MAXCOUPSPARTIE + 1][3], listecoupsmoteur, laisse)  // replayed moves [1..numerocoup]: colour, row, column (set by the replay)
GLOBALE(int32_t, prisonniersnoir, laisse)        // stones captured by black in the replayed game (set by the replay)
GLOBALE(int32_t, prisonniersblanc, laisse)       // stones captured by white, handicap compensation included (the same)
GLOBALE(int32_t, capturesderniercoup, laisse)    // stones the last replayed entry captured (set by the replay)
GLOBALE(TPoint, derniercoup, laisse)             // last stone move of the list; (1, 1) when not looked up (set by the entry)
GLOBALE(TPoint, avantderniercoup, laisse)        // second-last stone move; (size, size) when not looked up (the same)

// ---- Level (set by niveaureel) --------------------------------------------
GLOBALE(int32_t, niveau, parniveau)              // working level 1..10; 0 at start (read as 7)
GLOBALE(int32_t, paramniveaua, parniveau)        // level parameter a
GLOBALE(int32_t, paramniveaub, parniveau)        // level parameter b
GLOBALE(int32_t, profondeurlecture, parniveau)   // reading depth
GLOBALE(int32_t, paramniveauc, parniveau)        // level parameter c
GLOBALE(int32_t, paramniveaud, parniveau)        // main search depth 4..6 (kept under flagfuseki)
GLOBALE(int32_t, paramniveaue, parniveau)        // 3 at level 1, else 5
GLOBALE(int32_t, paramniveauf, parniveau)        // 20, 10 or 1
GLOBALE(int32_t, paramniveaug, parniveau)        // 3 at level 10, else 2
GLOBALE(int32_t, niveaumin3, parniveau)          // 1 from level 3
GLOBALE(int32_t, niveaumin3b, parniveau)         // 1 from level 3
GLOBALE(int32_t, niveaumin4, parniveau)          // 1 from level 4
GLOBALE(uint8_t, lectureprofonde, parniveau)     // 1 from level 5
GLOBALE(uint8_t, lecturelongue, parniveau)       // 1 from level 5; connection readings clear it over budget

// ---- Boards and chain table ---------------------------------------------
GLOBALE(TPlateau, plateaumoteur, laisse)         // engine board, 0 white 1 black 2 empty (replayed by the move entry)
GLOBALE(TPlateau, plateaudepart, vaut(plateaumoteur))  // engine board before the move (the last move's board)
// The chain table of plateaumoteur (or of the board in play), rebuilt by the
// move entry; the reset's speed measure uses rows and columns 1..9 of it.
GLOBALE(TInfoChaine, infochaine, mesure)
GLOBALE(TInfoChaine, infochainevide, vaut(0))    // all zero: clears the table in one copy
GLOBALE(TEntreeChaine, flagchaines, vaut(0))     // (0, 0): the empty chain-table entry
GLOBALE(TInfoChaine, tablegroupes, laisse)       // chain table at the start of the move choice (set by it)

// ---- Tables of the board size (construittables) ------------------------------
GLOBALE(TVoisins[NBCASES], tablevoisins, construite)  // neighbours in fixed order; entries off the board are stale
GLOBALE(TMarques, bordgoban, construite)         // 1 on the first line
GLOBALE(TMarques, distancebord, construite)      // distance to the nearest edge, 0 on the first line and off the board
GLOBALE(TMarques, zonescoins, construite)        // 1 on the four 4x4 corner squares (N > 4)

// ---- Zero templates --------------------------------------------------------
GLOBALE(TMarques, marquesvides, vaut(0))         // 361 zero bytes: start of every visited array
GLOBALE(TCarte, zerobonus, vaut(0))              // zero map
GLOBALE(TCarte, zeroterritoire, vaut(0))         // zero map: clears cartefinale1/2
GLOBALE(int32_t[30], zerolecture, vaut(0))       // zero template of the tactical readings

// ---- Dead-stone masks and marks (nonzero = set) -----------------------------
GLOBALE(TMarques, pionsmorts, vaut(0))           // stone judged dead
GLOBALE(TMarques, pionsmortsavant, laisse)       // pionsmorts before a status-driver call (set by the drivers)
GLOBALE(TMarques, pionsmortssauves, vaut(0))     // saved state the marking passes start from
GLOBALE(TMarques, pionsmortsbis, laisse)         // further mask of the position analysis (set by it)
GLOBALE(TMarques, pionsmortsdepartordi, laisse)    // dead marks at the start, engine trials (set by the move choice)
GLOBALE(TMarques, pionsmortsdepartjoueur, laisse)  // dead marks at the start, opponent trials (set by the move choice)
GLOBALE(TMarques, marquesglobales, vaut(0))      // chains of groups able to make two eyes
GLOBALE(TMarques, marquesdetect, laisse)         // copy of pionsmorts of the status unit (set by it)
GLOBALE(TMarques, marquesliaison1, laisse)       // link marks, testdeb marking (set by the link analysis)
GLOBALE(TMarques, marquesliaison2, laisse)       // link marks, pionsmorts copy (set by the link analysis)
GLOBALE(TMarques, zonemarquee, laisse)           // zone marks of the move choice (set by it)
GLOBALE(TMarques, carteanalyse, laisse)          // analysis marks read by the opening filter and the reply-threat test (testcoupcandidat); no step writes them, so all 0

// ---- Owner maps (0 white, 1 black, 2 none) -----------------------------------
GLOBALE(TMarques, territoire, vaut(VIDE))        // owner of each point after the territory analysis
GLOBALE(TMarques, territoire2, vaut(VIDE))       // second owner map of the territory analysis
GLOBALE(TMarques, territoire3, vaut(VIDE))       // owner map of the per-move territory analyses
GLOBALE(TMarques, territoire4, vaut(VIDE))       // owner map of the move chooser
GLOBALE(TMarques, influence, vaut(VIDE))         // owner by influence
GLOBALE(TMarques, carteterritoire, vaut(VIDE))   // owner map read by the moyo gain of trial moves
GLOBALE(TMarques, cartemoyo, laisse)             // moyo owner map of the position before the move (set by gainmoyoessais)

// ---- Per-point maps of the turn ---------------------------------------------
GLOBALE(TMarques, casesjouables, vaut(1))        // 1 = playable
GLOBALE(TMarques, casesinterdites, vaut(0))      // forbidden points (ko, superko); bit 1 read
GLOBALE(TMarques, casescandidates, vaut(0))      // engine candidate points of the turn
GLOBALE(TMarques, casescandidatesjoueur, vaut(0))  // opponent candidate points
GLOBALE(TMarques, lesfaibles, vaut(0))           // weak chains of the engine's side
GLOBALE(TMarques, marquessurvie, vaut(0))        // weak chains of the opponent's side
GLOBALE(TMarques, listefaibles, laisse)          // weak-chain stones, engine side (set by the weak-chain analysis)
GLOBALE(TMarques, listesurvie, laisse)           // weak-chain stones, opponent side (set by the weak-chain analysis)
GLOBALE(TMarques, ciblesnoires, vaut(0))         // black targets
GLOBALE(TMarques, ciblesblanches, vaut(0))       // white targets
GLOBALE(TMarques, carteattaque, laisse)          // attack flags (set by the attack analysis)
GLOBALE(TMarques, videsennemis, laisse)          // empty points near enemy stones (set by its analysis)
GLOBALE(TCarte, cartefinale1, vaut(0))           // final territory, black (four bytes per entry, see territoirefinal.h)
GLOBALE(TCarte, cartefinale2, vaut(0))           // final territory, white (the same bytes)
GLOBALE(TCarte, valeurssurvie, vaut(0))          // survival values; negative = weak stone to settle
GLOBALE(TCarte, valeurs2survie, vaut(0))         // second survival values
GLOBALE(TCarte, bonusaffiches, vaut(0))          // trace map
GLOBALE(TInfoZone[NBCASES], infozones, vaut(ZONEVIDE))    // zone records
GLOBALE(TInfoZone[NBCASES], infogroupes, vaut(ZONEVIDE))  // group records
GLOBALE(int32_t[NBCASES][2], infoyeux, premier(0))  // reference stone of a living group; word 0 cleared
// A point not tried this move (or whose trial was refused) keeps no owner map
// from an earlier move or game: all VIDE, read as no owner by either side.
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], carteniveau, vaut(VIDE))    // per engine trial: territoire copy
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], tablelecture, vaut(VIDE))   // per opponent trial: territoire copy
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], tablepaires, laisse)    // (root move, reply) pair bits (set per pair)
GLOBALE(int32_t[TAILLEMAX][TAILLEMAX][NBCASES], valeurspaires, laisse)  // values beside tablepaires (set per pair)
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], zonespoints, laisse)    // per point p: 1 on the points of p's zone (set by the move adjuster)
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], zonesinvasionjoueur, laisse)  // per opponent invasion point: its numbered zone (set by analysecoupsinvasion)
GLOBALE(TEffetInvasion[TAILLEMAX][TAILLEMAX], effetsinvasion, champs(0, &TEffetInvasion::valeur))  // per candidate: the invasion term's marks and cache (set by bonusinvasion)
GLOBALE(uint8_t[TAILLEMAX][TAILLEMAX][NBCASES], cachecoupsreponse, vaut(0))  // per last move: 0x20 on the tactical points found around it
GLOBALE(TMarques, suggestionsjoseki, laisse)     // joseki suggestion bits of the move (set by the joseki request)
GLOBALE(TMarques, candidatsfuseki, laisse)       // fuseki candidate points of the move (set by the fuseki request)
GLOBALE(int32_t, nbcandidatsfuseki, laisse)      // non-zero points of candidatsfuseki (set with it)
GLOBALE(TListePoints, tablezones, laisse)        // liberties of weak owner chains (set by the zone reading)
GLOBALE(TCarte, valeurscoins, vaut(0))           // joseki values of the opening points ("joseki" family map)

// ---- Trial-move records ------------------------------------------------------
// Indexed [row-1][col-1] of the trial move. The reset clears five fields
// (the kill and save counts are read by the trial's own link count before
// the trial writes them); the boards and result maps keep the last move's
// contents until written.
GLOBALE(TEssaiCoup[TAILLEMAX][TAILLEMAX], essaisordi,
        champs(0, &TEssaiCoup::essaifait, &TEssaiCoup::liensessai, &TEssaiCoup::marquesessai,
               &TEssaiCoup::gainmoyoordi, &TEssaiCoup::gainmoyojoueur))  // trial by the engine
GLOBALE(TEssaiCoup[TAILLEMAX][TAILLEMAX], essaisjoueur,
        champs(0, &TEssaiCoup::essaifait, &TEssaiCoup::liensessai, &TEssaiCoup::marquesessai,
               &TEssaiCoup::gainmoyoordi, &TEssaiCoup::gainmoyojoueur))  // by the opponent
GLOBALE(int32_t, tableessaiscourante, vaut(0))   // status writers fill: 1 valeurssurvie, 2 essaisordi, 3 essaisjoueur; <= 0 none

// ---- Capture-reading cache -----------------------------------------------------
// [cache colour 1..2][(row-1)*19 + (col-1)]
GLOBALE(TCasierPrise[2][NBCASES], cacheprise, premier(0))  // results by position key; the count (word 0) cleared
GLOBALE(TMarques[2][NBCASES], cacheplateaux, vaut(0))      // 1 where a reading of that chain played
GLOBALE(uint8_t, cacheactif, vaut(0))            // cache on: set by the move choice around the readings of the capturable chains and of a trial
GLOBALE(int32_t, compteurcache, vaut(0))         // cache key base of the position analysed

// ---- Position keys (item "CLES", loaded once at start-up) ----------------------------
GLOBALE(uint32_t, cletrait, laisse)                  // side key
GLOBALE(uint32_t[2][NBCASES], zobristcouleur, laisse)  // [0] white stone, [1] black stone
GLOBALE(uint32_t[NBCASES], zobristmoyo, laisse)      // marked empty point

// ---- Reading stores ------------------------------------------------------------------
// Per-ply transposition tables (value, key), table t (from 3) at [(t-3)*10000 ..];
// the capture, life-and-death and enclosed-chain readings keep their own fill counts.
GLOBALE(TEntreeCle[NBTABLESRECU * ENTREESPARTABLE], tablehachrecu, laisse)  // each reading starts its counts at 0
GLOBALE(TEntreeCle[NBTABLESLIAISON * ENTREESPARTABLE], tabletranspositionliaison, laisse)  // the same, local and link readings
GLOBALE(int32_t, profmaxrecu, laisse)            // deepest ply reached by the capture readings so far
GLOBALE(TInfoChaine, infochainelecture, laisse)  // liberties as the readings count them (filled by preparecartelecture)
GLOBALE(int32_t, noeudsescalier, laisse)         // ladder steps played by the last testescalier (which zeroes it)
GLOBALE(uint8_t, moderapide, vaut(0))            // abort flag of the readings: set, the solver's nodes answer 0 at once

// ---- Position history ----------------------------------------------------------
GLOBALE(THistoriqueHash, historiquehash, champs(0, &THistoriqueHash::nombre))  // keys of the last positions (superko)
GLOBALE(TPoint, pointko, vaut(TPoint{}))         // ko point, (0, 0) = none

// ---- Opening libraries and books (loaded at start-up, released at exit) -----------------
GLOBALE(std::vector<int32_t>, tabcle99noir, laisse)      // 1-based book tables, released by their users
GLOBALE(std::vector<int32_t>, tabcle99blanc, laisse)
GLOBALE(std::vector<int32_t>, tabresult99noir, laisse)
GLOBALE(std::vector<int32_t>, tabresult99blanc, laisse)
GLOBALE(std::vector<int32_t>, tabcle1919, laisse)
GLOBALE(TFuseki*, bibliofuseki, laisse)          // the loaded fuseki library, or nullptr
GLOBALE(TJoseki*, bibliojoseki, laisse)          // the loaded joseki library, or nullptr

// ---- Scalars of the analyses ---------------------------------------------------------
GLOBALE(uint8_t, coupbasetrouve, vaut(0))        // opening books: a book move was found
GLOBALE(int32_t, flagouverture, vaut(0))         // opening heuristics
GLOBALE(int32_t, etatcalme, vaut(0))             // cleanup / calm state: 0 not judged, 1 cleanup, 2 at stake, 4 calm
ALIAS(int32_t, modenettoyage, etatcalme)         // the same variable under its other name
GLOBALE(uint8_t, lectureconfirmee, vaut(0))      // confirming reading on: set by a trial around its marquechainesmortes
GLOBALE(uint8_t, sansstatut, vaut(0))            // chain-status analysis
GLOBALE(int32_t, flagcoupure, vaut(0))           // cut analysis
GLOBALE(int32_t, flagcoupure2, vaut(0))
GLOBALE(int32_t, flagcoupure3, vaut(0))
GLOBALE(uint8_t, peintmortsavant, vaut(1))       // chain-status drivers (on by default)
GLOBALE(int32_t, compteurinfluence, vaut(0))     // opening and influence counts
GLOBALE(int32_t, compteurinfluence2, vaut(0))
GLOBALE(uint8_t, depassementpropagation, vaut(0))  // a propagation reading hit its budget
GLOBALE(uint8_t, depassementprise, vaut(0))      // a capture reading hit its budget
GLOBALE(uint8_t, depassementliaison, vaut(0))    // a connection reading passed 10000 nodes
GLOBALE(int32_t, flagdanger, vaut(0))            // move choice
GLOBALE(int32_t, flagdanger3, vaut(0))
GLOBALE(uint8_t, flagdanger2, vaut(0))
GLOBALE(int32_t, bilanentier, vaut(0))           // score balance
GLOBALE(double, bilanscore, laisse)              // score balance of the mover (set by the score balance)
GLOBALE(int32_t, flagfortification, vaut(0))     // fortification family
GLOBALE(int32_t, flagmarquesmorts, vaut(0))      // dead-mark bonus
GLOBALE(uint8_t, flagfortif2, vaut(0))           // fortification family, engine
GLOBALE(uint8_t, flagfortifjoueur, laisse)       // fortification family, opponent (set by the family)
GLOBALE(uint8_t, flaginvasionvivante, vaut(0))   // invasion family
GLOBALE(int32_t, flaginvasion, vaut(0))          // invasion analysis maxima
GLOBALE(int32_t, flaginvasion2, vaut(0))
GLOBALE(int32_t, procedurefinpartie, vaut(0))    // end-of-game procedure
GLOBALE(uint8_t, enretard, vaut(0))              // score balance
GLOBALE(uint8_t, flagconsolide, vaut(0))
GLOBALE(uint8_t, flagattaque, vaut(0))
GLOBALE(uint8_t, moinsde20pcvides, vaut(0))      // the opponent has under a fifth of the points left to play
GLOBALE(TMarques, cartevides, vaut(0))           // videsennemis with the opponent's remaining points in its colour
GLOBALE(uint8_t, flagsituationjoueur, vaut(0))   // the opponent's situation is at stake (read by the connection bonus)
GLOBALE(uint8_t, flagrelietest, vaut(0))         // the sacrifice test of the connection bonus holds
GLOBALE(int32_t, coupdebutchoisi, vaut(0))       // opening units
GLOBALE(uint8_t, flagsurvie, vaut(1))            // survival family
GLOBALE(int32_t, compteurfaibles, vaut(0))       // weak chains
GLOBALE(int32_t, compteurinvasions, vaut(0))     // invasions
GLOBALE(int32_t, compteurinvasions2, vaut(0))
GLOBALE(int32_t, compteurinvasions3, vaut(0))
GLOBALE(uint8_t, flagscan, vaut(1))              // board scans of the chain-status analysis
GLOBALE(uint8_t, flagliaison, vaut(0))           // connection analysis
GLOBALE(int32_t[2], territoireaprendre, vaut(0))  // territory left to take
GLOBALE(int32_t, flagterritoire, vaut(0))        // territory analysis
GLOBALE(int32_t, maxsurvie, vaut(0))             // largest family values of the turn
GLOBALE(int32_t, maxfortification, vaut(0))
GLOBALE(int32_t, maxcoupforce, vaut(0))
GLOBALE(int32_t, maxtuesordi, vaut(0))           // maxima of the position analysis
GLOBALE(int32_t, maxgainmoyo, vaut(0))
GLOBALE(int32_t, maxprisesessais, vaut(0))       // largest kill or save count of the trials
GLOBALE(int32_t, interrupteurterritoire, laisse)  // territory term switch, 1 for a move (set by the move chooser)
GLOBALE(int32_t, interrupteurbonus, laisse)       // switch of a bonus term, 0 for a move (the same)
GLOBALE(int32_t, interrupteurcandidats, laisse)   // candidate ordering switch, 1 for a move (the same)
GLOBALE(TCarte, numerotation, laisse)            // running numbers of the empty points and of each colour's chain heads, -1 on other stones (set by numerotecases)
GLOBALE(uint8_t, coupdecide, vaut(0))            // move decided this turn
GLOBALE(uint8_t, coupdecidejoseki, laisse)       // move decided by the joseki library (set by the joseki request)
GLOBALE(uint8_t, flagjoseki, vaut(0))            // joseki use
GLOBALE(uint8_t, strategie, vaut(2))             // 0 attack, 1 defend, 2 neutral
GLOBALE(int32_t, compteurnoeudsprise, vaut(0))   // node counters
GLOBALE(int32_t, compteurnoeudslecture, vaut(0))
GLOBALE(int32_t, compteurnoeuds, vaut(0))
GLOBALE(uint8_t, debutpartie, laisse)            // game phases (set by the move choice)
GLOBALE(uint8_t, phasedebut, laisse)
GLOBALE(uint8_t, phasefinale, laisse)
GLOBALE(int32_t, ordipasse, laisse)              // 1 the engine passes, 5 from the end-of-game evaluation (set by them)
GLOBALE(uint8_t, komiforce, laisse)              // opening code flag (set by it)
GLOBALE(uint8_t, flagvisionterritoire, laisse)   // territory code flag (set by it)
GLOBALE(uint8_t, modeanalyseposition, vaut(0))  // set by the position analysis, cleared by the search node: chains in atari are not painted
// The six scalars the reset sets without a name of their own in the analyses.
GLOBALE(uint8_t, flaglectureyeux, vaut(1))       // a linking move that takes a ko does not link (connection reading)
GLOBALE(uint8_t, flagremisepierre, vaut(0))      // status drivers: the last move's lone stone was lifted, to be put back
GLOBALE(int32_t, valeurclassefaibles, vaut(0))   // weak-chain classification
GLOBALE(int32_t, maxajustementtemps, vaut(0))    // largest value of the timing adjustments
GLOBALE(int32_t, valeurdiffterritoire, vaut(0))  // compared by the move choice and the territory bonus
GLOBALE(uint8_t, flagrelie, vaut(0))             // move choice and group-joining bonus: a neighbouring chain was found lost this move (set by testprisechainesvoisines)
GLOBALE(uint8_t, sauvepionsmorts, laisse)        // status drivers saved pionsmorts into pionsmortsavant (set by them)

// ---- Debug trace -------------------------------------------------------------------------
GLOBALE(TCheminTrace, chemintrace, laisse)       // the watched path (set once by initchemintrace)

// ---- Chain status ------------------------------------------------------------------------
// Dead zones per colour: 0 none, 1 in a dead chain's zone, more = the zone's level.
GLOBALE(TMarques, zonesmortesblanc, laisse)      // white chains (set by detectetatchaines2 under sansstatut)
GLOBALE(TMarques, zonesmortesnoir, laisse)       // black chains (the same)

// ---- Connection and cut analysis ---------------------------------------------------------
GLOBALE(TTableLiaisons, tableliaisons, laisse)   // chain-pair link bits of the trial moves (sized and filled by remplittableliaisons, freed after the search)
GLOBALE(int32_t, valeurconsolidation, vaut(0))   // points the engine needs (set by the position analysis, consumed by proposecoupsliaison)

// ---- Beside the sheet: what the units keep between calls ---------------------------------
// The units' own file-scope objects (anonymous namespaces) are not reset per
// move. Those that carry something from one call to the next:
//
// Kept from move to move and from game to game; videmos empties them at
// clear_board and boardsize:
//   memoprise     (prise.cpp)          answers of testprise
//   memoforce     (coupforce.cpp)      answers of cherchecoupforce
//   memomorts     (marquagemorts.cpp)  answers of marquechainesmortesbis
//   memoetat      (etatchaines.cpp)    answers of detectetatchaines2 and detectetatchaine
// Each answers only while cacheactif is clear and no test probe is set, under
// a 96-bit key of every input the call reads (the list is at each memo: board,
// chain table, dead marks, arguments, level, lecturelongue, board size...), and
// replays the counters and flags the call moved; memomorts also checks that
// the cacheprise buckets its readings consulted are still empty. So an entry
// from an earlier move, game or size is what the call would work out again;
// emptying them at a new game only frees stale entries.
//
// Kept for one search, emptied when the next starts (videmofeuilles): memofeuilles
// (aprescalcul.cpp), memomorts, memocoupforce, memosousarbres and the maps they
// share, reservememos (recupcpale.cpp).
//
// Kept after a call for whoever asks about it, written whole by each call:
// etatrecherche (recherche.cpp, dernierrecherche), dernieressais
// (analyseposition.cpp, essaisanalyse), derniersnoeuds (lectureliaison.cpp,
// noeudsliaison), noeuds (groupes.cpp, noeudsgroupes).
//
// Set once: the key tables' flag in chargecles, the books' source sourcelivres
// (livres.cpp), the test seams the globals check lets through.
//
// Reused, never read before the call that uses them writes them: node pools
// and undo stores (poolnoeuds in lecturelocale.cpp, the chain-table journal in
// jeu.cpp, the ladder saves in escalier.cpp), the readings' states and node
// buffers, tablehachyeux (each two-eye reading starts its fill counts at 0),
// tabletransposition99 (each solver pass starts its count at 0), the chain
// stamps of rejoue.cpp (a new generation never matches an old stamp); the
// nested-reading guards lectureencours (prise.cpp) and debencours (enclos.cpp),
// set for the length of a reading. exclusionvide (familles.cpp) stays empty:
// no step of the search keeps a point out of the cut marking.
//
// The per-point owner maps of the trials (carteniveau, tablelecture) and
// flagrelie are on the sheet and reset with each move: a move reads none of
// another move's or game's trials.
//
// Everything else there is the scratch of one call: lists, maps and copies it
// fills before reading them.
