# fixed_handicap, place_free_handicap, set_free_handicap.
1 fixed_handicap 2
#? [ D4 Q16]
2 fixed_handicap 4
#? [\?board not empty]
3 clear_board
#? []
4 fixed_handicap 9
#? [ D4 Q16 D16 Q4 D10 Q10 K4 K16 K10]
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
#? [ C3 G7 C7 G3 E5]
17 boardsize 13
#? []
18 fixed_handicap 3
#? [ D4 K10 D10]
# A pass does not put a stone on the board: fixed_handicap is still allowed.
19 clear_board
#? []
20 play b pass
#? []
21 fixed_handicap 2
#? [ D4 K10]
30 boardsize 9
#? []
31 place_free_handicap 2
#? [G7 G3 ]
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
#? [G7 G3 C3 C7 E5 E7 G5 E3 C5 {72}]
42 clear_board
#? []
43 play b pass
#? []
44 place_free_handicap 2
#? [\?board not empty]
45 boardsize 19
#? []
46 place_free_handicap 5
#? [R16 Q3 C4 D17 P17 ]
47 boardsize 13
#? []
48 place_free_handicap 3
#? [L10 K3 C4 ]
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
# A repeated point places one stone; the handicap counts the stones placed.
65 set_free_handicap K10 K10 C3
#? []
66 play w D4
#? []
67 undo
#? []
68 undo
#? [\?cannot undo]
