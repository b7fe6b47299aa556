# fixed_handicap, place_free_handicap, set_free_handicap.
1 fixed_handicap 2
#? [D4 Q16]
2 fixed_handicap 4
#? [\?board not empty]
3 clear_board
#? []
4 fixed_handicap 9
#? [D4 Q16 D16 Q4 D10 Q10 K4 K16 K10]
5 play w K10
#? [\?illegal move]
6 undo
#? [\?cannot undo]
7 clear_board
#? []
8 fixed_handicap 1
#? [\?invalid number of stones]
9 fixed_handicap 10
#? [\?invalid number of stones]
10 fixed_handicap 99999999999999999999
#? [\?invalid number of stones]
11 fixed_handicap 0
#? [\?invalid number of stones]
12 fixed_handicap -2
#? [\?syntax error]
13 fixed_handicap x
#? [\?syntax error]
14 fixed_handicap
#? [\?syntax error]
15 boardsize 9
#? []
16 fixed_handicap 5
#? [C3 G7 C7 G3 E5]
17 boardsize 13
#? []
18 fixed_handicap 3
#? [D4 K10 D10]
# A pass does not put a stone on the board: fixed_handicap is still allowed.
19 clear_board
#? []
20 play b pass
#? []
21 fixed_handicap 2
#? [D4 K10]
30 boardsize 9
#? []
31 place_free_handicap 2
#? [G7 G3]
32 play w G7
#? [\?illegal move]
33 undo
#? [\?cannot undo]
34 place_free_handicap 3
#? [\?board not empty]
35 clear_board
#? []
36 place_free_handicap 1
#? [\?invalid nuber of stones]
37 place_free_handicap 81
#? [\?invalid nuber of stones]
38 place_free_handicap 4294967298
#? [\?invalid nuber of stones]
39 place_free_handicap x
#? [\?syntax error]
40 place_free_handicap
#? [\?syntax error]
41 place_free_handicap 80
#? [G7 G3 C3 C7 E5 E7 G5 E3 C5]
42 clear_board
#? []
43 play b pass
#? []
44 place_free_handicap 2
#? [\?board not empty]
45 boardsize 19
#? []
46 place_free_handicap 5
#? [R16 Q3 C4 D17 P17]
47 boardsize 13
#? []
48 place_free_handicap 3
#? [L10 K3 C4]
50 boardsize 19
#? []
51 set_free_handicap D4 Q16
#? []
52 play w D4
#? [\?illegal move]
53 undo
#? [\?cannot undo]
54 play w C3
#? []
55 undo
#? []
56 undo
#? [\?cannot undo]
# Every word is checked before any stone is placed.
57 clear_board
#? []
58 set_free_handicap D4 I5
#? [\?syntax error]
59 set_free_handicap D4 Z5
#? [\?syntax error]
60 set_free_handicap D4 pass
#? [\?syntax error]
61 set_free_handicap D4 T20
#? [\?syntax error]
62 play b D4
#? []
63 undo
#? []
64 undo
#? [\?cannot undo]
# Refused handicaps leave the game as it was: on a board that holds moves,
# with a repeated point, with fewer than two stones.
65 set_free_handicap K10 K10 C3
#? [\?bad vertex list]
66 set_free_handicap K10
#? [\?invalid handicap]
67 set_free_handicap
#? [\?invalid handicap]
68 play b E5
#? []
69 play w D5
#? []
70 set_free_handicap C3 G7
#? [\?board not empty]
71 play b C3
#? []
72 undo
#? []
73 undo
#? []
74 undo
#? []
75 undo
#? [\?cannot undo]
# A pass is a move of the game too.
76 play b pass
#? []
77 set_free_handicap C3 G7
#? [\?board not empty]
78 undo
#? []
# Every point of the board but one is the most a handicap can have.
79 boardsize 9
#? []
80 set_free_handicap A1 A2 A3 A4 A5 A6 A7 A8 A9 B1 B2 B3 B4 B5 B6 B7 B8 B9 C1 C2 C3 C4 C5 C6 C7 C8 C9 D1 D2 D3 D4 D5 D6 D7 D8 D9 E1 E2 E3 E4 E5 E6 E7 E8 E9 F1 F2 F3 F4 F5 F6 F7 F8 F9 G1 G2 G3 G4 G5 G6 G7 G8 G9 H1 H2 H3 H4 H5 H6 H7 H8 H9 J1 J2 J3 J4 J5 J6 J7 J8 J9
#? [\?invalid handicap]
81 set_free_handicap A1 A2 A3 A4 A5 A6 A7 A8 A9 B1 B2 B3 B4 B5 B6 B7 B8 B9 C1 C2 C3 C4 C5 C6 C7 C8 C9 D1 D2 D3 D4 D5 D6 D7 D8 D9 E1 E2 E3 E4 E5 E6 E7 E8 E9 F1 F2 F3 F4 F5 F6 F7 F8 F9 G1 G2 G3 G4 G5 G6 G7 G8 G9 H1 H2 H3 H4 H5 H6 H7 H8 H9 J1 J2 J3 J4 J5 J6 J7 J8
#? []
82 undo
#? [\?cannot undo]
