# kgs-genmove_cleanup after both sides passed, under Japanese rules: a dead
# white stone, C2, lies inside black's area.
1 boardsize 9
#? []
10 play b G1
#? []
11 play b G2
#? []
12 play b G3
#? []
13 play b G4
#? []
14 play b A5
#? []
15 play b B5
#? []
16 play b C5
#? []
17 play b D5
#? []
18 play b E5
#? []
19 play b F5
#? []
20 play b G5
#? []
21 play w H1
#? []
22 play w C2
#? []
23 play w H2
#? []
24 play w H3
#? []
25 play w H4
#? []
26 play w H5
#? []
27 play w A6
#? []
28 play w B6
#? []
29 play w C6
#? []
30 play w D6
#? []
31 play w E6
#? []
32 play w F6
#? []
33 play w G6
#? []
34 play w H6
#? []
100 play w pass
#? []
101 play b pass
#? []
102 play w pass
#? []
# A plain genmove passes: the stone is dead, the game is over.
103 genmove b
#? [PASS]
# Cleanup plays on to take it off the board, then passes.
104 kgs-genmove_cleanup b
#? [!PASS]
105 play w pass
#? []
106 kgs-genmove_cleanup b
#? [.*]
107 play w pass
#? []
108 kgs-genmove_cleanup b
#? [.*]
109 play w pass
#? []
110 kgs-genmove_cleanup b
#? [.*]
111 play w pass
#? []
112 kgs-genmove_cleanup b
#? [.*]
113 play w pass
#? []
114 kgs-genmove_cleanup b
#? [.*]
115 play w pass
#? []
116 kgs-genmove_cleanup b
#? [.*]
117 play w pass
#? []
118 kgs-genmove_cleanup b
#? [.*]
119 play w pass
#? []
120 kgs-genmove_cleanup b
#? [.*]
121 play w pass
#? []
122 kgs-genmove_cleanup b
#? [.*]
123 play w pass
#? []
124 kgs-genmove_cleanup b
#? [.*]
125 play w pass
#? []
126 kgs-genmove_cleanup b
#? [.*]
127 play w pass
#? []
128 kgs-genmove_cleanup b
#? [.*]
129 play w pass
#? []
130 kgs-genmove_cleanup b
#? [PASS]
# Known failure: no move value leads the cleanup to take C2 (black plays B2
# and passes); only a spurious weighted-liberty value on every point of the
# own area led there before.
200 final_status_list dead
#? []*
# A plain genmove afterwards behaves as before.
201 play w pass
#? []
202 genmove b
#? [PASS]
