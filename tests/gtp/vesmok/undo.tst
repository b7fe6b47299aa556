# undo: replays the game without its last move.
1 undo
#? [\?cannot undo]
2 play b D4
#? []
3 undo
#? []
4 play w D4
#? []
5 undo
#? []
6 undo
#? [\?cannot undo]
# A capture taken back puts the stone back.
10 boardsize 9
#? []
11 play w A1
#? []
12 play b B1
#? []
13 play b A2
#? []
14 play b A1
#? []
15 undo
#? []
16 undo
#? []
17 play b A1
#? [\?illegal move]
18 undo
#? []
19 play b A1
#? [\?illegal move]
20 play w A2
#? []
# Passes are moves too.
30 clear_board
#? []
31 play b pass
#? []
32 genmove w
33 undo
#? []
34 undo
#? []
35 undo
#? [\?cannot undo]
# Fixed handicap stones stay; the next game has no handicap (clear_board, boardsize).
40 fixed_handicap 4
#? [C3 G7 C7 G3]
41 undo
#? [\?cannot undo]
42 play w E5
#? []
43 undo
#? []
44 play w C3
#? [\?illegal move]
45 undo
#? [\?cannot undo]
46 clear_board
#? []
47 play b E5
#? []
48 undo
#? []
49 fixed_handicap 2
#? [C3 G7]
50 boardsize 13
#? []
51 play b E5
#? []
52 undo
#? []
# An undo puts the ko back in force.
60 clear_board
#? []
61 play b B1
#? []
62 play b A2
#? []
63 play b C2
#? []
64 play w A3
#? []
65 play w C3
#? []
66 play w B4
#? []
67 play w B2
#? []
68 play b B3
#? []
69 play w G7
#? []
70 undo
#? []
71 play w B2
#? [\?illegal move]
72 undo
#? []
73 play b B3
#? []
