# final_status_list from the engine's own analysis: dead, alive and seki
# stones of settled positions; asking twice changes neither the answer nor
# the game.
1 boardsize 9
#? []
# An empty board has no stones to list.
2 final_status_list dead
#? []
3 final_status_list alive
#? []
4 final_status_list seki
#? []
# A lone white stone deep inside black's secure area is dead; the walls live.
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
100 final_status_list dead
#? [C2]
101 final_status_list alive
#? [A5 A6 B5 B6 C5 C6 D5 D6 E5 E6 F5 F6 G1 G2 G3 G4 G5 G6 H1 H2 H3 H4 H5 H6]
102 final_status_list seki
#? []
103 final_status_list dead
#? [C2]
# The game is as it was: C2 is still white's stone, C3 still free.
104 play b C2
#? [\?illegal move]
105 play w C3
#? []
106 clear_board
#? []
# A black and a white group, each with two eyes, side by side: both alive.
110 play b B1
#? []
111 play b D1
#? []
112 play b A2
#? []
113 play b B2
#? []
114 play b C2
#? []
115 play b D2
#? []
116 play b B3
#? []
117 play b D3
#? []
118 play b A4
#? []
119 play b B4
#? []
120 play b C4
#? []
121 play b D4
#? []
122 play w E1
#? []
123 play w G1
#? []
124 play w J1
#? []
125 play w E2
#? []
126 play w F2
#? []
127 play w G2
#? []
128 play w H2
#? []
129 play w J2
#? []
130 play w E3
#? []
131 play w G3
#? []
132 play w E4
#? []
133 play w F4
#? []
134 play w G4
#? []
135 play w H4
#? []
136 play w J4
#? []
200 final_status_list dead
#? []
201 final_status_list alive
#? [A2 A4 B1 B2 B3 B4 C2 C4 D1 D2 D3 D4 E1 E2 E3 E4 F2 F4 G1 G2 G3 G4 H2 H4 J1 J2 J4]
202 final_status_list seki
#? []
203 clear_board
#? []
# A white and a black chain share their last outside liberty C1: seki,
# listed under seki and not under alive; the black corner lower right lives.
210 play b D1
#? []
211 play b F1
#? []
212 play b C2
#? []
213 play b D2
#? []
214 play b E2
#? []
215 play b F2
#? []
216 play b A3
#? []
217 play b B3
#? []
218 play b C3
#? []
219 play b F6
#? []
220 play b G6
#? []
221 play b H6
#? []
222 play b J6
#? []
223 play b F7
#? []
224 play b F8
#? []
225 play b F9
#? []
226 play w B1
#? []
227 play w G1
#? []
228 play w A2
#? []
229 play w B2
#? []
230 play w G2
#? []
231 play w D3
#? []
232 play w E3
#? []
233 play w F3
#? []
234 play w G3
#? []
235 play w A4
#? []
236 play w B4
#? []
237 play w C4
#? []
238 play w D4
#? []
300 final_status_list seki
#? [A2 A3 B1 B2 B3 C2 C3 D1 D2 E2 F1 F2]
301 final_status_list alive
#? [A4 B4 C4 D3 D4 E3 F3 F6 F7 F8 F9 G1 G2 G3 G6 H6 J6]
302 final_status_list dead
#? []
303 final_status_list seki
#? [A2 A3 B1 B2 B3 C2 C3 D1 D2 E2 F1 F2]
