# Fixed handicap: the stones of every accepted size and count, and the refusals.
boardsize 2
clear_board
1 fixed_handicap 0
#? [\?invalid handicap]
clear_board
2 fixed_handicap 1
#? [\?invalid handicap]
clear_board
3 fixed_handicap 2
#? [\?invalid handicap]
clear_board
4 fixed_handicap 3
#? [\?invalid handicap]
clear_board
5 fixed_handicap 4
#? [\?invalid handicap]
clear_board
6 fixed_handicap 5
#? [\?invalid handicap]
clear_board
7 fixed_handicap 6
#? [\?invalid handicap]
clear_board
8 fixed_handicap 7
#? [\?invalid handicap]
clear_board
9 fixed_handicap 8
#? [\?invalid handicap]
clear_board
10 fixed_handicap 9
#? [\?invalid handicap]
clear_board
11 fixed_handicap 10
#? [\?invalid handicap]
boardsize 3
clear_board
12 fixed_handicap 0
#? [\?invalid handicap]
clear_board
13 fixed_handicap 1
#? [\?invalid handicap]
clear_board
14 fixed_handicap 2
#? [\?invalid handicap]
clear_board
15 fixed_handicap 3
#? [\?invalid handicap]
clear_board
16 fixed_handicap 4
#? [\?invalid handicap]
clear_board
17 fixed_handicap 5
#? [\?invalid handicap]
clear_board
18 fixed_handicap 6
#? [\?invalid handicap]
clear_board
19 fixed_handicap 7
#? [\?invalid handicap]
clear_board
20 fixed_handicap 8
#? [\?invalid handicap]
clear_board
21 fixed_handicap 9
#? [\?invalid handicap]
clear_board
22 fixed_handicap 10
#? [\?invalid handicap]
boardsize 4
clear_board
23 fixed_handicap 0
#? [\?invalid handicap]
clear_board
24 fixed_handicap 1
#? [\?invalid handicap]
clear_board
25 fixed_handicap 2
#? [\?invalid handicap]
clear_board
26 fixed_handicap 3
#? [\?invalid handicap]
clear_board
27 fixed_handicap 4
#? [\?invalid handicap]
clear_board
28 fixed_handicap 5
#? [\?invalid handicap]
clear_board
29 fixed_handicap 6
#? [\?invalid handicap]
clear_board
30 fixed_handicap 7
#? [\?invalid handicap]
clear_board
31 fixed_handicap 8
#? [\?invalid handicap]
clear_board
32 fixed_handicap 9
#? [\?invalid handicap]
clear_board
33 fixed_handicap 10
#? [\?invalid handicap]
boardsize 5
clear_board
34 fixed_handicap 0
#? [\?invalid handicap]
clear_board
35 fixed_handicap 1
#? [\?invalid handicap]
clear_board
36 fixed_handicap 2
#? [\?invalid handicap]
clear_board
37 fixed_handicap 3
#? [\?invalid handicap]
clear_board
38 fixed_handicap 4
#? [\?invalid handicap]
clear_board
39 fixed_handicap 5
#? [\?invalid handicap]
clear_board
40 fixed_handicap 6
#? [\?invalid handicap]
clear_board
41 fixed_handicap 7
#? [\?invalid handicap]
clear_board
42 fixed_handicap 8
#? [\?invalid handicap]
clear_board
43 fixed_handicap 9
#? [\?invalid handicap]
clear_board
44 fixed_handicap 10
#? [\?invalid handicap]
boardsize 6
clear_board
45 fixed_handicap 0
#? [\?invalid handicap]
clear_board
46 fixed_handicap 1
#? [\?invalid handicap]
clear_board
47 fixed_handicap 2
#? [\?invalid handicap]
clear_board
48 fixed_handicap 3
#? [\?invalid handicap]
clear_board
49 fixed_handicap 4
#? [\?invalid handicap]
clear_board
50 fixed_handicap 5
#? [\?invalid handicap]
clear_board
51 fixed_handicap 6
#? [\?invalid handicap]
clear_board
52 fixed_handicap 7
#? [\?invalid handicap]
clear_board
53 fixed_handicap 8
#? [\?invalid handicap]
clear_board
54 fixed_handicap 9
#? [\?invalid handicap]
clear_board
55 fixed_handicap 10
#? [\?invalid handicap]
boardsize 7
clear_board
56 fixed_handicap 0
#? [\?invalid handicap]
clear_board
57 fixed_handicap 1
#? [\?invalid handicap]
clear_board
58 fixed_handicap 2
#? [E5 C3]
clear_board
59 fixed_handicap 3
#? [C5 E5 C3]
clear_board
60 fixed_handicap 4
#? [C5 E5 C3 E3]
clear_board
61 fixed_handicap 5
#? [\?invalid handicap]
clear_board
62 fixed_handicap 6
#? [\?invalid handicap]
clear_board
63 fixed_handicap 7
#? [\?invalid handicap]
clear_board
64 fixed_handicap 8
#? [\?invalid handicap]
clear_board
65 fixed_handicap 9
#? [\?invalid handicap]
clear_board
66 fixed_handicap 10
#? [\?invalid handicap]
boardsize 8
clear_board
67 fixed_handicap 0
#? [\?invalid handicap]
clear_board
68 fixed_handicap 1
#? [\?invalid handicap]
clear_board
69 fixed_handicap 2
#? [F6 C3]
clear_board
70 fixed_handicap 3
#? [C6 F6 C3]
clear_board
71 fixed_handicap 4
#? [C6 F6 C3 F3]
clear_board
72 fixed_handicap 5
#? [\?invalid handicap]
clear_board
73 fixed_handicap 6
#? [\?invalid handicap]
clear_board
74 fixed_handicap 7
#? [\?invalid handicap]
clear_board
75 fixed_handicap 8
#? [\?invalid handicap]
clear_board
76 fixed_handicap 9
#? [\?invalid handicap]
clear_board
77 fixed_handicap 10
#? [\?invalid handicap]
boardsize 9
clear_board
78 fixed_handicap 0
#? [\?invalid handicap]
clear_board
79 fixed_handicap 1
#? [\?invalid handicap]
clear_board
80 fixed_handicap 2
#? [G7 C3]
clear_board
81 fixed_handicap 3
#? [C7 G7 C3]
clear_board
82 fixed_handicap 4
#? [C7 G7 C3 G3]
clear_board
83 fixed_handicap 5
#? [C7 G7 E5 C3 G3]
clear_board
84 fixed_handicap 6
#? [C7 G7 C5 G5 C3 G3]
clear_board
85 fixed_handicap 7
#? [C7 G7 C5 E5 G5 C3 G3]
clear_board
86 fixed_handicap 8
#? [C7 E7 G7 C5 G5 C3 E3 G3]
clear_board
87 fixed_handicap 9
#? [C7 E7 G7 C5 E5 G5 C3 E3 G3]
clear_board
88 fixed_handicap 10
#? [\?invalid handicap]
boardsize 10
clear_board
89 fixed_handicap 0
#? [\?invalid handicap]
clear_board
90 fixed_handicap 1
#? [\?invalid handicap]
clear_board
91 fixed_handicap 2
#? [H8 C3]
clear_board
92 fixed_handicap 3
#? [C8 H8 C3]
clear_board
93 fixed_handicap 4
#? [C8 H8 C3 H3]
clear_board
94 fixed_handicap 5
#? [\?invalid handicap]
clear_board
95 fixed_handicap 6
#? [\?invalid handicap]
clear_board
96 fixed_handicap 7
#? [\?invalid handicap]
clear_board
97 fixed_handicap 8
#? [\?invalid handicap]
clear_board
98 fixed_handicap 9
#? [\?invalid handicap]
clear_board
99 fixed_handicap 10
#? [\?invalid handicap]
boardsize 11
clear_board
100 fixed_handicap 0
#? [\?invalid handicap]
clear_board
101 fixed_handicap 1
#? [\?invalid handicap]
clear_board
102 fixed_handicap 2
#? [J9 C3]
clear_board
103 fixed_handicap 3
#? [C9 J9 C3]
clear_board
104 fixed_handicap 4
#? [C9 J9 C3 J3]
clear_board
105 fixed_handicap 5
#? [C9 J9 F6 C3 J3]
clear_board
106 fixed_handicap 6
#? [C9 J9 C6 J6 C3 J3]
clear_board
107 fixed_handicap 7
#? [C9 J9 C6 F6 J6 C3 J3]
clear_board
108 fixed_handicap 8
#? [C9 F9 J9 C6 J6 C3 F3 J3]
clear_board
109 fixed_handicap 9
#? [C9 F9 J9 C6 F6 J6 C3 F3 J3]
clear_board
110 fixed_handicap 10
#? [\?invalid handicap]
boardsize 12
clear_board
111 fixed_handicap 0
#? [\?invalid handicap]
clear_board
112 fixed_handicap 1
#? [\?invalid handicap]
clear_board
113 fixed_handicap 2
#? [K10 C3]
clear_board
114 fixed_handicap 3
#? [C10 K10 C3]
clear_board
115 fixed_handicap 4
#? [C10 K10 C3 K3]
clear_board
116 fixed_handicap 5
#? [\?invalid handicap]
clear_board
117 fixed_handicap 6
#? [\?invalid handicap]
clear_board
118 fixed_handicap 7
#? [\?invalid handicap]
clear_board
119 fixed_handicap 8
#? [\?invalid handicap]
clear_board
120 fixed_handicap 9
#? [\?invalid handicap]
clear_board
121 fixed_handicap 10
#? [\?invalid handicap]
boardsize 13
clear_board
122 fixed_handicap 0
#? [\?invalid handicap]
clear_board
123 fixed_handicap 1
#? [\?invalid handicap]
clear_board
124 fixed_handicap 2
#? [K10 D4]
clear_board
125 fixed_handicap 3
#? [D10 K10 D4]
clear_board
126 fixed_handicap 4
#? [D10 K10 D4 K4]
clear_board
127 fixed_handicap 5
#? [D10 K10 G7 D4 K4]
clear_board
128 fixed_handicap 6
#? [D10 K10 D7 K7 D4 K4]
clear_board
129 fixed_handicap 7
#? [D10 K10 D7 G7 K7 D4 K4]
clear_board
130 fixed_handicap 8
#? [D10 G10 K10 D7 K7 D4 G4 K4]
clear_board
131 fixed_handicap 9
#? [D10 G10 K10 D7 G7 K7 D4 G4 K4]
clear_board
132 fixed_handicap 10
#? [\?invalid handicap]
boardsize 14
clear_board
133 fixed_handicap 0
#? [\?invalid handicap]
clear_board
134 fixed_handicap 1
#? [\?invalid handicap]
clear_board
135 fixed_handicap 2
#? [L11 D4]
clear_board
136 fixed_handicap 3
#? [D11 L11 D4]
clear_board
137 fixed_handicap 4
#? [D11 L11 D4 L4]
clear_board
138 fixed_handicap 5
#? [\?invalid handicap]
clear_board
139 fixed_handicap 6
#? [\?invalid handicap]
clear_board
140 fixed_handicap 7
#? [\?invalid handicap]
clear_board
141 fixed_handicap 8
#? [\?invalid handicap]
clear_board
142 fixed_handicap 9
#? [\?invalid handicap]
clear_board
143 fixed_handicap 10
#? [\?invalid handicap]
boardsize 15
clear_board
144 fixed_handicap 0
#? [\?invalid handicap]
clear_board
145 fixed_handicap 1
#? [\?invalid handicap]
clear_board
146 fixed_handicap 2
#? [M12 D4]
clear_board
147 fixed_handicap 3
#? [D12 M12 D4]
clear_board
148 fixed_handicap 4
#? [D12 M12 D4 M4]
clear_board
149 fixed_handicap 5
#? [D12 M12 H8 D4 M4]
clear_board
150 fixed_handicap 6
#? [D12 M12 D8 M8 D4 M4]
clear_board
151 fixed_handicap 7
#? [D12 M12 D8 H8 M8 D4 M4]
clear_board
152 fixed_handicap 8
#? [D12 H12 M12 D8 M8 D4 H4 M4]
clear_board
153 fixed_handicap 9
#? [D12 H12 M12 D8 H8 M8 D4 H4 M4]
clear_board
154 fixed_handicap 10
#? [\?invalid handicap]
boardsize 16
clear_board
155 fixed_handicap 0
#? [\?invalid handicap]
clear_board
156 fixed_handicap 1
#? [\?invalid handicap]
clear_board
157 fixed_handicap 2
#? [N13 D4]
clear_board
158 fixed_handicap 3
#? [D13 N13 D4]
clear_board
159 fixed_handicap 4
#? [D13 N13 D4 N4]
clear_board
160 fixed_handicap 5
#? [\?invalid handicap]
clear_board
161 fixed_handicap 6
#? [\?invalid handicap]
clear_board
162 fixed_handicap 7
#? [\?invalid handicap]
clear_board
163 fixed_handicap 8
#? [\?invalid handicap]
clear_board
164 fixed_handicap 9
#? [\?invalid handicap]
clear_board
165 fixed_handicap 10
#? [\?invalid handicap]
boardsize 17
clear_board
166 fixed_handicap 0
#? [\?invalid handicap]
clear_board
167 fixed_handicap 1
#? [\?invalid handicap]
clear_board
168 fixed_handicap 2
#? [O14 D4]
clear_board
169 fixed_handicap 3
#? [D14 O14 D4]
clear_board
170 fixed_handicap 4
#? [D14 O14 D4 O4]
clear_board
171 fixed_handicap 5
#? [D14 O14 J9 D4 O4]
clear_board
172 fixed_handicap 6
#? [D14 O14 D9 O9 D4 O4]
clear_board
173 fixed_handicap 7
#? [D14 O14 D9 J9 O9 D4 O4]
clear_board
174 fixed_handicap 8
#? [D14 J14 O14 D9 O9 D4 J4 O4]
clear_board
175 fixed_handicap 9
#? [D14 J14 O14 D9 J9 O9 D4 J4 O4]
clear_board
176 fixed_handicap 10
#? [\?invalid handicap]
boardsize 18
clear_board
177 fixed_handicap 0
#? [\?invalid handicap]
clear_board
178 fixed_handicap 1
#? [\?invalid handicap]
clear_board
179 fixed_handicap 2
#? [P15 D4]
clear_board
180 fixed_handicap 3
#? [D15 P15 D4]
clear_board
181 fixed_handicap 4
#? [D15 P15 D4 P4]
clear_board
182 fixed_handicap 5
#? [\?invalid handicap]
clear_board
183 fixed_handicap 6
#? [\?invalid handicap]
clear_board
184 fixed_handicap 7
#? [\?invalid handicap]
clear_board
185 fixed_handicap 8
#? [\?invalid handicap]
clear_board
186 fixed_handicap 9
#? [\?invalid handicap]
clear_board
187 fixed_handicap 10
#? [\?invalid handicap]
boardsize 19
clear_board
188 fixed_handicap 0
#? [\?invalid handicap]
clear_board
189 fixed_handicap 1
#? [\?invalid handicap]
clear_board
190 fixed_handicap 2
#? [Q16 D4]
clear_board
191 fixed_handicap 3
#? [D16 Q16 D4]
clear_board
192 fixed_handicap 4
#? [D16 Q16 D4 Q4]
clear_board
193 fixed_handicap 5
#? [D16 Q16 K10 D4 Q4]
clear_board
194 fixed_handicap 6
#? [D16 Q16 D10 Q10 D4 Q4]
clear_board
195 fixed_handicap 7
#? [D16 Q16 D10 K10 Q10 D4 Q4]
clear_board
196 fixed_handicap 8
#? [D16 K16 Q16 D10 Q10 D4 K4 Q4]
clear_board
197 fixed_handicap 9
#? [D16 K16 Q16 D10 K10 Q10 D4 K4 Q4]
clear_board
198 fixed_handicap 10
#? [\?invalid handicap]
boardsize 20
clear_board
199 fixed_handicap 0
#? [\?invalid handicap]
clear_board
200 fixed_handicap 1
#? [\?invalid handicap]
clear_board
201 fixed_handicap 2
#? [R17 D4]
clear_board
202 fixed_handicap 3
#? [D17 R17 D4]
clear_board
203 fixed_handicap 4
#? [D17 R17 D4 R4]
clear_board
204 fixed_handicap 5
#? [\?invalid handicap]
clear_board
205 fixed_handicap 6
#? [\?invalid handicap]
clear_board
206 fixed_handicap 7
#? [\?invalid handicap]
clear_board
207 fixed_handicap 8
#? [\?invalid handicap]
clear_board
208 fixed_handicap 9
#? [\?invalid handicap]
clear_board
209 fixed_handicap 10
#? [\?invalid handicap]
boardsize 21
clear_board
210 fixed_handicap 0
#? [\?invalid handicap]
clear_board
211 fixed_handicap 1
#? [\?invalid handicap]
clear_board
212 fixed_handicap 2
#? [S18 D4]
clear_board
213 fixed_handicap 3
#? [D18 S18 D4]
clear_board
214 fixed_handicap 4
#? [D18 S18 D4 S4]
clear_board
215 fixed_handicap 5
#? [D18 S18 L11 D4 S4]
clear_board
216 fixed_handicap 6
#? [D18 S18 D11 S11 D4 S4]
clear_board
217 fixed_handicap 7
#? [D18 S18 D11 L11 S11 D4 S4]
clear_board
218 fixed_handicap 8
#? [D18 L18 S18 D11 S11 D4 L4 S4]
clear_board
219 fixed_handicap 9
#? [D18 L18 S18 D11 L11 S11 D4 L4 S4]
clear_board
220 fixed_handicap 10
#? [\?invalid handicap]
boardsize 22
clear_board
221 fixed_handicap 0
#? [\?invalid handicap]
clear_board
222 fixed_handicap 1
#? [\?invalid handicap]
clear_board
223 fixed_handicap 2
#? [T19 D4]
clear_board
224 fixed_handicap 3
#? [D19 T19 D4]
clear_board
225 fixed_handicap 4
#? [D19 T19 D4 T4]
clear_board
226 fixed_handicap 5
#? [\?invalid handicap]
clear_board
227 fixed_handicap 6
#? [\?invalid handicap]
clear_board
228 fixed_handicap 7
#? [\?invalid handicap]
clear_board
229 fixed_handicap 8
#? [\?invalid handicap]
clear_board
230 fixed_handicap 9
#? [\?invalid handicap]
clear_board
231 fixed_handicap 10
#? [\?invalid handicap]
boardsize 23
clear_board
232 fixed_handicap 0
#? [\?invalid handicap]
clear_board
233 fixed_handicap 1
#? [\?invalid handicap]
clear_board
234 fixed_handicap 2
#? [U20 D4]
clear_board
235 fixed_handicap 3
#? [D20 U20 D4]
clear_board
236 fixed_handicap 4
#? [D20 U20 D4 U4]
clear_board
237 fixed_handicap 5
#? [D20 U20 M12 D4 U4]
clear_board
238 fixed_handicap 6
#? [D20 U20 D12 U12 D4 U4]
clear_board
239 fixed_handicap 7
#? [D20 U20 D12 M12 U12 D4 U4]
clear_board
240 fixed_handicap 8
#? [D20 M20 U20 D12 U12 D4 M4 U4]
clear_board
241 fixed_handicap 9
#? [D20 M20 U20 D12 M12 U12 D4 M4 U4]
clear_board
242 fixed_handicap 10
#? [\?invalid handicap]
boardsize 19
clear_board
243 fixed_handicap 5
#? [D16 Q16 K10 D4 Q4]
244 fixed_handicap 2
#? [\?board not empty]
clear_board
play b pass
245 fixed_handicap 2
#? [\?board not empty]
clear_board
246 fixed_handicap
#? [\?handicap not an integer]
247 fixed_handicap two
#? [\?handicap not an integer]
248 fixed_handicap 99999999999
#? [\?invalid handicap]
249 fixed_handicap -99999999999
#? [\?invalid handicap]
250 fixed_handicap 1
#? [\?invalid handicap]
251 fixed_handicap -3
#? [\?invalid handicap]
252 fixed_handicap 9x
#? [D16 K16 Q16 D10 K10 Q10 D4 K4 Q4]
