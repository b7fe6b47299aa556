# Passing and the catch-up moves at the end of a game, under Japanese rules.
1 boardsize 9
#? []
# Nothing is left: every empty point is an eye. Both sides pass.
10 play b B1
#? []
11 play b D1
#? []
12 play b A2
#? []
13 play b B2
#? []
14 play b C2
#? []
15 play b D2
#? []
16 play b B3
#? []
17 play b D3
#? []
18 play b A4
#? []
19 play b B4
#? []
20 play b C4
#? []
21 play b D4
#? []
22 play b B5
#? []
23 play b D5
#? []
24 play b A6
#? []
25 play b B6
#? []
26 play b C6
#? []
27 play b D6
#? []
28 play b B7
#? []
29 play b D7
#? []
30 play b A8
#? []
31 play b B8
#? []
32 play b C8
#? []
33 play b D8
#? []
34 play b B9
#? []
35 play b D9
#? []
36 play w E1
#? []
37 play w G1
#? []
38 play w J1
#? []
39 play w E2
#? []
40 play w F2
#? []
41 play w G2
#? []
42 play w H2
#? []
43 play w J2
#? []
44 play w E3
#? []
45 play w G3
#? []
46 play w J3
#? []
47 play w E4
#? []
48 play w F4
#? []
49 play w G4
#? []
50 play w H4
#? []
51 play w J4
#? []
52 play w E5
#? []
53 play w G5
#? []
54 play w J5
#? []
55 play w E6
#? []
56 play w F6
#? []
57 play w G6
#? []
58 play w H6
#? []
59 play w J6
#? []
60 play w E7
#? []
61 play w G7
#? []
62 play w J7
#? []
63 play w E8
#? []
64 play w F8
#? []
65 play w G8
#? []
66 play w H8
#? []
67 play w J8
#? []
68 play w E9
#? []
69 play w G9
#? []
70 play w J9
#? []
100 play b pass
#? []
101 genmove w
#? [PASS]
102 genmove b
#? [PASS]
103 genmove w
#? [PASS]
104 clear_board
#? []
# One open dame, E5, beside white's wall, after black passed: worth nothing, white passes.
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
122 play b B5
#? []
123 play b D5
#? []
124 play b A6
#? []
125 play b B6
#? []
126 play b C6
#? []
127 play b D6
#? []
128 play b B7
#? []
129 play b D7
#? []
130 play b A8
#? []
131 play b B8
#? []
132 play b C8
#? []
133 play b D8
#? []
134 play b B9
#? []
135 play b D9
#? []
136 play w E1
#? []
137 play w G1
#? []
138 play w J1
#? []
139 play w E2
#? []
140 play w F2
#? []
141 play w G2
#? []
142 play w H2
#? []
143 play w J2
#? []
144 play w E3
#? []
145 play w G3
#? []
146 play w J3
#? []
147 play w E4
#? []
148 play w F4
#? []
149 play w G4
#? []
150 play w H4
#? []
151 play w J4
#? []
152 play w F5
#? []
153 play w H5
#? []
154 play w E6
#? []
155 play w F6
#? []
156 play w G6
#? []
157 play w H6
#? []
158 play w J6
#? []
159 play w E7
#? []
160 play w G7
#? []
161 play w J7
#? []
162 play w E8
#? []
163 play w F8
#? []
164 play w G8
#? []
165 play w H8
#? []
166 play w J8
#? []
167 play w E9
#? []
168 play w G9
#? []
169 play w J9
#? []
200 play b pass
#? []
# Known failure: the end-of-game evaluation judges E5, its only point, worth
# exactly the balance without a move; its pass code needs five judged points,
# so it gives none. At the root bonusrelielesgroupes adds 10 to a move of the
# defending side (white leads by the komi) whose stone is linked to white's
# own territory, which outweighs the shape penalty the leaf gives the point.
201 genmove w
#? [PASS]*
202 clear_board
#? []
# The lone white stone D4 inside black's wall is in atari: after white's
# pass black takes it.
210 play b B1
#? []
211 play b D1
#? []
212 play b A2
#? []
213 play b B2
#? []
214 play b C2
#? []
215 play b D2
#? []
216 play b B3
#? []
217 play b D3
#? []
218 play b A4
#? []
219 play b B4
#? []
220 play b C4
#? []
221 play b B5
#? []
222 play b D5
#? []
223 play b A6
#? []
224 play b B6
#? []
225 play b C6
#? []
226 play b D6
#? []
227 play b B7
#? []
228 play b D7
#? []
229 play b A8
#? []
230 play b B8
#? []
231 play b C8
#? []
232 play b D8
#? []
233 play b B9
#? []
234 play b D9
#? []
235 play w E1
#? []
236 play w G1
#? []
237 play w J1
#? []
238 play w E2
#? []
239 play w F2
#? []
240 play w G2
#? []
241 play w H2
#? []
242 play w J2
#? []
243 play w E3
#? []
244 play w G3
#? []
245 play w J3
#? []
246 play w D4
#? []
247 play w F4
#? []
248 play w G4
#? []
249 play w H4
#? []
250 play w J4
#? []
251 play w E5
#? []
252 play w G5
#? []
253 play w J5
#? []
254 play w E6
#? []
255 play w F6
#? []
256 play w G6
#? []
257 play w H6
#? []
258 play w J6
#? []
259 play w E7
#? []
260 play w G7
#? []
261 play w J7
#? []
262 play w E8
#? []
263 play w F8
#? []
264 play w G8
#? []
265 play w H8
#? []
266 play w J8
#? []
267 play w E9
#? []
268 play w G9
#? []
269 play w J9
#? []
300 play w pass
#? []
301 genmove b
#? [E4]
302 play w pass
#? []
