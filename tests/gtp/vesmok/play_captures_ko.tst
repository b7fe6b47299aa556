# play, black, white: colours, vertices, captures, suicide and ko.
1 boardsize 9
#? []
2 play b pass
#? []
3 play WHITE PASS
#? []
4 play Black Pass
#? []
5 play x D4
#? [\?syntax error]
6 play b
#? [\?syntax error]
7 play
#? [\?syntax error]
8 play b D0x
#? [\?syntax error]
9 play b D0
#? [\?syntax error]
10 play b I5
#? [\?syntax error]
11 play b @5
#? [\?syntax error]
12 play b 1x
#? [\?syntax error]
13 play b Z
#? [\?syntax error]
14 play b D-4
#? [\?syntax error]
15 play b Z5
#? [\?illegal move]
16 play b T19
#? [\?illegal move]
17 play b A99999999999999999999
#? [\?illegal move]
18 play b d4
#? []
19 play w D4
#? [\?illegal move]
20 black E5
#? []
21 white E5
#? [\?illegal move]
22 black x
#? [\?syntax error]
# I is not a column letter: H8 and J8 are different points.
23 play w H8
#? []
24 play w J8
#? []
# Capture of one stone in the corner: A1 white, B1 and A2 black.
30 play w A1
#? []
31 play b B1
#? []
32 play b A2
#? []
# A1 is empty again: white playing there is suicide, black may fill it.
33 play w A1
#? [\?illegal move]
34 play b A1
#? []
# Two chains taken by one stone: white C8 and D9 around black's C9.
40 clear_board
#? []
41 play w B9
#? []
42 play w C8
#? []
43 play b A9
#? []
44 play b A8
#? []
45 play b B8
#? []
46 play b B7
#? []
47 play b C7
#? []
48 play b D8
#? []
49 play b C9
#? []
# B9 and C8 are gone: both points take a stone again.
50 play w C8
#? [\?illegal move]
51 play b C8
#? []
52 play b B9
#? []
# Ko on the left edge: black takes at B3, white may not retake at B2 at once.
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
67 play w D2
#? []
68 play w B2
#? []
69 play b B3
#? []
70 play w B2
#? [\?illegal move]
# After a pass the retake is legal; then black may not retake at B3 at once.
71 play w pass
#? []
72 play w B2
#? []
73 play b B3
#? [\?illegal move]
# Another stone on the board also ends the ko.
74 play b G7
#? []
75 play b B3
#? []
76 play w B2
#? [\?illegal move]
77 genmove w
#? [PASS|[A-HJ-T][0-9]+]
