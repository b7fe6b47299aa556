# boardsize, clear_board, set_free_handicap and place_free_handicap.
1 boardsize 1
#? [\?unacceptable size]
2 boardsize 24
#? [\?unacceptable size]
3 boardsize nineteen
#? [\?boardsize not an integer]
4 boardsize
#? [\?boardsize not an integer]
5 boardsize 19x
#? []
6 boardsize 23
#? []
7 fixed_handicap 9
#? [D20 M20 U20 D12 M12 U12 D4 M4 U4]
8 boardsize 2
#? []
9 clear_board
#? []
10 boardsize 19
#? []
11 set_free_handicap D4 Q16
#? []
12 set_free_handicap D16 Q4
#? [\?board not empty]
13 fixed_handicap 2
#? [\?board not empty]
14 clear_board
#? []
15 set_free_handicap D4 D4
#? [\?repeated vertex]
# The failed command left the board empty.
16 set_free_handicap D4
#? [\?invalid handicap]
17 set_free_handicap D4 Z9
#? [\?invalid coordinate]
18 set_free_handicap D4 I5
#? [\?invalid coordinate]
19 set_free_handicap
#? [\?invalid handicap]
20 fixed_handicap 2
#? [Q16 D4]
21 clear_board
#? []
22 set_free_handicap d4 q16 K10
#? []
23 showboard
#? [[\s\S]*\n16( \.){15} X[\s\S]*\n10( \.){9} X[\s\S]*\n 4( \.){3} X[\s\S]*]
24 clear_board
#? []
25 place_free_handicap 4
#? [([A-HJ-T]\d+ ){3}[A-HJ-T]\d+]
26 place_free_handicap 2
#? [\?board not empty]
27 clear_board
#? []
28 place_free_handicap 1
#? [\?invalid handicap]
29 place_free_handicap x
#? [\?handicap not an integer]
# No upper bound in the command, but never more stones than the board takes.
30 boardsize 3
#? []
31 place_free_handicap 99999999999
#? [([A-C][1-3]( [A-C][1-3]){0,7})?]
32 boardsize 2
#? []
33 set_free_handicap A1 A2 B1 B2
#? [\?invalid handicap]
34 set_free_handicap A1 B2
#? []
