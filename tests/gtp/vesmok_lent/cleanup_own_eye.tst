# kgs-genmove_cleanup on the end of a 9x9 game (X black, O white), the side
# whose eyes are D1, D3 and E2 to move: its search, all its moves worth the
# same, once filled its own eye D3. The cleanup must take the stones the
# final status calls dead instead (G1-J2 at H1, or B2-C2 at B1).
#
#  9 . O O . O O X X X
#  8 . . O O O X X X .
#  7 . O O O X X O X X
#  6 . O . O O O O X .
#  5 O O O O X X X X X
#  4 O . O O X O X O O
#  3 . O O . O O O O O
#  2 O X X O . O X X X
#  1 . . O . O O X . X
#    A B C D E F G H J
# Then the same with the colours swapped.
1 boardsize 9
#? []
2 clear_board
#? []
3 komi 7.5
#? []
4 play w B9
#? []
5 play w C9
#? []
6 play w E9
#? []
7 play w F9
#? []
8 play b G9
#? []
9 play b H9
#? []
10 play b J9
#? []
11 play w C8
#? []
12 play w D8
#? []
13 play w E8
#? []
14 play b F8
#? []
15 play b G8
#? []
16 play b H8
#? []
17 play w B7
#? []
18 play w C7
#? []
19 play w D7
#? []
20 play b E7
#? []
21 play b F7
#? []
22 play w G7
#? []
23 play b H7
#? []
24 play b J7
#? []
25 play w B6
#? []
26 play w D6
#? []
27 play w E6
#? []
28 play w F6
#? []
29 play w G6
#? []
30 play b H6
#? []
31 play w A5
#? []
32 play w B5
#? []
33 play w C5
#? []
34 play w D5
#? []
35 play b E5
#? []
36 play b F5
#? []
37 play b G5
#? []
38 play b H5
#? []
39 play b J5
#? []
40 play w A4
#? []
41 play w C4
#? []
42 play w D4
#? []
43 play b E4
#? []
44 play w F4
#? []
45 play b G4
#? []
46 play w H4
#? []
47 play w J4
#? []
48 play w B3
#? []
49 play w C3
#? []
50 play w E3
#? []
51 play w F3
#? []
52 play w G3
#? []
53 play w H3
#? []
54 play w J3
#? []
55 play w A2
#? []
56 play b B2
#? []
57 play b C2
#? []
58 play w D2
#? []
59 play w F2
#? []
60 play b G2
#? []
61 play b H2
#? []
62 play b J2
#? []
63 play w C1
#? []
64 play w E1
#? []
65 play w F1
#? []
66 play b G1
#? []
67 play b J1
#? []
68 kgs-genmove_cleanup w
#? [H1|B1]
69 boardsize 9
#? []
70 clear_board
#? []
71 komi 7.5
#? []
72 play b B9
#? []
73 play b C9
#? []
74 play b E9
#? []
75 play b F9
#? []
76 play w G9
#? []
77 play w H9
#? []
78 play w J9
#? []
79 play b C8
#? []
80 play b D8
#? []
81 play b E8
#? []
82 play w F8
#? []
83 play w G8
#? []
84 play w H8
#? []
85 play b B7
#? []
86 play b C7
#? []
87 play b D7
#? []
88 play w E7
#? []
89 play w F7
#? []
90 play b G7
#? []
91 play w H7
#? []
92 play w J7
#? []
93 play b B6
#? []
94 play b D6
#? []
95 play b E6
#? []
96 play b F6
#? []
97 play b G6
#? []
98 play w H6
#? []
99 play b A5
#? []
100 play b B5
#? []
101 play b C5
#? []
102 play b D5
#? []
103 play w E5
#? []
104 play w F5
#? []
105 play w G5
#? []
106 play w H5
#? []
107 play w J5
#? []
108 play b A4
#? []
109 play b C4
#? []
110 play b D4
#? []
111 play w E4
#? []
112 play b F4
#? []
113 play w G4
#? []
114 play b H4
#? []
115 play b J4
#? []
116 play b B3
#? []
117 play b C3
#? []
118 play b E3
#? []
119 play b F3
#? []
120 play b G3
#? []
121 play b H3
#? []
122 play b J3
#? []
123 play b A2
#? []
124 play w B2
#? []
125 play w C2
#? []
126 play b D2
#? []
127 play b F2
#? []
128 play w G2
#? []
129 play w H2
#? []
130 play w J2
#? []
131 play b C1
#? []
132 play b E1
#? []
133 play b F1
#? []
134 play w G1
#? []
135 play w J1
#? []
136 kgs-genmove_cleanup b
#? [H1|B1]
